#pragma once
// Simulated phones (pivora-cast) mirroring into the real program, and the X tools a test uses
// to find a phone's window and drive it with the mouse and keyboard as a user would.

#include "support/ChildProcess.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace xphone {

constexpr int kWaitMs = 30000;
// Title bar and control bar above the picture.
constexpr int kBarsHeight = 62;

inline QString xdotool(const QStringList& args)
{
    QProcess tool;
    tool.start("xdotool", args);
    if (!tool.waitForFinished(kWaitMs))
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

struct PhoneSpec {
    QString name;
    int kind;
    QSize frame;
    QString model;
    QString os;
    // The channel identifier; the name when empty.
    QString id = {};
};

// One simulated phone and the control messages it printed.
class Phone {
public:
    Phone(const QString& port, const PhoneSpec& spec)
        : m_spec(spec)
    {
        const QString size = QString("%1x%2@15").arg(spec.frame.width()).arg(spec.frame.height());
        QStringList args {"--port", port, "--name", spec.name, "--id", spec.id.isEmpty() ? spec.name : spec.id, "--kind",
            QString::number(spec.kind), "--pattern", size, "--duration", "120"};
        if (!spec.model.isEmpty())
            args << "--model" << spec.model;
        if (!spec.os.isEmpty())
            args << "--os" << spec.os;
        m_process.setReadChannel(QProcess::StandardOutput);
        m_process.start(qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast", args);
    }
    ~Phone()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    // Messages of one type printed since the last clear.
    QList<QJsonObject> messages(const QString& type)
    {
        m_output += m_process.readAllStandardOutput();
        QList<QJsonObject> found;
        for (const QByteArray& line : m_output.split('\n')) {
            const QJsonObject message = QJsonDocument::fromJson(line).object();
            if (message.value("type").toString() == type)
                found << message;
        }
        return found;
    }
    void clear()
    {
        m_process.waitForReadyRead(200);
        m_process.readAllStandardOutput();
        m_output.clear();
    }

    // Finds the phone's window and the part of it that shows the picture, in screen pixels.
    bool locate()
    {
        const QString title = "Pivora \\(Window Capture\\) - " + m_spec.name;
        m_window = xdotool({"search", "--sync", "--onlyvisible", "--name", title}).section('\n', 0, 0);
        if (m_window.isEmpty())
            return false;
        const QString shell = xdotool({"getwindowgeometry", "--shell", m_window});
        auto value = [&shell](const char* key) {
            return QRegularExpression(QString("%1=(\\d+)").arg(key)).match(shell).captured(1).toInt();
        };
        const QRect area(value("X"), value("Y") + kBarsHeight, value("WIDTH"), value("HEIGHT") - kBarsHeight);
        const QSize shown = m_spec.frame.scaled(area.size(), Qt::KeepAspectRatio);
        m_video = QRect(area.x() + (area.width() - shown.width()) / 2,
            area.y() + (area.height() - shown.height()) / 2, shown.width(), shown.height());
        return m_video.width() > 0 && m_video.height() > 0;
    }
    // A screen point at fractions of the picture.
    QStringList at(double fx, double fy) const
    {
        return {QString::number(m_video.x() + qRound(fx * m_video.width())),
            QString::number(m_video.y() + qRound(fy * m_video.height()))};
    }
    void focus() const { xdotool({"windowfocus", "--sync", m_window}); }

    QProcess& process() { return m_process; }

private:
    PhoneSpec m_spec;
    ChildProcess m_process;
    QByteArray m_output;
    QString m_window;
    QRect m_video;
};

// Software decoding shows a tip over each new phone's window; a user closes it with Escape.
// The home screen (1100 × 620) has the same title; the tip is the topmost other one (search
// lists top-level windows bottom to top).
inline bool dismissDecodingTip()
{
    QString tip;
    QElapsedTimer waited;
    waited.start();
    while (tip.isEmpty() && waited.elapsed() < 10000) {
        const QStringList found =
            xdotool({"search", "--onlyvisible", "--name", "^Pivora$"}).split('\n', Qt::SkipEmptyParts);
        for (const QString& window : found) {
            if (!xdotool({"getwindowgeometry", window}).contains("Geometry: 1100x620"))
                tip = window;
        }
        if (tip.isEmpty())
            QTest::qWait(200);
    }
    if (tip.isEmpty())
        return false;
    xdotool({"windowfocus", "--sync", tip});
    xdotool({"key", "Escape"});
    return true;
}

inline void click(const Phone& phone, double fx, double fy)
{
    xdotool(QStringList {"mousemove", "--sync"} + phone.at(fx, fy));
    xdotool({"click", "1"});
}

// A phone whose first picture is on screen, with the decoding tip that comes with it closed.
inline std::unique_ptr<Phone> connectPhone(const QString& port, const PhoneSpec& spec)
{
    auto phone = std::make_unique<Phone>(port, spec);
    if (!phone->process().waitForStarted(kWaitMs) || !phone->locate())
        return nullptr;
    // The window is placed when its first frame shows; the tip comes with it.
    if (!dismissDecodingTip() || !phone->locate())
        return nullptr;
    phone->clear();
    return phone;
}

// A picture of the whole screen for whoever checks a run by eye, when PIVORA_TEST_SHOTS names
// a folder.
inline void screenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("PIVORA_TEST_SHOTS");
    if (!folder.isEmpty())
        QProcess::execute("import", {"-window", "root", folder + "/" + name + ".png"});
}

} // namespace xphone
