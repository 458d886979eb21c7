#pragma once

#include "ui/FramelessWindow.h"

#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include <cstdint>

struct AVFrame;
class CropSelectionWidget;
class KeepRatioWidget;
class PVDevice;
class QBtGuideWidget;
class QPVAirPlayClient;
class QAbstractButton;
class QKeySequence;
class QLabel;
class QMenu;
class QPVDeviceCtrlBar;
class QPVDeviceHIDControl;
class QHIDMapperWidget;
class QRenderWidget;
class QVBoxLayout;

// The window of one mirrored phone: the picture at the phone's aspect, title and control
// bar, phone-button side panel and FPS read-out. Mode 0 is a stand-alone window, mode 1 is
// shown inside the multi-device center without bars.
class QPVDeviceWidget : public FramelessWindow<QWidget> {
    Q_OBJECT
public:
    explicit QPVDeviceWidget(QWidget* parent = nullptr);
    ~QPVDeviceWidget() override;

    void setDevice(PVDevice* device);
    PVDevice* device() const;
    void setMode(int mode);
    int mode() const;

    // Shows one decoded frame; the frame stays the caller's.
    void showFrame(const AVFrame* frame);
    // The phone's orientation code (0, 3, 4, 7) as the receiver reports it.
    void setPhoneRotation(int dir);
    void refreshTitles();
    void showBluetoothGuide();
    // Whether the phone can be controlled from this window right now (the phone buttons work).
    void setControlDisplay(bool on);
    bool isControlDisplayed() const { return m_controlDisplayed; }
    // Fits the window around the picture as it is shown at the window's present size.
    void fitToContent();

    QRenderWidget* renderWidget() const;
    QSize frameSize() const;

    // The key-map overlay over the video while it is open; the window owns it.
    QHIDMapperWidget* keyMapOverlay() const;
    void setKeyMapOverlay(QHIDMapperWidget* overlay);

public slots:
    void updateFps(int fps);
    void didTopMostChanged(bool isTopmost);
    // The application's user status changed; it is also raised when a phone starts mirroring,
    // so the bar shows what can be done with the phone now.
    void didUserStatusChanged();

signals:
    // The window became the active window (the phone becomes the Bluetooth subscribed client).
    void didActivate();
    // A frame went to the renderer; its presentation time in microseconds (for measuring).
    void frameShown(int64_t pts);
    // setControlDisplay was called (the phone's control came, went, paused or resumed).
    void controlDisplayChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab is a key of the phone, not a way through this window's buttons.
    bool focusNextPrevChild(bool next) override;

    // What the window needs from the phone's receiver channel.
    virtual QString phoneName() const;
    virtual uint32_t deviceKind() const;

private:
    friend class QPVDeviceCtrlBar;

    QPVAirPlayClient* client() const;

    enum class CropEnd { Confirm, Reset, Cancel };

    void buildForm();
    void createShortcuts();
    void addShortcut(const QKeySequence& keys, const char* button, QWidget* onlyWhenVisible);
    QAbstractButton* findButton(const char* name) const;
    void applyMode();
    // aspect: the picture's exact width / height when known, else taken from size.
    void fitWindow(QSize size, bool shrinkToScreen, double aspect = 0);
    double turnedAspect(const QSize& from, const QSize& to) const;
    QSize shrinkToScreen(QSize size) const;
    QSize containerSize() const;
    int titleBarHeight() const;
    void placeBluetoothGuide();
    QRect availableScreenArea() const;
    void placeFpsWindow();
    void placeKeyMapOverlay();
    void rotateByUser();
    void toggleFullScreen();
    void followFullScreen();
    void setTopmost(bool on);
    bool routeMouse(QMouseEvent* event);
    bool routeWheel(QWheelEvent* event);
    bool routeDrag(QEvent* event);
    bool inputAccepted() const;
    bool keyMapOverlayActive() const;
    bool keyMapperConverterActive() const;
    void fillContextMenu(QMenu* menu);
    void toggleControlBar();
    void openCrop();
    void closeCrop(CropEnd end);
    void resetCrop();
    bool hasCrop() const;
    void refreshKeyMapperButton();
    QPVDeviceHIDControl* sidePanel() const { return m_sidePanel; }
    void retranslate();

    // Calls into the receiver channel and the receiver service.
    void notifyFrameSizeChanged();
    void notifyUserRotated();
    void closeChannel();

    QPointer<PVDevice> m_device;
    QWidget* m_content = nullptr;
    QWidget* m_titleWrapper = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    QWidget* m_titlebar = nullptr;
    QLabel* m_labelDevice = nullptr;
    QPVDeviceCtrlBar* m_ctrlBar = nullptr;
    QWidget* m_previewContent = nullptr;
    KeepRatioWidget* m_ratioBox = nullptr;
    QPVDeviceHIDControl* m_sidePanel = nullptr;
    QRenderWidget* m_render = nullptr;
    QWidget* m_fpsWindow = nullptr;
    QLabel* m_fpsLabel = nullptr;
    QPointer<QHIDMapperWidget> m_keyMapOverlay;
    QPointer<QBtGuideWidget> m_btGuide;
    bool m_btGuideShown = false;
    bool m_controlDisplayed = false;
    QSize m_frameSize;
    double m_aspect = 0.0;
    int m_mode = 0;
    int m_userRotation = 0;
    bool m_topmost = false;
    bool m_barDetached = false;
    bool m_cropEditing = false;
    struct CropEditor {
        QPointer<CropSelectionWidget> selection;
        QRectF crop{0, 0, 1, 1};
        QRect geometryBefore;
        double aspectBefore = 0.0;
        int rotation = 0;
    } m_crop;
};
