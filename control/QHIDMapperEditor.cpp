#include "control/QHIDMapperEditor.h"

#include "app/QPivoraApplication.h"
#include "control/CKBMapProfile.h"
#include "control/CKBMapService.h"
#include "control/Controller.h"
#include "control/KBMapFormat.h"
#include "control/QHIDMapperItemWidget.h"
#include "control/QHIDMapperWidget.h"
#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "ui/QEAlertDialog.h"
#include "ui/QPVDeviceWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QFocusEvent>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTimer>

namespace {

const char kGroup[] = "KBMapping";
const char kSensitivityKey[] = "mouseSensitivity";
const char kOpacityKey[] = "keyOpacity";
const char kShortcutKey[] = "shootingModeShortcut";
const char kPaletteIndex[] = "paletteIndex";
constexpr int kDefaultSensitivity = 10;
constexpr int kDefaultOpacity = 60;
constexpr int kSensitivityMin = 1;
constexpr int kSensitivityMax = 100;
constexpr int kPaletteCellSide = 48;
constexpr int kPromptMs = 500;
const char kPaletteCellStyle[] = "background:transparent;border:2px solid #ff9900;border-radius:24px;image:url(%1);padding:8px;";

QSettings* settings()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    return app ? app->settings() : nullptr;
}

QVariantMap keyMappingSettings()
{
    QSettings* store = settings();
    return store ? store->value(QLatin1String(kGroup)).toMap() : QVariantMap();
}

QSlider* slider(int low, int high)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(low, high);
    slider->setFocusPolicy(Qt::NoFocus);
    return slider;
}

} // namespace

