#pragma once

#include <QSizeF>
#include <QWidget>

class CKBMapProfile;
class Controller;
class QComboBox;
class QHIDMapperWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

// The key-map tool panel over the top edge of the overlay: picks a profile and switches it on
// or off for the phone, creates, edits, saves, removes and restores profiles, and sets the
// mouse sensitivity, the markers' opacity and the shooting-mode shortcut.
class QHIDMapperEditor : public QWidget {
    Q_OBJECT
public:
    explicit QHIDMapperEditor(QHIDMapperWidget* overlay);
    ~QHIDMapperEditor() override;

    // Centred on the overlay's top edge.
    void placeOn(const QRect& overlay);
    CKBMapProfile* currentProfile() const { return m_current; }
    bool isEditing() const { return m_editing; }
    // The shooting-mode shortcut: kind 1 a Qt::Key, 2 a mouse button.
    int shortcutKind() const { return m_shortcutKind; }
    int shortcutValue() const { return m_shortcutValue; }

protected slots:
    void didChangeProfile(int index);
    void didToggleSwitch(bool on);
    void didClickNew();
    void didClickEdit();
    void didClickSave();
    void didClickRemove();
    void didClickReset();
    void didClickClose();
    void didChangeSensitivity(int value);
    void didChangeOpacity(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    QWidget* buildPalette();
    QWidget* buildSliders();
    QPushButton* addButton(const char* name, const QString& text, void (QHIDMapperEditor::*slot)());
    void readSettings();
    void writeSettings() const;
    // Rebuilds the list from the folder and makes the profile of that path current.
    void fillProfiles(const QString& selectPath);
    void showCurrentProfile();
    // Makes the entry current without applying it.
    void didChangeProfileQuietly(int index);
    void apply();
    void setEditing(bool on);
    bool saveAs(const QString& name, const QSizeF& canvas);
    void showMessage(const QString& text);
    QString channelId() const;
    void waitForShortcut(bool waiting);
    void takeShortcut(int kind, int value);
    void showShortcut();

    QHIDMapperWidget* m_overlay;
    CKBMapProfile* m_current = nullptr;
    QSizeF m_canvasSize;
    bool m_editing = false;
    int m_shortcutKind = 2;
    int m_shortcutValue = Qt::RightButton;
    bool m_waitingForShortcut = false;
    bool m_promptShown = false;
    bool m_skipFocusClick = false;

    QComboBox* m_profiles = nullptr;
    QPushButton* m_switch = nullptr;
    QPushButton* m_edit = nullptr;
    QLineEdit* m_name = nullptr;
    QWidget* m_palette = nullptr;
    QSlider* m_sensitivity = nullptr;
    QLabel* m_sensitivityValue = nullptr;
    QSlider* m_opacity = nullptr;
    QLabel* m_opacityValue = nullptr;
    QLineEdit* m_shortcut = nullptr;
    QTimer* m_prompt = nullptr;
};
