#pragma once

#include "media/AVPtr.h"
#include "render/IRenderWidget.h"
#include "render/RenderState.h"

#include <QOpenGLFunctions>
#include <QOpenGLWidget>

#include <vector>

struct AVFrame;
class QOpenGLBuffer;
class QOpenGLShaderProgram;

// Shows YUV frames with OpenGL: the planes go into textures as they are and a fragment
// shader turns them into RGB (BT.709, limited range). I420 and NV12 frames each have their
// own texture layout; the layout follows the kind of the incoming frame.
//
// Frames are uploaded as they come only while the widget can be seen. A hidden widget (a
// window on another page of the multi-device center, a minimised one) keeps the newest frame
// and uploads it, once, when it paints again.
class QYUVOpenGLWidget : public QOpenGLWidget, protected QOpenGLFunctions, public IRenderWidget {
    Q_OBJECT
public:
    QYUVOpenGLWidget(QWidget *parent, bool nv12);
    ~QYUVOpenGLWidget() override;

    void resetDevice(bool onlyIfGrown) override;
    void adjustPosition() override {}
    void setFrameSize(const QSize &size) override;
    QSize frameSize() const override { return m_state.frameSize(); }
    void setCropRect(const QRectF &rect) override;
    QRectF cropRect() const override { return m_state.cropRect(); }
    void updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV) override;
    void updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                      int strideY, int strideU, int strideV) override;
    int rotation() const override { return m_state.rotation(); }
    void rotate(int degrees, bool relative) override;

    // Shows an I420 or NV12 frame of the current frame size. A reference-counted frame is
    // kept by reference, anything else is copied when it has to wait for an upload.
    void showFrame(const AVFrame *frame);

    bool isNV12() const { return m_nv12; }

signals:
    // The OpenGL side could not be set up; the widget will never show a picture.
    void openGLFailed();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    struct Plane {
        const uchar *data;
        int stride;
        QSize size;
        GLenum format;
        int bytesPerPixel;
    };

    bool buildProgram();
    void createTextures();
    void releaseTextures();
    void switchMode(bool nv12);
    bool canUploadNow() const;
    void showPlanes(const std::vector<Plane> &planes);
    void uploadPlanes(const std::vector<Plane> &planes);
    std::vector<Plane> planesOf(const AVFrame *frame) const;
    bool keepFrame(const AVFrame *frame);
    bool keepCopy(const std::vector<Plane> &planes);
    void uploadKeptFrame();
    void setPictureViewport();
    void cleanup();

    RenderState m_state;
    bool m_nv12;
    bool m_rebuildPending = false;
    bool m_texturesReady = false;
    bool m_texturesFilled = false;
    bool m_functionsReady = false;
    bool m_glReady = false;
    QOpenGLBuffer *m_vertexBuffer = nullptr;
    QOpenGLShaderProgram *m_program = nullptr;
    std::vector<GLuint> m_textures;

    // The newest frame, when it is kept: it waits for an upload, or is uploaded again into
    // textures rebuilt for a new context (after the widget moved to another window).
    AVFramePtr m_frame;
    bool m_frameUploaded = false;
};
