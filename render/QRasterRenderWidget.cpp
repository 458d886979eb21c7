#include "render/QRasterRenderWidget.h"

#include "render/RenderGeometry.h"
#include "render/RgbPicture.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <cmath>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace {
// Rows converted at a time on the way to the window: small enough to stay in the cache.
constexpr int kBandRows = 32;
// A picture shrunk to a third or less of each side (a thumbnail) is scaled with the fast
// bilinear filter: several times cheaper there, and the loss of detail does not show.
constexpr int kThumbnailShrink = 3;

int scalingFlags(const QSize &source, const QSize &target)
{
    const bool thumbnail = target.width() * kThumbnailShrink <= source.width()
        && target.height() * kThumbnailShrink <= source.height();
    return thumbnail ? SWS_FAST_BILINEAR : SWS_BILINEAR;
}

// The scaler writes odd-width pictures several times slower than even ones, so a picture of
// odd width is converted one column wider and drawn without that column.
QSize convertedSize(const QSize &picture)
{
    return QSize(picture.width() + (picture.width() & 1), picture.height());
}

// The image a painter draws into (a window's backing store), when rows of RGB32 may be
// written there directly: a plain 32-bit image, painted without transformation, clipping,
// opacity or a special composition mode.
class DirectTarget {
public:
    explicit DirectTarget(QPainter &painter)
    {
        QPaintEngine *engine = painter.paintEngine();
        if (!engine || engine->type() != QPaintEngine::Raster)
            return;
        QPaintDevice *device = engine->paintDevice();
        if (!device || device->devType() != QInternal::Image)
            return;
        auto *image = static_cast<QImage *>(device);
        const bool rgb32 = image->format() == QImage::Format_RGB32
            || image->format() == QImage::Format_ARGB32_Premultiplied;
        const QTransform transform = painter.deviceTransform();
        const bool shifted = transform.type() <= QTransform::TxTranslate
            && transform.dx() == std::round(transform.dx())
            && transform.dy() == std::round(transform.dy());
        if (!rgb32 || !shifted || image->devicePixelRatio() != 1.0 || !image->isDetached()
            || painter.hasClipping() || painter.opacity() < 1.0
            || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
            return;
        m_image = image;
        m_offset = QPoint(int(transform.dx()), int(transform.dy()));
        m_allowed = engine->systemClip();
        if (m_allowed.isEmpty())
            m_allowed = image->rect();
    }

    // The first byte of the widget's rectangle in the image, or null when some of the
    // rectangle may not be written.
    uchar *place(const QRect &rect) const
    {
        if (!m_image)
            return nullptr;
        const QRect onImage = rect.translated(m_offset);
        if (!m_image->rect().contains(onImage) || !(QRegion(onImage) - m_allowed).isEmpty())
            return nullptr;
        // constBits: bits() could detach the image from the painter that draws into it.
        return const_cast<uchar *>(m_image->constBits()) + onImage.y() * m_image->bytesPerLine()
            + onImage.x() * 4;
    }
    int stride() const { return m_image ? int(m_image->bytesPerLine()) : 0; }

private:
    QImage *m_image = nullptr;
    QPoint m_offset;
    QRegion m_allowed;
};

}  // namespace

QRasterRenderWidget::QRasterRenderWidget(QWidget *parent, bool nv12)
    : QWidget(parent), m_nv12(nv12)
{
    setFocusPolicy(Qt::NoFocus);
    // The device window handles input through the container.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void QRasterRenderWidget::resetDevice(bool onlyIfGrown)
{
    if (!onlyIfGrown) {
        m_wholeConverter.reset();
        m_bandConverter.reset();
        m_lastBandConverter.reset();
        m_stale = true;
    }
}

void QRasterRenderWidget::setFrameSize(const QSize &size)
{
    if (!m_state.setFrameSize(size))
        return;
    // A picture of the old size would be drawn with the new size's crop; show nothing instead.
    m_frame.reset();
    m_image = QImage();
    repaint();
}

void QRasterRenderWidget::setCropRect(const QRectF &rect)
{
    if (m_state.setCropRect(rect))
        update();
}

void QRasterRenderWidget::rotate(int degrees, bool relative)
{
    m_state.rotate(degrees, relative);
    update();
}

void QRasterRenderWidget::updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                                       int strideY, int strideU, int strideV)
{
    if (!m_state.acceptsI420(y, u, v, strideY, strideU, strideV)) {
        update();
        return;
    }
    AVFrame borrowed = {};
    borrowed.format = AV_PIX_FMT_YUV420P;
    borrowed.width = m_state.frameSize().width();
    borrowed.height = m_state.frameSize().height();
    borrowed.data[0] = const_cast<uchar *>(y);
    borrowed.data[1] = const_cast<uchar *>(u);
    borrowed.data[2] = const_cast<uchar *>(v);
    borrowed.linesize[0] = strideY;
    borrowed.linesize[1] = strideU;
    borrowed.linesize[2] = strideV;
    showFrame(&borrowed);
}

