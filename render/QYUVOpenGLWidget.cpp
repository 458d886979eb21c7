#include "render/QYUVOpenGLWidget.h"

#include "render/RenderGeometry.h"

#include <QCoreApplication>
#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLShaderProgram>

#include <cstring>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixfmt.h>
}

namespace {

const char *const kVertexShader =
    "attribute vec3 vertexIn;\n"
    "attribute vec2 textureIn;\n"
    "varying vec2 textureOut;\n"
    "uniform mat4 matrix;\n"
    "void main(void)\n"
    "{\n"
    "    gl_Position = matrix * vec4(vertexIn, 1.0);\n"
    "    textureOut = textureIn;\n"
    "}\n";

const char *const kFragmentShader =
    "uniform bool isNV12;\n"
    "varying vec2 textureOut;\n"
    "uniform sampler2D textureY;\n"
    "uniform sampler2D textureU;\n"
    "uniform sampler2D textureV;\n"
    "const vec3 Rcoeff = vec3(1.1644,  0.000,  1.7927);\n"
    "const vec3 Gcoeff = vec3(1.1644, -0.2132, -0.5329);\n"
    "const vec3 Bcoeff = vec3(1.1644,  2.1124,  0.000);\n"
    "void main(void)\n"
    "{\n"
    "    vec3 yuv;\n"
    "    vec3 rgb;\n"
    "    if (isNV12) {\n"
    "        yuv.x = texture2D(textureY, textureOut).r;\n"
    "        yuv.y = texture2D(textureU, textureOut).r - 0.5;\n"
    "        yuv.z = texture2D(textureU, textureOut).g - 0.5;\n"
    "    } else {\n"
    "        yuv.x = texture2D(textureY, textureOut).r;\n"
    "        yuv.y = texture2D(textureU, textureOut).r - 0.5;\n"
    "        yuv.z = texture2D(textureV, textureOut).r - 0.5;\n"
    "    }\n"
    "    yuv.x = yuv.x - 0.0625;\n"
    "    rgb.r = dot(yuv, Rcoeff);\n"
    "    rgb.g = dot(yuv, Gcoeff);\n"
    "    rgb.b = dot(yuv, Bcoeff);\n"
    "    gl_FragColor = vec4(rgb, 1.0);\n"
    "}\n";

const char *const kGlesPrecision =
    "precision mediump int;\n"
    "precision mediump float;\n";

// Triangle strip covering the viewport, then texture coordinates at byte 48.
const GLfloat kVertices[] = {
    -1.0f, -1.0f, 0.0f,  1.0f, -1.0f, 0.0f,  -1.0f, 1.0f, 0.0f,  1.0f, 1.0f, 0.0f,
    0.0f, 1.0f,  1.0f, 1.0f,  0.0f, 0.0f,  1.0f, 0.0f,
};
constexpr int kTexCoordOffset = 12 * sizeof(GLfloat);
static_assert(sizeof(kVertices) == 80, "vertex buffer layout");

}  // namespace

QYUVOpenGLWidget::QYUVOpenGLWidget(QWidget *parent, bool nv12)
    : QOpenGLWidget(parent), m_nv12(nv12)
{
    setFocusPolicy(Qt::NoFocus);
    // The device window handles input through the container.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QYUVOpenGLWidget::~QYUVOpenGLWidget()
{
    cleanup();
    // The base class destroys the context later; this object must not hear of it then.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
}

void QYUVOpenGLWidget::initializeGL()
{
    initializeOpenGLFunctions();
    m_functionsReady = true;
    glDisable(GL_DEPTH_TEST);

    m_vertexBuffer = new QOpenGLBuffer(QOpenGLBuffer::VertexBuffer);
    if (!m_vertexBuffer->create() || !m_vertexBuffer->bind()) {
        qCritical("OpenGL renderer could not create its vertex buffer");
        cleanup();
        emit openGLFailed();
        return;
    }
    m_vertexBuffer->allocate(kVertices, sizeof(kVertices));

    if (!buildProgram()) {
        cleanup();
        emit openGLFailed();
        return;
    }

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &QYUVOpenGLWidget::cleanup,
            Qt::UniqueConnection);
    m_glReady = true;
    // Textures of an earlier context (before a re-parenting) are gone; make new ones.
    m_rebuildPending = true;
}

