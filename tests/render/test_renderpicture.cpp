#include "RenderTestFrames.h"

#include "render/QRasterRenderWidget.h"
#include "render/QRenderWidget.h"
#include "render/QYUVOpenGLWidget.h"

#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <memory>

// What each render engine puts on screen for known frames, and how it copes with bad ones.
namespace {

constexpr int kTolerance = 14;
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255),
    kBlack(0, 0, 0);

const char *engineName(int engine)
{
    return engine == QRenderWidget::OpenGL ? "OpenGL" : "raster";
}

// Sample points a quarter in from each corner: top-left, top-right, bottom-left, bottom-right.
QVector<QPoint> corners(const QSize &size)
{
    const int l = size.width() / 4, r = size.width() * 3 / 4;
    const int t = size.height() / 4, b = size.height() * 3 / 4;
    return {{l, t}, {r, t}, {l, b}, {r, b}};
}

}  // namespace

class TestRenderPicture : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QRenderWidget> m_container;

    // A shown container of the engine, or null when that engine cannot run here.
    QRenderWidget *shown(int engine, const QSize &size, bool nv12 = false)
    {
        if (engine == QRenderWidget::OpenGL && !QRenderWidget::isOpenGLAvailable())
            return nullptr;
        m_container = std::make_unique<QRenderWidget>(nullptr, engine, nv12);
        m_container->resize(size);
        m_container->show();
        if (!QTest::qWaitForWindowExposed(m_container.get()))
            qWarning("test: render container not exposed");
        return m_container.get();
    }

    static void show(QRenderWidget *container, const QImage &image, AVPixelFormat format)
    {
        const AVFramePtr frame = testframes::toFrame(image, format);
        QVERIFY(frame);
        container->updateFrame(frame.get());
    }

    static void verifyColours(const QImage &shot, const QVector<QPoint> &points,
                              const QVector<QColor> &colours)
    {
        QCOMPARE(points.size(), colours.size());
        for (int i = 0; i < points.size(); ++i) {
            const QColor seen = shot.pixelColor(points[i]);
            QVERIFY2(testframes::near(seen, colours[i], kTolerance),
                     qPrintable(QStringLiteral("at (%1, %2): got %3, expected %4")
                                    .arg(points[i].x()).arg(points[i].y())
                                    .arg(seen.name(), colours[i].name())));
        }
    }

    static void verifyTopLeft(QRenderWidget *container, const QColor &colour)
    {
        verifyColours(container->grabImage(), {corners(container->size()).front()}, {colour});
    }

