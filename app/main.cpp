#include "app/QPivoraApplication.h"
#include "media/Stream.h"

#include <QSurfaceFormat>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_UseDesktopOpenGL);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QSurfaceFormat format;
    format.setVersion(2, 0);
    format.setProfile(QSurfaceFormat::NoProfile);
    QSurfaceFormat::setDefaultFormat(format);

    auto* app = new QPivoraApplication(argc, argv);
    if (!Stream::initMedia())
        qWarning("FFmpeg networking could not be initialised");

    const bool ran = app->run();

    Stream::deinitMedia();
    delete app;
    // A run that never reached its event loop (another instance, a conflicting program)
    // is reported to the caller as a failure.
    return ran ? 0 : 1;
}