bool QYUVOpenGLWidget::buildProgram()
{
    QByteArray fragment(kFragmentShader);
    if (QCoreApplication::testAttribute(Qt::AA_UseOpenGLES))
        fragment.prepend(kGlesPrecision);

    m_program = new QOpenGLShaderProgram;
    if (!m_program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader)
        || !m_program->addShaderFromSourceCode(QOpenGLShader::Fragment, fragment)
        || !m_program->link()) {
        qCritical("OpenGL renderer could not build its shader program: %s",
                  qUtf8Printable(m_program->log()));
        return false;
    }
    return true;
}

void QYUVOpenGLWidget::resizeGL(int w, int h)
{
    const qreal ratio = devicePixelRatioF();
    glViewport(0, 0, qRound(w * ratio), qRound(h * ratio));
    update();
}

void QYUVOpenGLWidget::createTextures()
{
    const QSize size = m_state.frameSize();
    if (!m_state.hasFrameSize())
        return;
    const QSize chroma = render::chromaSize(size);
    struct Layout {
        QSize size;
        GLenum format;
    };
    const std::vector<Layout> layouts = m_nv12
        ? std::vector<Layout>{{size, GL_RED}, {chroma, GL_RG}}
        : std::vector<Layout>{{size, GL_LUMINANCE}, {chroma, GL_LUMINANCE}, {chroma, GL_LUMINANCE}};

    m_textures.resize(layouts.size());
    glGenTextures(GLsizei(m_textures.size()), m_textures.data());
    for (size_t i = 0; i < layouts.size(); ++i) {
        glBindTexture(GL_TEXTURE_2D, m_textures[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GLint(layouts[i].format), layouts[i].size.width(),
                     layouts[i].size.height(), 0, layouts[i].format, GL_UNSIGNED_BYTE, nullptr);
    }
    m_texturesReady = true;
    m_texturesFilled = false;
    m_frameUploaded = false;
}

void QYUVOpenGLWidget::releaseTextures()
{
    if (m_functionsReady && !m_textures.empty())
        glDeleteTextures(GLsizei(m_textures.size()), m_textures.data());
    m_textures.clear();
    m_texturesReady = false;
    m_texturesFilled = false;
}

void QYUVOpenGLWidget::switchMode(bool nv12)
{
    m_nv12 = nv12;
    if (!m_glReady) {
        m_rebuildPending = true;
        return;
    }
    makeCurrent();
    releaseTextures();
    createTextures();
    doneCurrent();
    m_rebuildPending = false;
}

bool QYUVOpenGLWidget::canUploadNow() const
{
    return m_glReady && m_texturesReady && !m_rebuildPending;
}

void QYUVOpenGLWidget::updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                                    int strideY, int strideU, int strideV)
{
    if (!m_state.acceptsI420(y, u, v, strideY, strideU, strideV))
        return;
    if (m_nv12)
        switchMode(false);
    const QSize size = m_state.frameSize();
    const QSize chroma = render::chromaSize(size);
    showPlanes({{y, strideY, size, GL_LUMINANCE, 1},
                {u, strideU, chroma, GL_LUMINANCE, 1},
                {v, strideV, chroma, GL_LUMINANCE, 1}});
}

void QYUVOpenGLWidget::updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV)
{
    if (!m_state.acceptsNV12(y, uv, strideY, strideUV))
        return;
    if (!m_nv12)
        switchMode(true);
    const QSize size = m_state.frameSize();
    showPlanes({{y, strideY, size, GL_RED, 1}, {uv, strideUV, render::chromaSize(size), GL_RG, 2}});
}

