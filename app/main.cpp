#include "app/PVDebug.h"
#include "app/QPivoraApplication.h"

#include <QSurfaceFormat>

#include <SDL.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

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

    if (SDL_Init(SDL_INIT_AUDIO) != 0)
        qWarning("SDL audio could not be initialised: %s", SDL_GetError());
    avformat_network_init();
    av_log_set_callback(PVDebug::ffmpegLogCallback);

    const bool ran = app->run();

    avformat_network_deinit();
    SDL_Quit();
    delete app;
    // A run that never reached its event loop (another instance, a conflicting program)
    // is reported to the caller as a failure.
    return ran ? 0 : 1;
}
