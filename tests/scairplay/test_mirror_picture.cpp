// A phone (pivora-cast) streams an MP4 of a still four-colour picture into the receiver; the
// device window must show what a plain decode of that file shows, with both render engines,
// and its picture area must follow the stream's shape. A screenshot of the window must hold
// exactly the part of the picture shown, turned as shown.

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "media/AVPtr.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "render/RenderGeometry.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "support/CastHost.h"
#include "ui/QPVDeviceWidget.h"

#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr int kWaitMs = 60000;
// Long enough that the phone is still streaming however slowly the checks run; the test ends
// the session itself once the picture has been seen.
constexpr int kFileFps = 5;
constexpr int kFileSeconds = 150;
// Per channel, for YUV-to-RGB rounding in the shader or swscale and bilinear sampling.
constexpr int kTolerance = 12;
// Pixels either side of an inner colour edge that blend two regions (chroma is subsampled).
constexpr int kEdgeBand = 4;

struct Yuv {
    uint8_t y, u, v;
};
// Moderate colours: no channel clips, so any conversion rounding stays small.
constexpr Yuv kQuadrants[4] = {{90, 110, 170}, {150, 90, 100}, {70, 170, 120}, {180, 128, 128}};

// Inner edges of the quadrants: even, so each chroma sample covers one colour only.
QPoint quadrantSplit(const QSize& size)
{
    return QPoint(size.width() / 2 & ~1, size.height() / 2 & ~1);
}

void paintQuadrants(AVFrame* frame)
{
    const QPoint split = quadrantSplit(QSize(frame->width, frame->height));
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) {
            const Yuv& c = kQuadrants[(y >= split.y() ? 2 : 0) + (x >= split.x() ? 1 : 0)];
            frame->data[0][y * frame->linesize[0] + x] = c.y;
            if (x % 2 == 0 && y % 2 == 0) {
                frame->data[1][y / 2 * frame->linesize[1] + x / 2] = c.u;
                frame->data[2][y / 2 * frame->linesize[2] + x / 2] = c.v;
            }
        }
}

struct OutputFormatDeleter {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb)
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
using AVFormatOutputPtr = std::unique_ptr<AVFormatContext, OutputFormatDeleter>;

bool writePackets(AVCodecContext* encoder, AVFormatContext* muxer, AVStream* stream, const AVFrame* frame)
{
    if (avcodec_send_frame(encoder, frame) < 0)
        return false;
    AVPacketPtr packet = makeAVPacket();
    for (;;) {
        const int rc = avcodec_receive_packet(encoder, packet.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0)
            return false;
        av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(muxer, packet.get()) < 0)
            return false;
    }
}

// An MP4 whose H.264 track repeats the four-colour picture.
bool writeQuadrantFile(const QString& path, const QSize& size)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    AVFormatContext* rawMuxer = nullptr;
    if (!codec || avformat_alloc_output_context2(&rawMuxer, nullptr, "mp4", path.toLocal8Bit().constData()) < 0)
        return false;
    AVFormatOutputPtr muxer(rawMuxer);
    AVCodecContextPtr encoder(avcodec_alloc_context3(codec));
    encoder->width = size.width();
    encoder->height = size.height();
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->time_base = AVRational{1, kFileFps};
    encoder->framerate = AVRational{kFileFps, 1};
    encoder->gop_size = kFileFps;
    encoder->max_b_frames = 0;
    encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(encoder->priv_data, "preset", "ultrafast", 0);
    av_opt_set(encoder->priv_data, "tune", "zerolatency", 0);
    AVStream* stream = avformat_new_stream(muxer.get(), nullptr);
    if (!stream || avcodec_open2(encoder.get(), codec, nullptr) < 0
        || avcodec_parameters_from_context(stream->codecpar, encoder.get()) < 0)
        return false;
    stream->time_base = encoder->time_base;
    if (avio_open(&muxer->pb, path.toLocal8Bit().constData(), AVIO_FLAG_WRITE) < 0
        || avformat_write_header(muxer.get(), nullptr) < 0)
        return false;

    AVFramePtr frame = makeAVFrame();
    frame->width = size.width();
    frame->height = size.height();
    frame->format = AV_PIX_FMT_YUV420P;
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        return false;
    paintQuadrants(frame.get());
    for (int i = 0; i < kFileFps * kFileSeconds; ++i) {
        frame->pts = i;
        if (!writePackets(encoder.get(), muxer.get(), stream, frame.get()))
            return false;
    }
    return writePackets(encoder.get(), muxer.get(), stream, nullptr) && av_write_trailer(muxer.get()) == 0;
}