QHIDMapperEditor::QHIDMapperEditor(QHIDMapperWidget* overlay)
    : QWidget(overlay, Qt::Tool | Qt::FramelessWindowHint)
    , m_overlay(overlay)
{
    setObjectName(QStringLiteral("QHIDMapperEditor"));
    setWindowTitle(tr("Key Mapper"));
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
    buildForm();
    QFile css(QStringLiteral(":/skin/QHIDMapperEditor.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        qWarning("Style sheet of the key-map editor is missing");
    readSettings();
    // Window managers do not always give a tool window the focus when it is clicked.
    const QList<QWidget*> parts = findChildren<QWidget*>();
    for (QWidget* part : parts)
        part->installEventFilter(this);

    Controller* controller = m_overlay->controller();
    CKBMapProfile* playing = controller ? controller->kbMapProfile() : nullptr;
    {
        const QSignalBlocker blocker(m_switch);
        m_switch->setChecked(controller && controller->isKBMapper());
        m_switch->setText(m_switch->isChecked() ? tr("On") : tr("Off"));
    }
    fillProfiles(playing ? playing->path() : QString());
    if (!m_current && m_profiles->count() > 0)
        didChangeProfileQuietly(0);
    QStringList names;
    for (int i = 0; i < m_profiles->count(); ++i)
        names << m_profiles->itemText(i);
    qInfo("Key-map editor opened with %d profiles: %s", int(names.size()), qUtf8Printable(names.join(QStringLiteral(", "))));
    showCurrentProfile();
    setEditing(false);
    adjustSize();
}

QHIDMapperEditor::~QHIDMapperEditor()
{
    writeSettings();
}

void QHIDMapperEditor::buildForm()
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);

    auto* title = new QLabel(tr("Key Mapper"));
    title->setObjectName(QStringLiteral("labelTitle"));
    layout->addWidget(title, 0, 0, 1, 4);
    QPushButton* close = addButton("btnClose", QStringLiteral("\u00d7"), &QHIDMapperEditor::didClickClose);
    layout->addWidget(close, 0, 5, Qt::AlignRight);

    m_profiles = new QComboBox;
    m_profiles->setObjectName(QStringLiteral("cbProfiles"));
    m_profiles->setMinimumWidth(180);
    connect(m_profiles, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &QHIDMapperEditor::didChangeProfile);
    layout->addWidget(m_profiles, 1, 0, 1, 3);
    m_switch = new QPushButton;
    m_switch->setObjectName(QStringLiteral("btnSwitch"));
    m_switch->setCheckable(true);
    // The profile list and the switch are one Tab apart for keyboard users.
    m_switch->setFocusPolicy(Qt::StrongFocus);
    connect(m_switch, &QPushButton::toggled, this, &QHIDMapperEditor::didToggleSwitch);
    layout->addWidget(m_switch, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(addButton("btnNew", tr("New"), &QHIDMapperEditor::didClickNew));
    m_edit = addButton("btnEdit", tr("Edit"), &QHIDMapperEditor::didClickEdit);
    m_edit->setCheckable(true);
    buttons->addWidget(m_edit);
    buttons->addWidget(addButton("btnSave", tr("Save"), &QHIDMapperEditor::didClickSave));
    buttons->addWidget(addButton("btnRemove", tr("Remove"), &QHIDMapperEditor::didClickRemove));
    layout->addLayout(buttons, 2, 0, 1, 4);

    layout->addWidget(new QLabel(tr("Name")), 3, 0);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_name->setMaxLength(64);
    layout->addWidget(m_name, 3, 1, 1, 3);

    layout->addWidget(buildSliders(), 1, 4, 3, 2);
    m_palette = buildPalette();
    layout->addWidget(m_palette, 4, 0, 1, 6, Qt::AlignHCenter);
}

QPushButton* QHIDMapperEditor::addButton(const char* name, const QString& text, void (QHIDMapperEditor::*slot)())
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QWidget* QHIDMapperEditor::buildSliders()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    m_sensitivity = slider(kSensitivityMin, kSensitivityMax);
    m_sensitivity->setObjectName(QStringLiteral("sliderSensitivity"));
    m_sensitivityValue = new QLabel;
    m_sensitivityValue->setObjectName(QStringLiteral("labelSensitivity"));
    m_opacity = slider(0, 100);
    m_opacity->setObjectName(QStringLiteral("sliderOpacity"));
    m_opacityValue = new QLabel;
    m_opacityValue->setObjectName(QStringLiteral("labelOpacity"));
    grid->addWidget(new QLabel(tr("Mouse Sensitivity")), 0, 0);
    grid->addWidget(m_sensitivity, 0, 1);
    grid->addWidget(m_sensitivityValue, 0, 2);
    grid->addWidget(new QLabel(tr("Button Opacity")), 1, 0);
    grid->addWidget(m_opacity, 1, 1);
    grid->addWidget(m_opacityValue, 1, 2);
    connect(m_sensitivity, &QSlider::valueChanged, this, &QHIDMapperEditor::didChangeSensitivity);
    connect(m_opacity, &QSlider::valueChanged, this, &QHIDMapperEditor::didChangeOpacity);

    grid->addWidget(new QLabel(tr("Shooting Mode Shortcut")), 2, 0);
    m_shortcut = new QLineEdit;
    m_shortcut->setObjectName(QStringLiteral("lineEditShortcut"));
    m_shortcut->setReadOnly(true);
    m_shortcut->setFocusPolicy(Qt::ClickFocus);
    m_shortcut->setContextMenuPolicy(Qt::NoContextMenu);
    m_shortcut->installEventFilter(this);
    grid->addWidget(m_shortcut, 2, 1, 1, 2);
    m_prompt = new QTimer(this);
    m_prompt->setInterval(kPromptMs);
    connect(m_prompt, &QTimer::timeout, this, [this] {
        m_promptShown = !m_promptShown;
        m_shortcut->setText(m_promptShown ? tr("Press a key or mouse button") : QString());
    });

    grid->addWidget(new QLabel(tr("Default Profiles")), 3, 0);
    grid->addWidget(addButton("btnReset", tr("Reset"), &QHIDMapperEditor::didClickReset), 3, 1, 1, 2, Qt::AlignLeft);
    return box;
}

