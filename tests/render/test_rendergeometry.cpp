#include "render/QRenderWidget.h"

#include <QtTest>

// Position mapping and the render state rules, shared by both engines.
class TestRenderGeometry : public QObject {
    Q_OBJECT
private slots:
    void mapping_data()
    {
        QTest::addColumn<QSize>("container");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRectF>("crop");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPointF>("mapped");
        QTest::addColumn<QSize>("display");

        const QRectF full(0, 0, 1, 1);
        const QSize frame(160, 120);
        QTest::newRow("90, no frame size yet: fills the container")
            << QSize(400, 800) << QSize() << full << 90 << QPointF(100, 200) << QPointF(200, 300)
            << QSize(800, 400);
        QTest::newRow("90, frame of the container's shape")
            << QSize(400, 800) << QSize(1600, 800) << full << 90 << QPointF(100, 200)
            << QPointF(200, 300) << QSize(800, 400);
        QTest::newRow("0, identity") << QSize(320, 240) << frame << full << 0 << QPointF(17, 33)
                                     << QPointF(17, 33) << QSize(320, 240);
        QTest::newRow("180") << QSize(400, 300) << frame << full << 180 << QPointF(100, 50)
                             << QPointF(300, 250) << QSize(400, 300);
        QTest::newRow("270") << QSize(300, 400) << frame << full << 270 << QPointF(100, 50)
                             << QPointF(350, 100) << QSize(400, 300);
        QTest::newRow("-90 behaves as 270") << QSize(300, 400) << frame << full << -90
                                            << QPointF(100, 50) << QPointF(350, 100)
                                            << QSize(400, 300);
        QTest::newRow("crop middle half, left edge")
            << QSize(200, 300) << frame << QRectF(0.25, 0, 0.5, 1) << 0 << QPointF(0, 0)
            << QPointF(100, 0) << QSize(400, 300);
        QTest::newRow("crop middle half, right edge")
            << QSize(200, 300) << frame << QRectF(0.25, 0, 0.5, 1) << 0 << QPointF(200, 300)
            << QPointF(300, 300) << QSize(400, 300);
        QTest::newRow("crop left half turned 90, top-right is the crop's origin")
            << QSize(240, 160) << frame << QRectF(0, 0, 0.5, 1) << 90 << QPointF(240, 0)
            << QPointF(0, 0) << QSize(320, 240);
        QTest::newRow("crop left half turned 90, bottom-left")
            << QSize(240, 160) << frame << QRectF(0, 0, 0.5, 1) << 90 << QPointF(0, 160)
            << QPointF(160, 240) << QSize(320, 240);
        QTest::newRow("crop bottom half turned 180, top-left is the frame's corner")
            << QSize(320, 120) << frame << QRectF(0, 0.5, 1, 0.5) << 180 << QPointF(0, 0)
            << QPointF(320, 240) << QSize(320, 240);
        QTest::newRow("letterbox, picture's top-left")
            << QSize(400, 400) << frame << full << 0 << QPointF(0, 50) << QPointF(0, 0)
            << QSize(400, 300);
        QTest::newRow("letterbox, bar above the picture maps outside")
            << QSize(400, 400) << frame << full << 0 << QPointF(200, 10) << QPointF(200, -40)
            << QSize(400, 300);
        QTest::newRow("pillarbox turned 90, picture's top-left")
            << QSize(400, 400) << frame << full << 90 << QPointF(50, 0) << QPointF(0, 300)
            << QSize(400, 300);
        QTest::newRow("pillarbox turned 90, bar left of the picture maps outside")
            << QSize(400, 400) << frame << full << 90 << QPointF(10, 200) << QPointF(200, 340)
            << QSize(400, 300);
        QTest::newRow("within a pixel of the shape: no bars")
            << QSize(370, 800) << QSize(1080, 2340) << full << 0 << QPointF(370, 800)
            << QPointF(370, 800) << QSize(370, 800);
    }
    void mapping()
    {
        QFETCH(QSize, container);
        QFETCH(QSize, frame);
        QFETCH(QRectF, crop);
        QFETCH(int, rotation);
        QFETCH(QPointF, point);
        QFETCH(QPointF, mapped);
        QFETCH(QSize, display);

        QRenderWidget widget(nullptr, QRenderWidget::Raster, false);
        widget.resize(container);
        if (frame.isValid())
            widget.setFrameSize(frame);
        widget.setCropRect(crop);
        widget.rotate(rotation, false);
        QCOMPARE(widget.displayFrameSize(), display);
        const QPointF result = widget.mapToFrame(point);
        QVERIFY2(qAbs(result.x() - mapped.x()) < 1e-6 && qAbs(result.y() - mapped.y()) < 1e-6,
                 qPrintable(QStringLiteral("got (%1, %2)").arg(result.x()).arg(result.y())));
    }