AVFramePtr decodeFirstFrame(const QString& path)
{
    AVFormatContext* rawInput = nullptr;
    if (avformat_open_input(&rawInput, path.toLocal8Bit().constData(), nullptr, nullptr) < 0)
        return nullptr;
    AVFormatInputPtr input(rawInput);
    if (avformat_find_stream_info(input.get(), nullptr) < 0)
        return nullptr;
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return nullptr;
    AVCodecContextPtr decoder(avcodec_alloc_context3(avcodec_find_decoder(AV_CODEC_ID_H264)));
    if (avcodec_parameters_to_context(decoder.get(), input->streams[index]->codecpar) < 0
        || avcodec_open2(decoder.get(), nullptr, nullptr) < 0)
        return nullptr;
    AVPacketPtr packet = makeAVPacket();
    AVFramePtr frame = makeAVFrame();
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        const bool ours = packet->stream_index == index;
        if (ours && avcodec_send_packet(decoder.get(), packet.get()) < 0)
            return nullptr;
        av_packet_unref(packet.get());
        if (ours && avcodec_receive_frame(decoder.get(), frame.get()) == 0)
            return frame;
    }
    avcodec_send_packet(decoder.get(), nullptr);
    return avcodec_receive_frame(decoder.get(), frame.get()) == 0 ? std::move(frame) : nullptr;
}

// The decoded frame in RGB, BT.709 limited range (what the receiver assumes for phones).
QImage referencePicture(const AVFrame* frame)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    SwsContextPtr converter(sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
                                           frame->width, frame->height, AV_PIX_FMT_RGB32,
                                           SWS_POINT | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT,
                                           nullptr, nullptr, nullptr));
    if (!converter)
        return QImage();
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(converter.get(), bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
    uint8_t* const target[] = {image.bits(), nullptr, nullptr, nullptr};
    const int strides[] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(converter.get(), frame->data, frame->linesize, 0, frame->height, target, strides);
    return image;
}

bool nearInnerEdge(int position, int edge, int band)
{
    return qAbs(position - edge) <= band;
}

// Empty when the shown picture matches the reference everywhere except where two colours
// meet; else where and how it differs. The outermost pixel ring is left out: the window may
// round the picture's place by one pixel.
QString pictureDifference(const QImage& shown, const QImage& reference, const QSize& frameSize)
{
    if (shown.isNull() || shown.width() < 16 || shown.height() < 16)
        return QStringLiteral("nothing shown yet");
    const QImage expected = reference.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
    const QPoint split = quadrantSplit(frameSize);
    const double sx = double(shown.width()) / frameSize.width();
    const double sy = double(shown.height()) / frameSize.height();
    const int bandX = kEdgeBand + int(std::ceil(sx));
    const int bandY = kEdgeBand + int(std::ceil(sy));
    int bad = 0;
    QString first;
    for (int y = 1; y < actual.height() - 1; ++y) {
        if (nearInnerEdge(y, int(split.y() * sy), bandY))
            continue;
        const QRgb* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const QRgb* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 1; x < actual.width() - 1; ++x) {
            if (nearInnerEdge(x, int(split.x() * sx), bandX))
                continue;
            const bool same = qAbs(qRed(a[x]) - qRed(e[x])) <= kTolerance
                              && qAbs(qGreen(a[x]) - qGreen(e[x])) <= kTolerance
                              && qAbs(qBlue(a[x]) - qBlue(e[x])) <= kTolerance;
            if (same)
                continue;
            if (bad++ == 0)
                first = QStringLiteral("at (%1,%2) of %3x%4 shown #%5, expected #%6")
                            .arg(x).arg(y).arg(actual.width()).arg(actual.height())
                            .arg(a[x] & 0xffffff, 6, 16, QChar('0'))
                            .arg(e[x] & 0xffffff, 6, 16, QChar('0'));
        }
    }
    return bad ? QStringLiteral("%1 pixels differ, first %2").arg(bad).arg(first) : QString();
}