QWidget* QHIDMapperEditor::buildPalette()
{
    auto* palette = new QWidget;
    palette->setObjectName(QStringLiteral("palette"));
    auto* row = new QHBoxLayout(palette);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    for (int i = 0; i < QHIDMapperItemWidget::kPaletteCount; ++i) {
        const QHIDMapperItemWidget::PaletteEntry& entry = QHIDMapperItemWidget::paletteEntry(i);
        auto* cell = new QLabel;
        cell->setObjectName(QStringLiteral("paletteCell%1").arg(i));
        cell->setFixedSize(kPaletteCellSide, kPaletteCellSide);
        cell->setStyleSheet(QString::fromLatin1(kPaletteCellStyle).arg(QLatin1String(entry.icon)));
        cell->setToolTip(QHIDMapperItemWidget::paletteToolTip(entry.itemType, entry.roleType));
        cell->setProperty(kPaletteIndex, i);
        cell->setCursor(Qt::OpenHandCursor);
        cell->installEventFilter(this);
        row->addWidget(cell);
    }
    return palette;
}

void QHIDMapperEditor::placeOn(const QRect& overlay)
{
    move(overlay.x() + (overlay.width() - width()) / 2, overlay.y());
}

// --- Settings

void QHIDMapperEditor::readSettings()
{
    const QVariantMap group = keyMappingSettings();
    m_sensitivity->setValue(group.value(QLatin1String(kSensitivityKey), kDefaultSensitivity).toInt());
    didChangeSensitivity(m_sensitivity->value());
    m_opacity->setValue(group.value(QLatin1String(kOpacityKey), kDefaultOpacity).toInt());
    didChangeOpacity(m_opacity->value());
    int kind = 0;
    int value = 0;
    KBMapFormat::keyFromName(group.value(QLatin1String(kShortcutKey), QStringLiteral("RightButton")).toString(), &kind,
                             &value);
    if (kind != 0) {
        m_shortcutKind = kind;
        m_shortcutValue = value;
    }
    showShortcut();
}

void QHIDMapperEditor::writeSettings() const
{
    QSettings* store = settings();
    if (!store)
        return;
    QVariantMap group = store->value(QLatin1String(kGroup)).toMap();
    group.insert(QLatin1String(kSensitivityKey), m_sensitivity->value());
    group.insert(QLatin1String(kOpacityKey), m_opacity->value());
    group.insert(QLatin1String(kShortcutKey), KBMapFormat::keyName(m_shortcutKind, m_shortcutValue));
    store->setValue(QLatin1String(kGroup), group);
    store->sync();
}

void QHIDMapperEditor::didChangeSensitivity(int value)
{
    m_sensitivityValue->setText(QString::asprintf("%d", value));
    if (Controller* controller = m_overlay->controller())
        controller->onMouseSensitivityChanged(value);
}

void QHIDMapperEditor::didChangeOpacity(int value)
{
    m_opacityValue->setText(QString::asprintf("%d", value));
    m_overlay->setKeyOpacity(value);
}

// --- Profiles

void QHIDMapperEditor::fillProfiles(const QString& selectPath)
{
    const QList<CKBMapProfile*> profiles = CKBMapService::instance()->profiles(true);
    const QSignalBlocker blocker(m_profiles);
    m_profiles->clear();
    m_current = nullptr;
    for (CKBMapProfile* profile : profiles) {
        m_profiles->addItem(profile->name(), profile->path());
        if (profile->path() == selectPath) {
            m_current = profile;
            m_profiles->setCurrentIndex(m_profiles->count() - 1);
        }
    }
    if (!m_current)
        m_profiles->setCurrentIndex(-1);
}

void QHIDMapperEditor::showCurrentProfile()
{
    m_name->setText(m_current ? m_current->name() : QString());
    if (!m_current || !m_current->load()) {
        m_overlay->clearItems();
        m_canvasSize = QSizeF();
        return;
    }
    m_canvasSize = m_current->canvasSize();
    if (m_canvasSize.width() < 1 || m_canvasSize.height() < 1)
        qWarning("load m_canvasSize size is invalid");
    m_overlay->setNodes(m_current->nodes());
}

void QHIDMapperEditor::didChangeProfileQuietly(int index)
{
    const QSignalBlocker blocker(m_profiles);
    m_profiles->setCurrentIndex(index);
    const QString path = m_profiles->itemData(index).toString();
    m_current = nullptr;
    for (CKBMapProfile* profile : CKBMapService::instance()->profiles(false)) {
        if (profile->path() == path)
            m_current = profile;
    }
}

