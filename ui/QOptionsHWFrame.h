#pragma once
// "Hardware" page: a read-only summary of this PC, gathered when the page is first shown.

#include "ui/QOptionsFrame.h"

class QLabel;

class QOptionsHWFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsHWFrame(QWidget* parent = nullptr);

    bool isGathered() const { return m_gathered; }
    // The text of one summary row ("processor", "memory", "storage", "graphics", "opengl",
    // "network", "system"); empty before the page was gathered.
    QString rowText(const QString& row) const;
    // Fills the rows; the first show does it.
    void gather();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* addSummaryRow(const QString& label, const char* row);
    QLabel* rowLabel(const QString& row) const;
    QString processorText() const;
    QString memoryText() const;
    QString storageText() const;
    QString graphicsText() const;
    QString openGLText() const;
    QString networkText() const;

    bool m_gathered = false;
};