// The part of a picture inside crop (fractions, each side truncated to whole pixels) turned
// clockwise by rotation degrees (a multiple of 90), moved pixel by pixel.
QImage cutAndTurn(const QImage& picture, const QRectF& crop, int rotation)
{
    const QRect part(int(crop.left() * picture.width()), int(crop.top() * picture.height()),
                     int(crop.width() * picture.width()), int(crop.height() * picture.height()));
    const QImage cut = picture.copy(part).convertToFormat(QImage::Format_RGB32);
    const int turns = (rotation % 360 + 360) % 360 / 90;
    const int w = cut.width();
    const int h = cut.height();
    QImage turned(turns % 2 ? h : w, turns % 2 ? w : h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QPoint to = turns == 1 ? QPoint(h - 1 - y, x)
                : turns == 2             ? QPoint(w - 1 - x, h - 1 - y)
                : turns == 3             ? QPoint(y, w - 1 - x)
                                         : QPoint(x, y);
            turned.setPixel(to, cut.pixel(x, y));
        }
    return turned;
}

bool sameColour(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= kTolerance && qAbs(qGreen(a) - qGreen(b)) <= kTolerance
        && qAbs(qBlue(a) - qBlue(b)) <= kTolerance;
}

// Empty when actual has expected's colours wherever expected is flat for band pixels around
// (colour edges blend in chroma subsampling and scaling); else where and how they differ.
QString flatAreaDifference(const QImage& actual, const QImage& expected, int band)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    const auto at = [&e](int x, int y) {
        return e.pixel(qBound(0, x, e.width() - 1), qBound(0, y, e.height() - 1));
    };
    int compared = 0;
    int bad = 0;
    QString first;
    for (int y = 1; y < e.height() - 1; ++y)
        for (int x = 1; x < e.width() - 1; ++x) {
            const QRgb want = e.pixel(x, y);
            bool flat = true;
            for (int dy = -band; dy <= band && flat; dy += band)
                for (int dx = -band; dx <= band && flat; dx += band)
                    flat = sameColour(at(x + dx, y + dy), want);
            if (!flat)
                continue;
            ++compared;
            if (sameColour(a.pixel(x, y), want))
                continue;
            if (bad++ == 0)
                first = QStringLiteral("at (%1,%2) #%3, expected #%4")
                            .arg(x).arg(y)
                            .arg(a.pixel(x, y) & 0xffffff, 6, 16, QChar('0'))
                            .arg(want & 0xffffff, 6, 16, QChar('0'));
        }
    if (compared < e.width() * e.height() / 2)
        return QStringLiteral("only %1 pixels away from colour edges").arg(compared);
    return bad ? QStringLiteral("%1 of %2 pixels differ, first %3").arg(bad).arg(compared).arg(first) : QString();
}

QStringList screenshotsIn(const QString& folder)
{
    return QDir(folder).entryList({"Pivora_Screenshot*.png"}, QDir::Files);
}

} // namespace

class TestMirrorPicture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowShowsTheDecodedPicture_data();
    void windowShowsTheDecodedPicture();
    void screenshotIsThePartShown_data();
    void screenshotIsThePartShown();

private:
    QImage quadrantReference(const QSize& size, QString* file);
    QPointer<QPVDeviceWidget> mirror(const QString& file, std::unique_ptr<QProcess>* phone);
    // Mirrors the four-colour picture with the given engine until the window has its size.
    QPointer<QPVDeviceWidget> mirrorQuadrants(int engine, const QSize& size, QImage* reference,
                                              std::unique_ptr<QProcess>* phone);

    QTemporaryDir m_dir;
    std::unique_ptr<QPVAirPlayService> m_service;
    std::unique_ptr<casthost::Host> m_host;
};

void TestMirrorPicture::initTestCase()
{
    QVERIFY2(QFile::exists(casthost::castProgram()), "pivora-cast not found; PIVORA_BIN_DIR must name the build's bin");
    QVERIFY(m_dir.isValid());
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    QVERIFY(app && app->settings());
    // Software decoding: frames arrive in memory as I420.
    PVSettings::setOption(*app->settings(), "videoaudio", "hwDecoder", 0);
}

