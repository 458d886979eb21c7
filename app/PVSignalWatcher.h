#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the GUI thread, so that stopping the program
// from a terminal or a script runs the ordinary tear-down.
class PVSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit PVSignalWatcher(QObject* parent = nullptr);
    ~PVSignalWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
