#pragma once
// The small panel that drops from the sign button while a user is signed in: who is signed in,
// and "Sign out".

#include <QFrame>

class QLabel;
class QPushButton;

class QUserPanel : public QFrame {
    Q_OBJECT
public:
    explicit QUserPanel(QWidget* parent = nullptr);

    // Opens a panel under the anchor (right edges aligned, kept on the anchor's screen); it
    // closes when the user clicks elsewhere or presses Escape and deletes itself.
    static QUserPanel* popup(QWidget* anchor);
    // Top-left corner for a panel of that size under an anchor's global rectangle, inside the
    // available screen area.
    static QPoint placement(const QRect& anchor, const QSize& panel, const QRect& screen);

public slots:
    void didUserStatusChanged();
    void didClickSignOut();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refreshUser();

    QLabel* m_user = nullptr;
    QPushButton* m_signOut = nullptr;
};
