#include "render/QRenderWidget.h"

#include "render/QRasterRenderWidget.h"
#include "media/AVPtr.h"
#include "render/QYUVOpenGLWidget.h"
#include "render/RenderGeometry.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/hwcontext.h>
#include <libavutil/pixdesc.h>
}

QRenderWidget::QRenderWidget(QWidget *parent, int engine, bool nv12) : QWidget(parent)
{
    createRenderWidget(chooseEngine(engine), nv12);
}

bool QRenderWidget::isOpenGLAvailable()
{
    static const bool available = [] {
        QOpenGLContext context;
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        const bool current = surface.isValid() && context.makeCurrent(&surface);
        if (current)
            context.doneCurrent();
        return current;
    }();
    return available;
}

QRenderWidget::Engine QRenderWidget::chooseEngine(int requested)
{
    if (requested != OpenGL && requested != Raster) {
        qWarning("Unknown render engine %d; using the raster renderer", requested);
        return Raster;
    }
    if (requested == OpenGL && !isOpenGLAvailable()) {
        qWarning("OpenGL is not available; using the raster renderer");
        return Raster;
    }
    return Engine(requested);
}

void QRenderWidget::createRenderWidget(Engine engine, bool nv12)
{
    m_engine = engine;
    if (engine == OpenGL) {
        auto *gl = new QYUVOpenGLWidget(this, nv12);
        connect(gl, &QYUVOpenGLWidget::openGLFailed, this, &QRenderWidget::didOpenGLFail,
                Qt::QueuedConnection);
        m_widget = gl;
        m_render = gl;
    } else {
        auto *raster = new QRasterRenderWidget(this, nv12);
        m_widget = raster;
        m_render = raster;
    }
    m_widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_widget->setAttribute(Qt::WA_MouseTracking);
    m_widget->setGeometry(rect());
}

bool QRenderWidget::renderWidgetIsNV12() const
{
    if (auto *gl = qobject_cast<QYUVOpenGLWidget *>(m_widget))
        return gl->isNV12();
    if (auto *raster = qobject_cast<QRasterRenderWidget *>(m_widget))
        return raster->isNV12();
    return false;
}

void QRenderWidget::didOpenGLFail()
{
    if (m_engine != OpenGL || !m_widget)
        return;
    qWarning("OpenGL renderer failed; switching to the raster renderer");
    const QSize frame = frameSize();
    const QRectF crop = cropRect();
    const int turned = rotation();
    const bool nv12 = renderWidgetIsNV12();
    QWidget *old = m_widget;
    m_render = nullptr;
    old->hide();
    old->deleteLater();

    createRenderWidget(Raster, nv12);
    if (frame.isValid())
        m_render->setFrameSize(frame);
    m_render->setCropRect(crop);
    m_render->rotate(turned, false);
    m_widget->setVisible(isVisible());
}

void QRenderWidget::resetDevice(bool onlyIfGrown) { m_render->resetDevice(onlyIfGrown); }
void QRenderWidget::adjustPosition() { m_render->adjustPosition(); }
void QRenderWidget::setFrameSize(const QSize &size) { m_render->setFrameSize(size); }
QSize QRenderWidget::frameSize() const { return m_render->frameSize(); }
void QRenderWidget::setCropRect(const QRectF &rect) { m_render->setCropRect(rect); }
QRectF QRenderWidget::cropRect() const { return m_render->cropRect(); }
int QRenderWidget::rotation() const { return m_render->rotation(); }
void QRenderWidget::rotate(int degrees, bool relative) { m_render->rotate(degrees, relative); }

void QRenderWidget::updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV)
{
    m_render->updateSurface(y, uv, strideY, strideUV);
}

void QRenderWidget::updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                                 int strideY, int strideU, int strideV)
{
    m_render->updatePlanes(y, u, v, strideY, strideU, strideV);
}

void QRenderWidget::updateFrame(const AVFrame *frame)
{
    if (!frame) {
        qWarning("Renderer rejected a missing frame");
        return;
    }
    if (frame->hw_frames_ctx) {
        // Decoder surfaces are read back once here; the engines only take memory planes.
        AVFramePtr copy(av_frame_alloc());
        if (!copy || av_hwframe_transfer_data(copy.get(), frame, 0) < 0) {
            qWarning("Renderer could not bring a hardware frame to memory");
            return;
        }
        showMemoryFrame(copy.get());
        return;
    }
    showMemoryFrame(frame);
}

void QRenderWidget::showMemoryFrame(const AVFrame *frame)
{
    const QSize size(frame->width, frame->height);
    if (size.width() <= 0 || size.height() <= 0) {
        qWarning("Renderer rejected a frame of size %dx%d", size.width(), size.height());
        return;
    }
    const auto format = AVPixelFormat(frame->format);
    const bool i420 = format == AV_PIX_FMT_YUV420P || format == AV_PIX_FMT_YUVJ420P;
    if (!i420 && format != AV_PIX_FMT_NV12) {
        const char *name = av_get_pix_fmt_name(format);
        qWarning("Renderer rejected a frame in pixel format %s", name ? name : "unknown");
        return;
    }
    if (size != frameSize()) {
        setFrameSize(size);
        if (size != frameSize())
            return;  // the size was refused and logged
    }
    // Both engines keep a reference to the frame rather than copying its planes, and convert
    // or upload it only when it can be seen.
    if (auto *raster = qobject_cast<QRasterRenderWidget *>(m_widget))
        raster->showFrame(frame);
    else if (auto *gl = qobject_cast<QYUVOpenGLWidget *>(m_widget))
        gl->showFrame(frame);
}

QSize QRenderWidget::displayFrameSize() const
{
    return render::displayFrameSize(size(), frameSize(), cropRect(), rotation());
}

QPointF QRenderWidget::mapToFrame(const QPointF &position) const
{
    return render::mapToFrame(position, size(), frameSize(), cropRect(), rotation());
}

QImage QRenderWidget::grabImage()
{
    if (auto *gl = qobject_cast<QYUVOpenGLWidget *>(m_widget))
        return gl->grabFramebuffer();
    return m_widget ? m_widget->grab().toImage() : QImage();
}

void QRenderWidget::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_widget->setGeometry(rect());
    adjustPosition();
}

void QRenderWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_widget->setGeometry(rect());
}