void QYUVOpenGLWidget::showPlanes(const std::vector<Plane> &planes)
{
    if (canUploadNow() && render::isOnScreen(this)) {
        makeCurrent();
        uploadPlanes(planes);
        doneCurrent();
        // Borrowed planes are not kept; a rebuild shows the next frame.
        m_frame.reset();
        update();
        return;
    }
    m_frameUploaded = !keepCopy(planes);
    update();
}

void QYUVOpenGLWidget::showFrame(const AVFrame *frame)
{
    if (!frame || QSize(frame->width, frame->height) != m_state.frameSize()) {
        qWarning("OpenGL renderer rejected a frame that does not have the current size");
        return;
    }
    const bool nv12 = frame->format == AV_PIX_FMT_NV12;
    const bool accepted = nv12
        ? m_state.acceptsNV12(frame->data[0], frame->data[1], frame->linesize[0], frame->linesize[1])
        : m_state.acceptsI420(frame->data[0], frame->data[1], frame->data[2], frame->linesize[0],
                              frame->linesize[1], frame->linesize[2]);
    if (!accepted)
        return;
    if (nv12 != m_nv12)
        switchMode(nv12);
    if (!keepFrame(frame)) {
        showPlanes(planesOf(frame));
        return;
    }
    m_frameUploaded = false;
    if (canUploadNow() && render::isOnScreen(this)) {
        makeCurrent();
        uploadKeptFrame();
        doneCurrent();
    }
    update();
}

std::vector<QYUVOpenGLWidget::Plane> QYUVOpenGLWidget::planesOf(const AVFrame *frame) const
{
    const QSize size(frame->width, frame->height);
    const QSize chroma = render::chromaSize(size);
    if (frame->format == AV_PIX_FMT_NV12)
        return {{frame->data[0], frame->linesize[0], size, GL_RED, 1},
                {frame->data[1], frame->linesize[1], chroma, GL_RG, 2}};
    return {{frame->data[0], frame->linesize[0], size, GL_LUMINANCE, 1},
            {frame->data[1], frame->linesize[1], chroma, GL_LUMINANCE, 1},
            {frame->data[2], frame->linesize[2], chroma, GL_LUMINANCE, 1}};
}

bool QYUVOpenGLWidget::keepFrame(const AVFrame *frame)
{
    if (!frame->buf[0])
        return false;
    if (!m_frame)
        m_frame = makeAVFrame();
    else
        av_frame_unref(m_frame.get());
    if (!m_frame || av_frame_ref(m_frame.get(), frame) < 0) {
        m_frame.reset();
        return false;
    }
    return true;
}

bool QYUVOpenGLWidget::keepCopy(const std::vector<Plane> &planes)
{
    const QSize size = m_state.frameSize();
    AVFramePtr copy = makeAVFrame();
    if (!copy)
        return false;
    copy->format = m_nv12 ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P;
    copy->width = size.width();
    copy->height = size.height();
    if (av_frame_get_buffer(copy.get(), 0) < 0) {
        qWarning("OpenGL renderer could not keep a %dx%d frame", size.width(), size.height());
        return false;
    }
    for (size_t i = 0; i < planes.size(); ++i) {
        const Plane &plane = planes[i];
        av_image_copy_plane(copy->data[i], copy->linesize[i], plane.data, plane.stride,
                            plane.size.width() * plane.bytesPerPixel, plane.size.height());
    }
    m_frame = std::move(copy);
    return true;
}

void QYUVOpenGLWidget::uploadKeptFrame()
{
    if (!m_frame || m_frameUploaded)
        return;
    // A frame of the other kind or an older size no longer fits the textures.
    const bool fits = (m_frame->format == AV_PIX_FMT_NV12) == m_nv12
        && QSize(m_frame->width, m_frame->height) == m_state.frameSize();
    if (!fits) {
        m_frame.reset();
        return;
    }
    uploadPlanes(planesOf(m_frame.get()));
    m_frameUploaded = true;
}