void QRasterRenderWidget::updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV)
{
    if (!m_state.acceptsNV12(y, uv, strideY, strideUV)) {
        update();
        return;
    }
    AVFrame borrowed = {};
    borrowed.format = AV_PIX_FMT_NV12;
    borrowed.width = m_state.frameSize().width();
    borrowed.height = m_state.frameSize().height();
    borrowed.data[0] = const_cast<uchar *>(y);
    borrowed.data[1] = const_cast<uchar *>(uv);
    borrowed.linesize[0] = strideY;
    borrowed.linesize[1] = strideUV;
    showFrame(&borrowed);
}

bool QRasterRenderWidget::acceptsFrame(const AVFrame *frame) const
{
    if (!frame) {
        qWarning("Renderer rejected a missing frame");
        return false;
    }
    if (QSize(frame->width, frame->height) != m_state.frameSize()) {
        qWarning("Renderer rejected a %dx%d frame while showing %dx%d", frame->width,
                 frame->height, m_state.frameSize().width(), m_state.frameSize().height());
        return false;
    }
    switch (frame->format) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
        return m_state.acceptsI420(frame->data[0], frame->data[1], frame->data[2],
                                   frame->linesize[0], frame->linesize[1], frame->linesize[2]);
    case AV_PIX_FMT_NV12:
        return m_state.acceptsNV12(frame->data[0], frame->data[1], frame->linesize[0],
                                   frame->linesize[1]);
    default:
        qWarning("Renderer rejected a frame in pixel format %d", frame->format);
        return false;
    }
}

void QRasterRenderWidget::showFrame(const AVFrame *frame)
{
    if (!acceptsFrame(frame) || !keepFrame(frame)) {
        update();
        return;
    }
    m_nv12 = frame->format == AV_PIX_FMT_NV12;
    // A window that cannot be seen paints (and converts) when it is exposed again.
    if (render::isOnScreen(this))
        update();
}

bool QRasterRenderWidget::keepFrame(const AVFrame *frame)
{
    if (!m_frame)
        m_frame = makeAVFrame();
    if (!m_frame) {
        qWarning("Raster renderer could not keep a frame");
        return false;
    }
    if (frame->buf[0]) {
        av_frame_unref(m_frame.get());
        if (av_frame_ref(m_frame.get(), frame) < 0) {
            qWarning("Raster renderer could not keep a frame");
            return false;
        }
    } else {
        // Borrowed planes are copied; the copy's buffer is reused while nobody else holds it.
        const bool reusable = m_frame->buf[0] && m_frame->format == frame->format
            && m_frame->width == frame->width && m_frame->height == frame->height
            && av_frame_is_writable(m_frame.get());
        if (!reusable) {
            av_frame_unref(m_frame.get());
            m_frame->format = frame->format;
            m_frame->width = frame->width;
            m_frame->height = frame->height;
        }
        if ((!reusable && av_frame_get_buffer(m_frame.get(), 0) < 0)
            || av_frame_copy(m_frame.get(), frame) < 0) {
            av_frame_unref(m_frame.get());
            qWarning("Raster renderer could not copy a %dx%d frame", frame->width, frame->height);
            return false;
        }
    }
    m_stale = true;
    return true;
}

QRect QRasterRenderWidget::sourceRect() const
{
    const QSize frame = m_state.frameSize();
    const QRectF crop = m_state.cropRect();
    const int left = int(crop.left() * frame.width()) & ~1;
    const int top = int(crop.top() * frame.height()) & ~1;
    const int right = qBound(left + 1, int(std::ceil(crop.right() * frame.width())), frame.width());
    const int bottom = qBound(top + 1, int(std::ceil(crop.bottom() * frame.height())), frame.height());
    return QRect(left, top, right - left, bottom - top);
}

QRasterRenderWidget::Planes QRasterRenderWidget::planesAt(const QPoint &origin) const
{
    const AVFrame *frame = m_frame.get();
    const bool nv12 = frame->format == AV_PIX_FMT_NV12;
    const int x = origin.x(), y = origin.y();
    Planes planes;
    planes.data[0] = frame->data[0] + y * frame->linesize[0] + x;
    planes.strides[0] = frame->linesize[0];
    // NV12 holds U and V in pairs, so its chroma column is x / 2 pairs, x bytes in.
    planes.data[1] = frame->data[1] + y / 2 * frame->linesize[1] + (nv12 ? x : x / 2);
    planes.strides[1] = frame->linesize[1];
    if (!nv12) {
        planes.data[2] = frame->data[2] + y / 2 * frame->linesize[2] + x / 2;
        planes.strides[2] = frame->linesize[2];
    }
    return planes;
}