private slots:
    void cleanup() { m_container.reset(); }

    void picture_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<bool>("nv12");
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QRectF>("crop");
        QTest::addColumn<QSize>("container");
        QTest::addColumn<QVector<QPoint>>("points");
        QTest::addColumn<QVector<QColor>>("colours");

        const QImage quads = testframes::quadrants(QSize(160, 120));
        const QImage oddQuads = testframes::quadrants(QSize(161, 121));
        const QImage fourBars = testframes::bars(QSize(160, 120), {kRed, kGreen, kBlue, kWhite});
        const QRectF full(0, 0, 1, 1);
        const QSize wide(320, 240), tall(240, 320);
        for (int engine : {int(QRenderWidget::OpenGL), int(QRenderWidget::Raster)}) {
            for (bool nv12 : {false, true}) {
                const QString kind = QStringLiteral("%1 %2").arg(engineName(engine),
                                                                 nv12 ? "NV12" : "I420");
                auto row = [&](const char *name) -> QTestData & {
                    return QTest::addRow("%s: %s", qPrintable(kind), name) << engine << nv12;
                };
                row("rotation 0") << quads << 0 << full << wide << corners(wide)
                                   << QVector<QColor>{kRed, kGreen, kBlue, kWhite};
                row("rotation 90") << quads << 90 << full << tall << corners(tall)
                                    << QVector<QColor>{kBlue, kRed, kWhite, kGreen};
                row("rotation 180") << quads << 180 << full << wide << corners(wide)
                                     << QVector<QColor>{kWhite, kBlue, kGreen, kRed};
                row("rotation 270") << quads << 270 << full << tall << corners(tall)
                                     << QVector<QColor>{kGreen, kWhite, kRed, kBlue};
                row("crop middle half") << fourBars << 0 << QRectF(0.25, 0, 0.5, 1)
                                         << QSize(160, 240)
                                         << QVector<QPoint>{{40, 120}, {120, 120}, {5, 5}, {155, 235}}
                                         << QVector<QColor>{kGreen, kBlue, kGreen, kBlue};
                row("crop middle half turned 90") << fourBars << 90 << QRectF(0.25, 0, 0.5, 1)
                                                   << QSize(240, 160)
                                                   << QVector<QPoint>{{120, 40}, {120, 120}}
                                                   << QVector<QColor>{kGreen, kBlue};
                row("letterbox") << quads << 0 << full << QSize(400, 400)
                                  << QVector<QPoint>{{200, 20}, {200, 380}, {100, 125}, {300, 275}}
                                  << QVector<QColor>{kBlack, kBlack, kRed, kWhite};
                row("odd frame size") << oddQuads << 0 << full << QSize(322, 242)
                                       << corners(QSize(322, 242))
                                       << QVector<QColor>{kRed, kGreen, kBlue, kWhite};
                // Scaled to an odd width (the raster engine converts a column wider and leaves
                // it out), upright and turned, and shrunk to a thumbnail.
                row("scaled to an odd width") << quads << 0 << full << QSize(321, 241)
                                               << QVector<QPoint>{{80, 60}, {319, 5}, {1, 238}, {319, 238}}
                                               << QVector<QColor>{kRed, kGreen, kBlue, kWhite};
                row("scaled to an odd width turned 90") << quads << 90 << full << QSize(241, 321)
                                                         << QVector<QPoint>{{5, 319}, {5, 1}, {238, 319}, {238, 1}}
                                                         << QVector<QColor>{kWhite, kBlue, kGreen, kRed};
                row("thumbnail") << quads << 0 << full << QSize(41, 31) << corners(QSize(41, 31))
                                  << QVector<QColor>{kRed, kGreen, kBlue, kWhite};
                // At the frame's own size the raster engine converts in bands of rows.
                row("own size") << quads << 0 << full << quads.size() << corners(quads.size())
                                 << QVector<QColor>{kRed, kGreen, kBlue, kWhite};
                row("own size turned 90") << quads << 90 << full << QSize(120, 160)
                                           << corners(QSize(120, 160))
                                           << QVector<QColor>{kBlue, kRed, kWhite, kGreen};
                row("own size cropped") << fourBars << 0 << QRectF(0.25, 0, 0.5, 1)
                                         << QSize(80, 120)
                                         << QVector<QPoint>{{20, 60}, {60, 60}, {1, 1}, {78, 118}}
                                         << QVector<QColor>{kGreen, kBlue, kGreen, kBlue};
            }
        }
    }
    void picture()
    {
        QFETCH(int, engine);
        QFETCH(bool, nv12);
        QFETCH(QImage, image);
        QFETCH(int, rotation);
        QFETCH(QRectF, crop);
        QFETCH(QSize, container);
        QFETCH(QVector<QPoint>, points);
        QFETCH(QVector<QColor>, colours);

        QRenderWidget *widget = shown(engine, container, nv12);
        if (!widget)
            QSKIP("no OpenGL here");
        widget->setFrameSize(image.size());
        widget->rotate(rotation, false);
        widget->setCropRect(crop);
        show(widget, image, nv12 ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P);
        const QImage shot = widget->grabImage();
        QCOMPARE(shot.size(), container);
        verifyColours(shot, points, colours);
    }

    void engines_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addRow("OpenGL") << int(QRenderWidget::OpenGL);
        QTest::addRow("raster") << int(QRenderWidget::Raster);
    }

    void alternatingKinds_data() { engines_data(); }
    void alternatingKinds()
    {
        QFETCH(int, engine);
        QRenderWidget *widget = shown(engine, QSize(320, 240), true);
        if (!widget)
            QSKIP("no OpenGL here");
        const QImage quads = testframes::quadrants(QSize(160, 120));
        const QImage mirrored = quads.mirrored(true, false);
        for (int round = 0; round < 2; ++round) {
            show(widget, quads, AV_PIX_FMT_YUV420P);
            verifyTopLeft(widget, kRed);
            show(widget, mirrored, AV_PIX_FMT_NV12);
            verifyTopLeft(widget, kGreen);
        }
    }

    void sizeChange_data() { engines_data(); }
    void sizeChange()
    {
        QFETCH(int, engine);
        QRenderWidget *widget = shown(engine, QSize(320, 240));
        if (!widget)
            QSKIP("no OpenGL here");
        show(widget, testframes::quadrants(QSize(160, 120)), AV_PIX_FMT_YUV420P);
        widget->rotate(180, false);
        verifyTopLeft(widget, kWhite);
        // A frame of a new size arrives without the caller announcing it.
        show(widget, testframes::quadrants(QSize(320, 240)), AV_PIX_FMT_YUV420P);
        QCOMPARE(widget->frameSize(), QSize(320, 240));
        QCOMPARE(widget->rotation(), 0);
        verifyTopLeft(widget, kRed);
    }

    // The newest frame reappears with the window, at whatever size the window has by then.
    void keepsPictureWhileHiddenAndResized_data() { engines_data(); }
    void keepsPictureWhileHiddenAndResized()
    {
        QFETCH(int, engine);
        QRenderWidget *widget = shown(engine, QSize(320, 240));
        if (!widget)
            QSKIP("no OpenGL here");
        const QImage quads = testframes::quadrants(QSize(160, 120));
        show(widget, quads, AV_PIX_FMT_YUV420P);
        widget->hide();
        show(widget, quads.mirrored(true, false), AV_PIX_FMT_YUV420P);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        verifyTopLeft(widget, kGreen);

        const QVector<QColor> mirrored{kGreen, kRed, kWhite, kBlue};
        for (const QSize &size : {QSize(160, 120), QSize(320, 240), QSize(160, 120)}) {
            widget->resize(size);
            QTRY_COMPARE(widget->size(), size);
            verifyColours(widget->grabImage(), corners(size), mirrored);
        }
    }

    // What reaches the screen, which a grab of the widget (painted elsewhere) would not show:
    // the picture at its own size, and nothing of it beside the widget.
    void screenShowsPictureOnly_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("160x120") << QSize(160, 120);
        QTest::newRow("width not a multiple of 16") << QSize(168, 100);
        QTest::newRow("odd width") << QSize(171, 64);
    }
    void screenShowsPictureOnly()
    {
        QFETCH(QSize, size);
        QWidget window;
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, kWhite);
        window.setPalette(palette);
        window.resize(size.width() + 40, size.height() + 20);
        auto *container = new QRenderWidget(&window, QRenderWidget::Raster, false);
        container->setGeometry(QRect(QPoint(10, 10), size));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        show(container, testframes::quadrants(size), AV_PIX_FMT_YUV420P);
        // Painted whole, the window background comes first and the picture after it.
        window.repaint();

        // A quarter in from each corner, and just either side of the quadrants' meeting point.
        const QPoint middle(size.width() / 2, size.height() / 2);
        const QVector<QPoint> inside = corners(size)
            + QVector<QPoint>{middle + QPoint(-4, -4), middle + QPoint(3, -4), middle + QPoint(-4, 3),
                              middle + QPoint(3, 3)};
        const QVector<QColor> colours{kRed, kGreen, kBlue, kWhite, kRed, kGreen, kBlue, kWhite};
        // Beside the picture: right of its top and bottom rows, below its last row.
        const QPoint end(10 + size.width(), 10 + size.height());
        const QVector<QPoint> beside{{end.x(), 10}, {end.x() + 7, end.y() - 1}, {10, end.y()},
                                     {end.x() - 1, end.y()}};
        QScreen *screen = QGuiApplication::primaryScreen();
        auto matches = [&] {
            const QImage shot = screen->grabWindow(window.winId()).toImage();
            for (int i = 0; i < inside.size(); ++i) {
                if (!testframes::near(shot.pixelColor(inside[i] + QPoint(10, 10)), colours[i], kTolerance))
                    return false;
            }
            return std::all_of(beside.cbegin(), beside.cend(),
                               [&](const QPoint &p) { return shot.pixelColor(p) == kWhite; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(matches(), 10000);
    }

    void rejectedFrames_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        for (int engine : {int(QRenderWidget::OpenGL), int(QRenderWidget::Raster)}) {
            auto row = [&](const char *damage, const char *message) {
                QTest::addRow("%s: %s", engineName(engine), damage)
                    << engine << QString(damage) << QString(message);
            };
            row("no frame", "^Renderer rejected a missing frame$");
            row("zero width", "^Renderer rejected a frame of size 0x120$");
            row("oversized", "^Renderer ignored an unusable frame size 20000x120$");
            row("null chroma plane", "^Renderer rejected an I420 frame with a missing plane$");
            row("NV12 null chroma plane", "^Renderer rejected an NV12 frame with a missing plane$");
            row("short luma rows", "^Renderer rejected an I420 frame with row lengths 10/");
            row("negative rows", "^Renderer rejected an NV12 frame with row lengths -");
            row("RGB frame", "^Renderer rejected a frame in pixel format rgb24$");
        }
    }
    void rejectedFrames()
    {
        QFETCH(int, engine);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QRenderWidget *widget = shown(engine, QSize(320, 240));
        if (!widget)
            QSKIP("no OpenGL here");
        const QImage quads = testframes::quadrants(QSize(160, 120));
        show(widget, quads, AV_PIX_FMT_YUV420P);
        verifyTopLeft(widget, kRed);

        const bool nv12 = damage.startsWith("NV12") || damage == "negative rows";
        AVFramePtr frame = testframes::toFrame(
            quads.mirrored(true, true), damage == "RGB frame" ? AV_PIX_FMT_RGB24
                                        : nv12                 ? AV_PIX_FMT_NV12
                                                               : AV_PIX_FMT_YUV420P);
        QVERIFY(frame);
        if (damage == "zero width")
            frame->width = 0;
        else if (damage == "oversized")
            frame->width = 20000;
        else if (damage.endsWith("null chroma plane"))
            frame->data[1] = nullptr;
        else if (damage == "short luma rows")
            frame->linesize[0] = 10;
        else if (damage == "negative rows")
            frame->linesize[0] = -frame->linesize[0];

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message));
        widget->updateFrame(damage == "no frame" ? nullptr : frame.get());
        // The last good picture stays.
        verifyTopLeft(widget, kRed);
    }

    void planesBeforeFrameSize_data() { engines_data(); }
    void planesBeforeFrameSize()
    {
        QFETCH(int, engine);
        QRenderWidget *widget = shown(engine, QSize(320, 240));
        if (!widget)
            QSKIP("no OpenGL here");
        const AVFramePtr frame =
            testframes::toFrame(testframes::quadrants(QSize(160, 120)), AV_PIX_FMT_YUV420P);
        QTest::ignoreMessage(QtWarningMsg, "Renderer rejected a frame: no frame size is set");
        widget->updatePlanes(frame->data[0], frame->data[1], frame->data[2], frame->linesize[0],
                             frame->linesize[1], frame->linesize[2]);
        verifyTopLeft(widget, kBlack);
    }

    // Also run in a process without OpenGL, where every choice must end in the raster engine.
    void engineChoice_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("warning");
        const bool gl = QRenderWidget::isOpenGLAvailable();
        QTest::newRow("OpenGL") << 0 << (gl ? 0 : 1)
                                << (gl ? QString() : QString("OpenGL is not available; using the raster renderer"));
        QTest::newRow("raster") << 1 << 1 << QString();
        QTest::newRow("unknown 7") << 7 << 1 << QString("Unknown render engine 7; using the raster renderer");
        QTest::newRow("unknown -1") << -1 << 1 << QString("Unknown render engine -1; using the raster renderer");
    }
    void engineChoice()
    {
        QFETCH(int, requested);
        QFETCH(int, expected);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        m_container = std::make_unique<QRenderWidget>(nullptr, requested, false);
        QCOMPARE(int(m_container->engine()), expected);
        QWidget *child = m_container->renderWidget();
        QCOMPARE(qobject_cast<QYUVOpenGLWidget *>(child) != nullptr, expected == QRenderWidget::OpenGL);
        QCOMPARE(qobject_cast<QRasterRenderWidget *>(child) != nullptr, expected == QRenderWidget::Raster);
        QCOMPARE(child->parentWidget(), m_container.get());
        QCOMPARE(child->sizePolicy(), QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));

        m_container->resize(320, 240);
        m_container->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_container.get()));
        QCOMPARE(child->geometry(), QRect(0, 0, 320, 240));
        show(m_container.get(), testframes::quadrants(QSize(160, 120)), AV_PIX_FMT_YUV420P);
        verifyTopLeft(m_container.get(), kRed);
    }

    void fallbackWhenOpenGLFails()
    {
        QRenderWidget *widget = shown(QRenderWidget::OpenGL, QSize(320, 240), true);
        if (!widget)
            QSKIP("no OpenGL here");
        auto *gl = qobject_cast<QYUVOpenGLWidget *>(widget->renderWidget());
        QVERIFY(gl);
        widget->setFrameSize(QSize(160, 120));
        widget->rotate(180, false);
        widget->setCropRect(QRectF(0, 0, 0.5, 0.5));

        QTest::ignoreMessage(QtWarningMsg, "OpenGL renderer failed; switching to the raster renderer");
        emit gl->openGLFailed();
        QTRY_COMPARE(widget->engine(), QRenderWidget::Raster);
        auto *raster = qobject_cast<QRasterRenderWidget *>(widget->renderWidget());
        QVERIFY(raster);
        QVERIFY(raster->isVisible());
        QVERIFY(raster->isNV12());
        QCOMPARE(raster->geometry(), QRect(0, 0, 320, 240));
        QCOMPARE(widget->frameSize(), QSize(160, 120));
        QCOMPARE(widget->rotation(), 180);
        QCOMPARE(widget->cropRect(), QRectF(0, 0, 0.5, 0.5));

        widget->setCropRect(QRectF(0, 0, 1, 1));
        show(widget, testframes::quadrants(QSize(160, 120)), AV_PIX_FMT_NV12);
        verifyTopLeft(widget, kWhite);
    }
};

QTEST_MAIN(TestRenderPicture)
#include "test_renderpicture.moc"