void QHIDMapperEditor::didChangeProfile(int index)
{
    didChangeProfileQuietly(index);
    setEditing(false);
    showCurrentProfile();
    apply();
}

void QHIDMapperEditor::didToggleSwitch(bool on)
{
    m_switch->setText(on ? tr("On") : tr("Off"));
    apply();
}

void QHIDMapperEditor::apply()
{
    Controller* controller = m_overlay->controller();
    if (!controller)
        return;
    const bool on = m_switch->isChecked() && m_current;
    controller->setKBMapProfile(on ? m_current->path() : QString());
    CKBMapService::instance()->setAppliedProfile(channelId(), on ? m_current->name() : QString());
    if (QPVDeviceWidget* window = m_overlay->deviceWindow()) {
        window->activateWindow();
        window->setFocus(Qt::OtherFocusReason);
    }
}

QString QHIDMapperEditor::channelId() const
{
    QPVDeviceWidget* window = m_overlay->deviceWindow();
    PVDevice* device = window ? window->device() : nullptr;
    QPVAirPlayClient* client = device ? device->client() : nullptr;
    return client ? client->channelId() : QString();
}

void QHIDMapperEditor::setEditing(bool on)
{
    m_editing = on;
    m_overlay->setEditing(on);
    m_edit->setChecked(on);
    m_name->setEnabled(on);
    m_palette->setEnabled(on);
    if (QPushButton* save = findChild<QPushButton*>(QStringLiteral("btnSave")))
        save->setEnabled(on);
}

void QHIDMapperEditor::didClickNew()
{
    {
        const QSignalBlocker blocker(m_profiles);
        m_profiles->setCurrentIndex(-1);
    }
    m_current = nullptr;
    m_overlay->clearItems();
    // A new profile is laid out on the picture as it is shown now.
    m_canvasSize = m_overlay->size();
    m_name->clear();
    setEditing(true);
    m_name->setFocus();
}

void QHIDMapperEditor::didClickEdit()
{
    if (m_editing) {
        // Leaving without saving puts the profile back as it is stored.
        setEditing(false);
        showCurrentProfile();
        return;
    }
    if (!m_current) {
        m_edit->setChecked(false);
        showMessage(tr("Please select a profile"));
        return;
    }
    setEditing(true);
}

void QHIDMapperEditor::didClickSave()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        showMessage(tr("Please input profile name"));
        return;
    }
    if (m_overlay->firstItemWithoutKeys()) {
        m_overlay->showToast(tr("There are invalid keys in profile."));
        return;
    }
    QSizeF canvas = m_canvasSize;
    if (canvas.width() < 1 || canvas.height() < 1) {
        qWarning("save m_canvasSize size is invalid");
        canvas = m_overlay->size();
    }
    if (!saveAs(name, canvas))
        return;
    setEditing(false);
    m_overlay->showToast(tr("Profile is saved successfully!"));
    // The phone plays what was just saved.
    if (m_switch->isChecked())
        apply();
}

bool QHIDMapperEditor::saveAs(const QString& name, const QSizeF& canvas)
{
    CKBMapService* service = CKBMapService::instance();
    if (!CKBMapService::isValidName(name)) {
        showMessage(tr("The profile name cannot be used as a file name."));
        return false;
    }
    CKBMapProfile* profile = m_current;
    const bool created = !profile;
    const bool renamed = profile && profile->name() != name;
    // Saving under the name of another profile would overwrite it.
    if (renamed && QFile::exists(service->profilePath(name))) {
        showMessage(tr("A profile with this name already exists."));
        return false;
    }
    if (created) {
        profile = service->newProfile(name);
        if (!profile) {
            showMessage(tr("A profile with this name already exists."));
            return false;
        }
    }
    profile->setNodes(m_overlay->nodes(canvas));
    profile->setCanvasSize(canvas);
    if (!profile->save(renamed ? service->profilePath(name) : QString())) {
        if (created)
            service->removeProfile(profile);
        m_overlay->showToast(tr("The profile could not be saved."));
        return false;
    }
    m_canvasSize = canvas;
    fillProfiles(profile->path());
    return true;
}