void TestMirrorPicture::init()
{
    m_service = std::make_unique<QPVAirPlayService>();
    m_host = std::make_unique<casthost::Host>(m_service.get());
    QVERIFY(m_service->start("Pivora-(picture)", nullptr));
}

void TestMirrorPicture::cleanup()
{
    m_service.reset();
    m_host.reset();
}

void TestMirrorPicture::windowShowsTheDecodedPicture_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QSize>("size");
    // Widths that are not a multiple of 8 or 16, where converters handle a remainder.
    for (int engine : {int(QRenderWidget::OpenGL), int(QRenderWidget::Raster)}) {
        const char* name = engine == QRenderWidget::OpenGL ? "opengl" : "raster";
        QTest::addRow("%s, landscape 854x480", name) << engine << QSize(854, 480);
        QTest::addRow("%s, portrait 590x800", name) << engine << QSize(590, 800);
    }
}

// The reference decode of the quadrant file of that size, encoded once per run.
QImage TestMirrorPicture::quadrantReference(const QSize& size, QString* file)
{
    *file = m_dir.filePath(QStringLiteral("quadrants-%1x%2.mp4").arg(size.width()).arg(size.height()));
    if (!QFile::exists(*file) && !writeQuadrantFile(*file, size))
        return QImage();
    AVFramePtr decoded = decodeFirstFrame(*file);
    if (!decoded || QSize(decoded->width, decoded->height) != size)
        return QImage();
    return referencePicture(decoded.get());
}

// A phone mirroring the file; its window once shown (null when it never is).
QPointer<QPVDeviceWidget> TestMirrorPicture::mirror(const QString& file, std::unique_ptr<QProcess>* phone)
{
    *phone = casthost::startPhone(m_service->ports()[0], "picture", 4, {"--file", file});
    const auto shown = [this] {
        QPVDeviceWidget* window = m_service->channelCount() == 1 ? casthost::windowOf(m_service->clientAt(0)) : nullptr;
        return window && window->isVisible();
    };
    if (!QTest::qWaitFor(shown, kWaitMs))
        return nullptr;
    return casthost::windowOf(m_service->clientAt(0));
}

QPointer<QPVDeviceWidget> TestMirrorPicture::mirrorQuadrants(int engine, const QSize& size, QImage* reference,
                                                              std::unique_ptr<QProcess>* phone)
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    PVSettings::setOption(*app->settings(), "videoaudio", "renderEngine", engine);
    QString file;
    *reference = quadrantReference(size, &file);
    if (reference->isNull())
        return nullptr;
    QPointer<QPVDeviceWidget> window = mirror(file, phone);
    if (!window || !QTest::qWaitFor([&] { return window && window->frameSize() == size; }, kWaitMs))
        return nullptr;
    return window;
}

void TestMirrorPicture::windowShowsTheDecodedPicture()
{
    QFETCH(int, engine);
    QFETCH(QSize, size);
    if (engine == QRenderWidget::OpenGL && !QRenderWidget::isOpenGLAvailable())
        QSKIP("No OpenGL context can be created here");
    QImage reference;
    std::unique_ptr<QProcess> phone;
    QPointer<QPVDeviceWidget> window = mirrorQuadrants(engine, size, &reference, &phone);
    QVERIFY2(window, "the picture was not mirrored");
    QPointer<QRenderWidget> container = window->renderWidget();
    QCOMPARE(int(container->engine()), engine);

    // The picture area keeps the stream's shape (to a pixel) and, where it fits the screen,
    // its size.
    const QSize area = container->size();
    QCOMPARE(area.width() > area.height(), size.width() > size.height());
    QVERIFY2(qAbs(area.width() * size.height() - area.height() * size.width())
                 <= qMax(size.width(), size.height()),
             qPrintable(QStringLiteral("area %1x%2").arg(area.width()).arg(area.height())));
    QCOMPARE(area, size);

    // Compared until it matches; the last difference seen is the failure's message.
    QString difference = QStringLiteral("nothing shown yet");
    const auto matches = [&] {
        if (container)
            difference = pictureDifference(container->grabImage(), reference, size);
        return container && difference.isEmpty();
    };
    QTRY_VERIFY2_WITH_TIMEOUT(matches(), qPrintable(difference), kWaitMs);

    m_service->clientAt(0)->shutdownDevice();
    QTRY_COMPARE_WITH_TIMEOUT(m_service->channelCount(), 0, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), kWaitMs);
    QVERIFY(phone->waitForFinished(kWaitMs));
}

