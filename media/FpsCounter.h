#pragma once
#include <QObject>

#include <atomic>

// Counts frames shown and frames dropped, and reports the shown count once a second.
// Lives on the GUI thread (its timer runs there); the counting calls may come from any
// thread, e.g. a decoder counting a dropped frame while the GUI thread reports.
class FpsCounter : public QObject {
    Q_OBJECT
public:
    explicit FpsCounter(QObject* parent = nullptr);
    ~FpsCounter() override;

    void start();
    void stop();
    bool isRunning() const;

    void countDisplayed();
    void countDropped();

    // Counts of the second in progress.
    uint displayedCount() const;
    uint droppedCount() const;
    // Counts of the last completed second.
    uint lastDisplayed() const;
    uint lastDropped() const;

signals:
    void updateFPS(uint fps);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void resetCounts();

    int m_timerId = 0;
    // Read by counting threads while the GUI thread starts or stops the counter.
    std::atomic<bool> m_running{false};
    std::atomic<uint> m_lastDisplayed{0};
    std::atomic<uint> m_lastDropped{0};
    std::atomic<uint> m_displayed{0};
    std::atomic<uint> m_dropped{0};
};
