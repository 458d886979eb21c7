#pragma once
// The small popup that shows a driver installation or removal: one line of text over a
// progress bar, no caption, above other windows.

#include <QWidget>

class QLabel;
class QProgressBar;

class CProgressDlg : public QWidget {
    Q_OBJECT
public:
    explicit CProgressDlg(QWidget* owner = nullptr);

    void setProgress(int position, const QString& text);
    int position() const;
    QString text() const;

private:
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
};