void TestMirrorPicture::screenshotIsThePartShown_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QRectF>("crop");
    QTest::addColumn<int>("rotation");
    // Each cut holds parts of three or four quadrants of unequal sizes, so that a wrong cut, a
    // turn the wrong way or a mirror image all change the picture.
    for (int engine : {int(QRenderWidget::OpenGL), int(QRenderWidget::Raster)}) {
        const char* name = engine == QRenderWidget::OpenGL ? "opengl" : "raster";
        QTest::addRow("%s, off-centre cut, turned 90", name) << engine << QRectF(0.25, 0.125, 0.625, 0.75) << 90;
        QTest::addRow("%s, lower right cut, turned 270", name) << engine << QRectF(0.375, 0.25, 0.625, 0.75) << 270;
        QTest::addRow("%s, left cut, turned 180", name) << engine << QRectF(0, 0.125, 0.75, 0.875) << 180;
        QTest::addRow("%s, whole, upright", name) << engine << QRectF(0, 0, 1, 1) << 0;
    }
}

void TestMirrorPicture::screenshotIsThePartShown()
{
    QFETCH(int, engine);
    QFETCH(QRectF, crop);
    QFETCH(int, rotation);
    if (engine == QRenderWidget::OpenGL && !QRenderWidget::isOpenGLAvailable())
        QSKIP("No OpenGL context can be created here");
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    QTemporaryDir folder;
    PVSettings::setOption(*app->settings(), "record", "savePath", folder.path());

    const QSize size(854, 480);
    QImage reference;
    std::unique_ptr<QProcess> phone;
    QPointer<QPVDeviceWidget> window = mirrorQuadrants(engine, size, &reference, &phone);
    QVERIFY2(window, "the picture was not mirrored");
    QPointer<QRenderWidget> container = window->renderWidget();
    container->setCropRect(crop);
    container->rotate(rotation, false);

    m_service->clientAt(0)->deviceSession()->screenshot();
    const QStringList shots = screenshotsIn(folder.path());
    QCOMPARE(shots.size(), 1);
    const QImage shot(QDir(folder.path()).filePath(shots[0]), "PNG");
    QVERIFY(!shot.isNull());

    // At the phone's resolution: exactly the cut of the decoded picture, turned clockwise.
    const QImage expected = cutAndTurn(reference, crop, rotation);
    QCOMPARE(shot.size(), expected.size());
    const QString wrong = flatAreaDifference(shot, expected, kEdgeBand);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

    // And what the window shows, scaled to its size. Compared until the window has redrawn.
    QString difference = QStringLiteral("nothing shown yet");
    const auto matchesScreen = [&] {
        if (!container)
            return false;
        const QImage grabbed = container->grabImage();
        // Whole pixels of the picture only; a pixel it partly covers blends with the bars.
        const QRectF shown = render::pictureRect(grabbed.size(), size, crop, rotation);
        const QRect picture(QPoint(int(std::ceil(shown.left())), int(std::ceil(shown.top()))),
                            QPoint(int(std::floor(shown.right())) - 1, int(std::floor(shown.bottom())) - 1));
        const QImage scaled = shot.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int band = kEdgeBand + int(std::ceil(qMax(double(picture.width()) / shot.width(),
                                                        double(picture.height()) / shot.height())));
        difference = flatAreaDifference(grabbed.copy(picture), scaled, band);
        return difference.isEmpty();
    };
    QTRY_VERIFY2_WITH_TIMEOUT(matchesScreen(), qPrintable(difference), kWaitMs);

    m_service->clientAt(0)->shutdownDevice();
    QTRY_COMPARE_WITH_TIMEOUT(m_service->channelCount(), 0, kWaitMs);
    QVERIFY(phone->waitForFinished(kWaitMs));
}

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestMirrorPicture test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mirror_picture.moc"