    void rotation_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<bool>("relative");
        QTest::addColumn<int>("expected");
        for (int engine : {int(QRenderWidget::OpenGL), int(QRenderWidget::Raster)}) {
            const char *name = engine == QRenderWidget::OpenGL ? "OpenGL" : "raster";
            QTest::addRow("%s: -90 absolute stays -90", name) << engine << 0 << -90 << false << -90;
            QTest::addRow("%s: 450 absolute is 90", name) << engine << 0 << 450 << false << 90;
            QTest::addRow("%s: 270 + 90 wraps to 0", name) << engine << 270 << 90 << true << 0;
            QTest::addRow("%s: 0 - 90 relative is -90", name) << engine << 0 << -90 << true << -90;
        }
    }
    void rotation()
    {
        QFETCH(int, engine);
        QFETCH(int, start);
        QFETCH(int, degrees);
        QFETCH(bool, relative);
        QFETCH(int, expected);
        if (engine == QRenderWidget::OpenGL && !QRenderWidget::isOpenGLAvailable())
            QSKIP("no OpenGL here");
        QRenderWidget widget(nullptr, engine, false);
        widget.rotate(start, false);
        widget.rotate(degrees, relative);
        QCOMPARE(widget.rotation(), expected);
    }

    void frameSizeAndCrop_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addRow("OpenGL") << int(QRenderWidget::OpenGL);
        QTest::addRow("raster") << int(QRenderWidget::Raster);
    }
    void frameSizeAndCrop()
    {
        QFETCH(int, engine);
        if (engine == QRenderWidget::OpenGL && !QRenderWidget::isOpenGLAvailable())
            QSKIP("no OpenGL here");
        QRenderWidget widget(nullptr, engine, false);
        QCOMPARE(widget.frameSize(), QSize(-1, -1));
        QCOMPARE(widget.cropRect(), QRectF(0, 0, 1, 1));

        widget.setFrameSize(QSize(160, 120));
        widget.rotate(90, false);
        widget.setFrameSize(QSize(160, 120));
        QCOMPARE(widget.rotation(), 90);  // same size: nothing changes
        widget.setFrameSize(QSize(120, 160));
        QCOMPARE(widget.rotation(), 0);
        QCOMPARE(widget.frameSize(), QSize(120, 160));

        widget.rotate(90, false);
        QTest::ignoreMessage(QtWarningMsg, "Renderer ignored an unusable frame size 0x0");
        widget.setFrameSize(QSize(0, 0));
        QTest::ignoreMessage(QtWarningMsg, "Renderer ignored an unusable frame size 20000x100");
        widget.setFrameSize(QSize(20000, 100));
        QCOMPARE(widget.frameSize(), QSize(120, 160));
        QCOMPARE(widget.rotation(), 90);

        widget.setCropRect(QRectF(-0.5, 0.25, 1, 0.5));
        QCOMPARE(widget.cropRect(), QRectF(0, 0.25, 0.5, 0.5));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Renderer ignored a crop rectangle"));
        widget.setCropRect(QRectF(0.5, 0, 0, 1));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Renderer ignored a crop rectangle"));
        widget.setCropRect(QRectF(2, 2, 1, 1));
        QCOMPARE(widget.cropRect(), QRectF(0, 0.25, 0.5, 0.5));
    }
};

QTEST_MAIN(TestRenderGeometry)
#include "test_rendergeometry.moc"
