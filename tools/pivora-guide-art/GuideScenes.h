#pragma once
// The guide's animations, each a fixed number of frames at kFramesPerSecond.

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace scenes {

constexpr int kFramesPerSecond = 10;

struct Scene {
    QString name;
    QSize size;
    int frames = 0;
    std::function<void(QPainter&, int frame)> draw;
};

// "wired", "mirror_en", "mirror_cn", "bt_en", "bt_cn"; an invalid scene (no frames) otherwise.
Scene find(const QString& name);
QStringList names();

} // namespace scenes
