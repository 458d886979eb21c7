// pivora-guide-art frames <scene> <folder>   writes the scene's frames as 000.png, 001.png, ...
// pivora-guide-art qrcode <text> <file.png>  writes the QR picture of the text
// pivora-guide-art scenes                    lists the scene names

#include "GuideScenes.h"
#include "QrPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kQrModulePixels = 5;

int writeFrames(const QString& name, const QString& folder)
{
    const scenes::Scene scene = scenes::find(name);
    if (scene.frames <= 0) {
        std::fprintf(stderr, "unknown scene: %s\n", qPrintable(name));
        return 2;
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (int f = 0; f < scene.frames; ++f) {
        QImage image(scene.size, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        scene.draw(painter, f);
        painter.end();
        const QString file = QDir(folder).filePath(QString::asprintf("%03d.png", f));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

int writeQrCode(const QString& text, const QString& file)
{
    const QImage image = qrPicture(text, kQrModulePixels);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(text));
        return 1;
    }
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Text needs the font database, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("frames"))
        return writeFrames(args[1], args[2]);
    if (args.size() == 3 && args[0] == QLatin1String("qrcode"))
        return writeQrCode(args[1], args[2]);
    if (args.size() == 1 && args[0] == QLatin1String("scenes")) {
        QTextStream(stdout) << scenes::names().join('\n') << '\n';
        return 0;
    }
    std::fprintf(stderr, "usage: pivora-guide-art frames <scene> <folder> | qrcode <text> <file.png> | scenes\n");
    return 2;
}