void QHIDMapperEditor::didClickRemove()
{
    if (!m_current) {
        showMessage(tr("Please select a profile"));
        return;
    }
    if (QEAlertDialog::run(this, tr("Tips"), tr("Do you want to delete this profile?"), QEAlertDialog::ModeAcceptCancel)
        != QDialog::Accepted)
        return;
    Controller* controller = m_overlay->controller();
    const bool playing = controller && controller->kbMapProfile()
                         && controller->kbMapProfile()->path() == m_current->path();
    CKBMapService::instance()->removeProfile(m_current);
    m_current = nullptr;
    setEditing(false);
    fillProfiles(QString());
    showCurrentProfile();
    // The phone stops playing a profile that is gone.
    if (playing)
        m_switch->setChecked(false);
    m_overlay->showToast(tr("Profile is removed successfully!"));
}

void QHIDMapperEditor::didClickReset()
{
    CKBMapService::instance()->restoreDefaultProfiles(true);
    fillProfiles(m_current ? m_current->path() : QString());
    if (!m_editing)
        showCurrentProfile();
}

void QHIDMapperEditor::didClickClose()
{
    QPVDeviceWidget* window = m_overlay->deviceWindow();
    m_overlay->close();
    m_overlay->deleteLater();
    if (window)
        window->activateWindow();
}

void QHIDMapperEditor::showMessage(const QString& text)
{
    QEAlertDialog::run(this, tr("Tips"), text, QEAlertDialog::ModeAccept);
}

// --- Shooting-mode shortcut and palette drags

void QHIDMapperEditor::showShortcut()
{
    m_shortcut->setText(KBMapFormat::keyLabel(m_shortcutKind, m_shortcutValue));
}

void QHIDMapperEditor::waitForShortcut(bool waiting)
{
    m_waitingForShortcut = waiting;
    m_promptShown = false;
    if (waiting) {
        m_prompt->start();
        m_shortcut->setText(tr("Press a key or mouse button"));
        m_promptShown = true;
    } else {
        m_prompt->stop();
        showShortcut();
    }
}

void QHIDMapperEditor::takeShortcut(int kind, int value)
{
    m_shortcutKind = kind;
    m_shortcutValue = value;
    waitForShortcut(false);
    m_shortcut->clearFocus();
    if (Controller* controller = m_overlay->controller())
        controller->onShootingModeShortcutChanged(value);
}

bool QHIDMapperEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && !isActiveWindow())
        activateWindow();
    if (watched == m_shortcut) {
        switch (event->type()) {
        case QEvent::FocusIn:
            m_skipFocusClick = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            waitForShortcut(true);
            return false;
        case QEvent::FocusOut:
            waitForShortcut(false);
            return false;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (m_waitingForShortcut && !key->isAutoRepeat() && key->key() != 0 && key->key() != Qt::Key_unknown)
                takeShortcut(KBMapNode::KeyboardKey, key->key());
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!m_waitingForShortcut)
                return false;
            // The click that gave the field the focus is not the shortcut.
            if (m_skipFocusClick)
                m_skipFocusClick = false;
            else
                takeShortcut(KBMapNode::MouseButton, int(static_cast<QMouseEvent*>(event)->button()));
            return true;
        default:
            return false;
        }
    }
    const QVariant index = watched->property(kPaletteIndex);
    if (index.isValid() && event->type() == QEvent::MouseButtonPress) {
        watched->setProperty("pressAt", static_cast<QMouseEvent*>(event)->pos());
        return true;
    }
    if (index.isValid() && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint from = watched->property("pressAt").toPoint();
        if (!(mouse->buttons() & Qt::LeftButton)
            || (mouse->pos() - from).manhattanLength() < QApplication::startDragDistance())
            return true;
        auto* cell = static_cast<QWidget*>(watched);
        auto* mime = new QMimeData;
        mime->setData(QLatin1String(QHIDMapperWidget::kMimeFormat), QByteArray::number(index.toInt()));
        auto* drag = new QDrag(cell);
        drag->setMimeData(mime);
        drag->setPixmap(cell->grab());
        drag->setHotSpot(QPoint(cell->width() / 2, cell->height() / 2));
        drag->exec(Qt::MoveAction);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