AVPixelFormat QRasterRenderWidget::converterFormat() const
{
    // Limited range is set on the converter; the J format would only make swscale complain.
    return m_frame->format == AV_PIX_FMT_NV12 ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P;
}

QRect QRasterRenderWidget::pictureDeviceRect() const
{
    const qreal ratio = devicePixelRatioF();
    const QRectF picture = m_state.pictureRect(QSizeF(size()));
    const QPoint topLeft(qRound(picture.left() * ratio), qRound(picture.top() * ratio));
    const QPoint end(qRound(picture.right() * ratio), qRound(picture.bottom() * ratio));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

QRect QRasterRenderWidget::bandedRect(const QRect &device, const QRect &source) const
{
    // A pixel of difference comes from the window layout's rounding; showing the frame at its
    // own size then is sharper than resampling it by a pixel.
    const bool ownSize = qAbs(device.width() - source.width()) <= 1
        && qAbs(device.height() - source.height()) <= 1;
    // Bands of an odd height would convert their last row differently from the rest.
    const bool bandable = source.height() % 2 == 0 && devicePixelRatioF() == 1.0
        && render::quarterTurnDegrees(m_state.rotation()) == 0;
    return ownSize && bandable ? QRect(device.topLeft(), source.size()) : QRect();
}

SwsContext *QRasterRenderWidget::Converter::get(AVPixelFormat format, const QSize &source,
                                                const QSize &target)
{
    if (m_context && format == m_format && source == m_source && target == m_target)
        return m_context.get();
    m_context.reset(sws_getContext(source.width(), source.height(), format, target.width(),
                                   target.height(), AV_PIX_FMT_RGB32, scalingFlags(source, target), nullptr,
                                   nullptr, nullptr));
    m_format = format;
    m_source = source;
    m_target = target;
    m_keepsToRows = -1;
    if (m_context) {
        render::useDisplayColours(m_context.get());
    } else {
        qWarning("Raster renderer could not create a colour converter for %dx%d to %dx%d",
                 source.width(), source.height(), target.width(), target.height());
    }
    return m_context.get();
}

bool QRasterRenderWidget::Converter::keepsToRows(const uint8_t *const planes[], const int strides[])
{
    if (!m_context)
        return false;
    if (m_keepsToRows < 0) {
        // Rows with a margin, and a margin after the last one, all zero: the converter's
        // output is opaque, so any byte it writes there comes out non-zero.
        const int rowBytes = m_target.width() * 4;
        const int stride = rowBytes + render::kConverterSlack;
        QByteArray trial(stride * m_target.height() + render::kConverterSlack, '\0');
        uint8_t *const output[] = {reinterpret_cast<uint8_t *>(trial.data()), nullptr, nullptr,
                                   nullptr};
        const int outputStrides[] = {stride, 0, 0, 0};
        sws_scale(m_context.get(), planes, strides, 0, m_source.height(), output, outputStrides);
        bool clean = true;
        for (int row = 0; row <= m_target.height() && clean; ++row) {
            const int from = row * stride + (row < m_target.height() ? rowBytes : 0);
            const int to = qMin(row * stride + stride, int(trial.size()));
            for (int i = from; i < to && clean; ++i)
                clean = trial.at(i) == '\0';
        }
        m_keepsToRows = clean ? 1 : 0;
    }
    return m_keepsToRows == 1;
}

void QRasterRenderWidget::paintBands(QPainter &painter, const QRect &target, const QRect &source,
                                     const QRect &dirty)
{
    const int width = source.width();
    // A shared picture would detach into a buffer without the slack.
    if (m_band.width() != width || !m_band.isDetached())
        m_band = render::convertibleImage(QSize(width, kBandRows));
    if (m_band.isNull()) {
        qWarning("Raster renderer could not allocate a %dx%d picture", width, kBandRows);
        painter.fillRect(target, Qt::black);
        return;
    }
    uint8_t *const bandOutput[] = {m_band.bits(), nullptr, nullptr, nullptr};
    const int bandStrides[] = {int(m_band.bytesPerLine()), 0, 0, 0};
    const DirectTarget direct(painter);
    const int directStrides[] = {direct.stride(), 0, 0, 0};
    for (int row = 0; row < source.height(); row += kBandRows) {
        const int rows = qMin(kBandRows, source.height() - row);
        const QRect band(target.x(), target.y() + row, width, rows);
        if (!band.intersects(dirty))
            continue;
        Converter &converter = rows == kBandRows ? m_bandConverter : m_lastBandConverter;
        SwsContext *context = converter.get(converterFormat(), band.size(), band.size());
        if (!context) {
            painter.fillRect(band, Qt::black);
            continue;
        }
        const Planes planes = planesAt(source.topLeft() + QPoint(0, row));
        // Straight into the window saves copying every pixel once more.
        uchar *inPlace = direct.place(band);
        if (inPlace && converter.keepsToRows(planes.data, planes.strides)) {
            uint8_t *const output[] = {inPlace, nullptr, nullptr, nullptr};
            sws_scale(context, planes.data, planes.strides, 0, rows, output, directStrides);
            continue;
        }
        sws_scale(context, planes.data, planes.strides, 0, rows, bandOutput, bandStrides);
        painter.drawImage(band.topLeft(), m_band, QRect(0, 0, width, rows));
    }
}

bool QRasterRenderWidget::convertWhole(const QSize &target, const QRect &source)
{
    const QSize converted = convertedSize(target);
    SwsContext *context = m_wholeConverter.get(converterFormat(), source.size(), converted);
    if (!context)
        return false;
    // A shared picture would detach into a buffer without the slack.
    if (m_image.size() != converted || !m_image.isDetached())
        m_image = render::convertibleImage(converted);
    if (m_image.isNull()) {
        qWarning("Raster renderer could not allocate a %dx%d picture", converted.width(),
                 converted.height());
        return false;
    }
    const Planes planes = planesAt(source.topLeft());
    uint8_t *const output[] = {m_image.bits(), nullptr, nullptr, nullptr};
    const int outputStrides[] = {int(m_image.bytesPerLine()), 0, 0, 0};
    sws_scale(context, planes.data, planes.strides, 0, source.height(), output, outputStrides);
    m_image.setDevicePixelRatio(devicePixelRatioF());
    m_imageSource = source;
    m_imageTarget = target;
    m_stale = false;
    return true;
}

void QRasterRenderWidget::paintWhole(QPainter &painter, const QRect &device, const QRect &source)
{
    QSize target = device.size();
    if (render::swapsSides(m_state.rotation()))
        target.transpose();
    const bool current = !m_stale && m_imageTarget == target && m_imageSource == source
        && !m_image.isNull();
    if (m_frame && m_frame->data[0] && !current && !target.isEmpty())
        convertWhole(target, source);
    const qreal ratio = devicePixelRatioF();
    const QRectF picture(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio);
    if (m_image.isNull()) {
        painter.fillRect(picture, Qt::black);
        return;
    }
    QSizeF unturned = picture.size();
    if (render::swapsSides(m_state.rotation()))
        unturned.transpose();
    // Only a picture left from before a failed conversion needs scaling.
    const QRectF drawn(QPointF(0, 0), QSizeF(m_imageTarget));
    if (m_imageTarget != target)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (render::quarterTurnDegrees(m_state.rotation()) == 0) {
        painter.drawImage(QRectF(picture.topLeft(), unturned), m_image, drawn);
        return;
    }
    painter.translate(picture.center());
    painter.rotate(m_state.rotation());
    painter.drawImage(QRectF(QPointF(-unturned.width() / 2, -unturned.height() / 2), unturned),
                      m_image, drawn);
}

void QRasterRenderWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const bool haveFrame = m_frame && m_frame->data[0];
    if (!haveFrame && m_image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QRect device = pictureDeviceRect();
    const QRect source = sourceRect();
    const QRect banded = haveFrame ? bandedRect(device, source) : QRect();
    const qreal ratio = devicePixelRatioF();
    const QRectF drawn = banded.isValid()
        ? QRectF(banded)
        : QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio);
    // Only the bars around the picture are filled; pixels the picture covers only in part
    // count as bars.
    const QPoint innerTopLeft(int(std::ceil(drawn.left())), int(std::ceil(drawn.top())));
    const QPoint innerEnd(int(std::floor(drawn.right())), int(std::floor(drawn.bottom())));
    const QRect inner(innerTopLeft, QSize(innerEnd.x() - innerTopLeft.x(), innerEnd.y() - innerTopLeft.y()));
    for (const QRect &bar : QRegion(rect()) - QRegion(inner))
        painter.fillRect(bar, Qt::black);
    if (banded.isValid()) {
        m_image = QImage();  // a whole picture from an earlier geometry is not needed now
        paintBands(painter, banded, source, event->rect());
    } else {
        paintWhole(painter, device, source);
    }
}