void QYUVOpenGLWidget::uploadPlanes(const std::vector<Plane> &planes)
{
    if (planes.size() != m_textures.size())
        return;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (size_t i = 0; i < planes.size(); ++i) {
        const Plane &plane = planes[i];
        glBindTexture(GL_TEXTURE_2D, m_textures[i]);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, plane.stride / plane.bytesPerPixel);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, plane.size.width(), plane.size.height(),
                        plane.format, GL_UNSIGNED_BYTE, plane.data);
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    m_texturesFilled = true;
}

void QYUVOpenGLWidget::setPictureViewport()
{
    const qreal ratio = devicePixelRatioF();
    const QRectF picture = m_state.pictureRect(size());
    // OpenGL counts rows from the bottom.
    const int left = qRound(picture.left() * ratio);
    const int bottom = qRound((height() - picture.bottom()) * ratio);
    glViewport(left, bottom, qRound(picture.width() * ratio), qRound(picture.height() * ratio));
}

void QYUVOpenGLWidget::paintGL()
{
    if (!m_glReady)
        return;
    if (m_rebuildPending) {
        releaseTextures();
        createTextures();
        m_rebuildPending = false;
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!m_texturesReady)
        return;
    uploadKeptFrame();
    if (!m_texturesFilled)
        return;

    const QRectF crop = m_state.cropRect();
    const GLfloat texCoords[] = {
        GLfloat(crop.left()), GLfloat(crop.bottom()), GLfloat(crop.right()), GLfloat(crop.bottom()),
        GLfloat(crop.left()), GLfloat(crop.top()), GLfloat(crop.right()), GLfloat(crop.top()),
    };
    m_vertexBuffer->bind();
    m_vertexBuffer->write(kTexCoordOffset, texCoords, sizeof(texCoords));
    setPictureViewport();

    QMatrix4x4 matrix;
    matrix.rotate(-m_state.rotation(), 0.0f, 0.0f, 1.0f);

    m_program->bind();
    m_program->enableAttributeArray("vertexIn");
    m_program->setAttributeBuffer("vertexIn", GL_FLOAT, 0, 3, 3 * sizeof(GLfloat));
    m_program->enableAttributeArray("textureIn");
    m_program->setAttributeBuffer("textureIn", GL_FLOAT, kTexCoordOffset, 2, 2 * sizeof(GLfloat));
    m_program->setUniformValue("textureY", 0);
    m_program->setUniformValue("textureU", 1);
    m_program->setUniformValue("textureV", 2);
    m_program->setUniformValue("isNV12", m_nv12);
    m_program->setUniformValue("matrix", matrix);

    for (size_t i = 0; i < m_textures.size(); ++i) {
        glActiveTexture(GLenum(GL_TEXTURE0 + i));
        glBindTexture(GL_TEXTURE_2D, m_textures[i]);
    }
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glActiveTexture(GL_TEXTURE0);
    m_program->release();
    m_vertexBuffer->release();
}

void QYUVOpenGLWidget::cleanup()
{
    if (!m_vertexBuffer && !m_program && m_textures.empty())
        return;
    makeCurrent();
    releaseTextures();
    if (m_vertexBuffer)
        m_vertexBuffer->destroy();
    delete m_vertexBuffer;
    m_vertexBuffer = nullptr;
    delete m_program;
    m_program = nullptr;
    doneCurrent();
    m_glReady = false;
}

void QYUVOpenGLWidget::resetDevice(bool onlyIfGrown)
{
    if (onlyIfGrown)
        return;
    m_rebuildPending = true;
}

void QYUVOpenGLWidget::setFrameSize(const QSize &size)
{
    if (!m_state.setFrameSize(size))
        return;
    m_rebuildPending = true;
    m_frame.reset();
    repaint();
}

void QYUVOpenGLWidget::setCropRect(const QRectF &rect)
{
    if (m_state.setCropRect(rect))
        update();
}

void QYUVOpenGLWidget::rotate(int degrees, bool relative)
{
    m_state.rotate(degrees, relative);
    update();
}
