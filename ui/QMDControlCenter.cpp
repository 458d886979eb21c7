#include "ui/QMDControlCenter.h"

#include "control/Controller.h"
#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QMDItemWidget.h"
#include "ui/QPVDeviceWidget.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kInitialSide = 800;
constexpr int kCtrlBarHeight = 40;
// Sessions and windows settle before the grid follows a phone that came or went.
constexpr int kSettleMs = 30;
constexpr int kStandaloneMode = 0;
constexpr int kCenterMode = 1;
constexpr int kReleasedX = 100;
constexpr int kReleasedStepX = 80;
constexpr int kReleasedY = 50;
constexpr int kReleasedSide = 460;

QMDControlCenter *g_center = nullptr;

QPVDeviceWidget *windowOf(QPVAirPlayClient *client)
{
    PVDevice *session = client ? client->deviceSession() : nullptr;
    return session ? session->deviceWidget() : nullptr;
}

void setInputPaused(QPVDeviceWidget *window, bool paused)
{
    PVDevice *session = window ? window->device() : nullptr;
    if (Controller *controller = session ? session->controller() : nullptr)
        controller->setPaused(paused);
}

void takeOut(QPVDeviceWidget *window)
{
    window->hide();
    window->setParent(nullptr);
}

QPushButton *makeButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

QMDControlCenter::QMDControlCenter(QPVAirPlayService *service, QWidget *parent)
    : FramelessWindow<QDialog>(parent, false), m_service(service)
{
    g_center = this;
    setAttribute(Qt::WA_DeleteOnClose);
    // The phones' windows come back when it closes; the program goes on.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinMaxButtonsHint);
    setResizable(true);
    setMinimumSize(kInitialSide, kInitialSide);
    resize(kInitialSide, kInitialSide);
    buildForm();
    retranslate();

    gatherWindows();
    connect(this, &QMDControlCenter::gridLayoutInvalidate, this, &QMDControlCenter::layoutGrid,
            Qt::QueuedConnection);
}

QMDControlCenter::~QMDControlCenter()
{
    if (g_center == this)
        g_center = nullptr;
}

QMDControlCenter *QMDControlCenter::instance()
{
    return g_center;
}

QPVDeviceWidget *QMDControlCenter::selectedWidget() const
{
    return m_selected;
}

void QMDControlCenter::buildForm()
{
    setObjectName(QStringLiteral("QMDControlCenter"));
    auto *rootLayout = new QVBoxLayout(this);
    rootLayout->setContentsMargins(0, 0, 0, 0);
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    rootLayout->addWidget(content);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    auto *sideframe = new QWidget(content);
    sideframe->setObjectName(QStringLiteral("sideframe"));
    contentLayout->addWidget(sideframe);
    auto *sideLayout = new QVBoxLayout(sideframe);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);

    auto *ctrlbar = new QWidget(sideframe);
    ctrlbar->setObjectName(QStringLiteral("ctrlbar"));
    ctrlbar->setAttribute(Qt::WA_StyledBackground);
    ctrlbar->setFixedHeight(kCtrlBarHeight);
    auto *barLayout = new QHBoxLayout(ctrlbar);
    barLayout->setContentsMargins(12, 0, 8, 0);
    auto *pageCtrl = new QWidget(ctrlbar);
    pageCtrl->setObjectName(QStringLiteral("pageCtrl"));
    auto *pageLayout = new QHBoxLayout(pageCtrl);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    QPushButton *prev = makeButton(pageCtrl, "btnPrev");
    m_labelPageInfo = new QLabel(QStringLiteral("0 / 0"), pageCtrl);
    m_labelPageInfo->setObjectName(QStringLiteral("labelPageInfo"));
    m_labelPageInfo->setAlignment(Qt::AlignCenter);
    QPushButton *next = makeButton(pageCtrl, "btnNext");
    pageLayout->addWidget(prev);
    pageLayout->addWidget(m_labelPageInfo);
    pageLayout->addWidget(next);
    barLayout->addStretch(1);
    barLayout->addWidget(pageCtrl);
    barLayout->addStretch(1);
    QPushButton *min = makeButton(ctrlbar, "btnMin");
    QPushButton *close = makeButton(ctrlbar, "btnClose");
    barLayout->addWidget(min);
    barLayout->addWidget(close);
    sideLayout->addWidget(ctrlbar);

    m_ctrlZone = new QWidget(sideframe);
    m_ctrlZone->setObjectName(QStringLiteral("ctrlzone"));
    m_ctrlZone->setAttribute(Qt::WA_StyledBackground);
    sideLayout->addWidget(m_ctrlZone, 1);
    setTitleWidgets({ctrlbar});

    connect(prev, &QPushButton::clicked, this, &QMDControlCenter::didClickPrev);
    connect(next, &QPushButton::clicked, this, &QMDControlCenter::didClickNext);
    connect(min, &QPushButton::clicked, this, &QMDControlCenter::didClickMin);
    connect(close, &QPushButton::clicked, this, &QMDControlCenter::didClickClose);
    m_ctrlZone->installEventFilter(this);

    QFile css(QStringLiteral(":/skin/QMDControlCenter.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        qWarning("Style sheet of the multi-device center is missing");
}

void QMDControlCenter::gatherWindows()
{
    for (QPVDeviceWidget *window : clientWindows()) {
        // A full-screen window first gives its floating bars back.
        if (window->isFullScreen() || window->isMaximized())
            window->showNormal();
        window->setMode(kCenterMode);
        takeOut(window);
    }
}

QList<QPVDeviceWidget *> QMDControlCenter::clientWindows() const
{
    QList<QPVDeviceWidget *> windows;
    if (!m_service)
        return windows;
    for (int i = 0;; ++i) {
        QPVAirPlayClient *client = m_service->clientAt(i);
        if (!client)
            break;
        if (QPVDeviceWidget *window = windowOf(client))
            windows << window;
    }
    return windows;
}

void QMDControlCenter::layoutGrid()
{
    if (m_released)
        return;
    const QList<QPVDeviceWidget *> windows = clientWindows();
    if (!m_selected && !windows.isEmpty())
        m_selected = windows.first();
    const MDGridLayout grid = MDGridLayout::forZone(m_ctrlZone->size());
    m_cellsPerPage = grid.cellsPerPage();
    recountPages(windows.size());
    resizeItems(1 + m_cellsPerPage);

    m_items[0]->setGeometry(grid.large);
    for (int cell = 0; cell < m_cellsPerPage; ++cell)
        m_items[cell + 1]->setGeometry(grid.cells[cell]);
    placeThumbnails(windows);
    // Thumbnails first: the selected window may have to leave one for the large item.
    m_items[0]->setDeviceWidget(m_selected, true, m_selected != nullptr);
    m_items[0]->show();
    selectWindow(m_selected);
}

void QMDControlCenter::placeThumbnails(const QList<QPVDeviceWidget *> &windows)
{
    const int first = MDGridLayout::firstOnPage(m_page, m_cellsPerPage);
    QSet<QPVDeviceWidget *> onPage;
    for (int cell = 0; cell < m_cellsPerPage; ++cell) {
        QMDItemWidget *item = m_items[cell + 1];
        const int position = first + cell;
        QPVDeviceWidget *window = position < windows.size() ? windows[position] : nullptr;
        item->setIndex(position + 1);
        item->setDeviceWidget(window, true, window && window != m_selected);
        item->setVisible(window != nullptr);
        if (window)
            onPage.insert(window);
    }
    // Windows of other pages convert and draw nothing while they wait, hidden.
    for (QPVDeviceWidget *window : windows) {
        if (!onPage.contains(window) && window != m_selected) {
            // In center mode, so that its first picture does not show it on its own.
            window->setMode(kCenterMode);
            setInputPaused(window, true);
            takeOut(window);
        }
    }
}

void QMDControlCenter::recountPages(int phones)
{
    m_pageCount = MDGridLayout::pageCount(phones, m_cellsPerPage);
    m_page = MDGridLayout::clampPage(m_page, m_pageCount);
    m_labelPageInfo->setText(QString::asprintf("%d / %d", m_page, m_pageCount));
}

void QMDControlCenter::resizeItems(int count)
{
    while (m_items.size() > count)
        delete m_items.takeLast();  // lets go of any window it holds
    while (m_items.size() < count) {
        auto *item = new QMDItemWidget(m_ctrlZone);
        item->setIndex(m_items.isEmpty() ? 0 : m_items.size());
        connect(item, &QMDItemWidget::clickItemWidget, this, &QMDControlCenter::didClickItemWidget);
        m_items.append(item);
    }
}

QMDItemWidget *QMDControlCenter::thumbnailOf(const QPVDeviceWidget *window) const
{
    for (int i = 1; i < m_items.size(); ++i) {
        if (window && m_items[i]->deviceWidget() == window)
            return m_items[i];
    }
    return nullptr;
}

void QMDControlCenter::selectWindow(QPVDeviceWidget *window)
{
    if (!window || m_items.isEmpty())
        return;
    QMDItemWidget *large = m_items[0];
    QPVDeviceWidget *old = large->deviceWidget();
    large->setDeviceWidget(window, false, true);
    if (old && old != window) {
        if (QMDItemWidget *thumbnail = thumbnailOf(old)) {
            thumbnail->setDeviceWidget(old, false, true);
        } else {
            setInputPaused(old, true);
            takeOut(old);
        }
    }
    m_selected = window;
    window->setMode(kCenterMode);
    setInputPaused(window, false);
    if (PVDevice *session = window->device())
        session->subscribeBluetoothClient();
    if (QMDItemWidget *thumbnail = thumbnailOf(window))
        thumbnail->checkHIDStatus();
    large->checkHIDStatus();
    window->setFocus();
}

void QMDControlCenter::addDevice(QPVAirPlayClient *client)
{
    if (QPVDeviceWidget *window = windowOf(client))
        window->setMode(kCenterMode);
    QTimer::singleShot(kSettleMs, this, [this] {
        if (!m_selected) {
            emit gridLayoutInvalidate();
            return;
        }
        // The newcomer is on the last page.
        recountPages(clientWindows().size());
        m_page = qMax(1, m_pageCount);
        layoutGrid();
    });
}

void QMDControlCenter::removeDevice(QPVAirPlayClient *client)
{
    QPVDeviceWidget *window = windowOf(client);
    if (!window)
        return;
    const bool wasSelected = window == m_selected;
    // The window goes with its channel; the items only forget it.
    for (QMDItemWidget *item : qAsConst(m_items)) {
        if (item->deviceWidget() == window)
            item->clearDeviceWidget();
    }
    QTimer::singleShot(kSettleMs, this, [this, wasSelected] {
        if (wasSelected) {
            m_selected = nullptr;
            emit gridLayoutInvalidate();
            return;
        }
        recountPages(clientWindows().size());
        layoutGrid();
    });
}

void QMDControlCenter::updateDevice(QPVAirPlayClient *client)
{
    QPVDeviceWidget *window = windowOf(client);
    if (!window)
        return;
    if (window == m_selected) {
        emit gridLayoutInvalidate();
        return;
    }
    for (QMDItemWidget *item : qAsConst(m_items)) {
        if (item->deviceWidget() == window)
            item->fitWindow();
    }
}

void QMDControlCenter::releaseWindows()
{
    if (m_released)
        return;
    m_released = true;
    // From now on the application's hooks leave the phones alone; deletion follows.
    if (g_center == this)
        g_center = nullptr;
    const QList<QPVDeviceWidget *> windows = clientWindows();
    for (int i = 0; i < windows.size(); ++i) {
        QPVDeviceWidget *window = windows[i];
        setInputPaused(window, false);
        takeOut(window);
        window->setMode(kStandaloneMode);
        window->setGeometry(kReleasedX + kReleasedStepX * i, kReleasedY, kReleasedSide, kReleasedSide);
        window->show();
        window->fitToContent();
    }
    for (QMDItemWidget *item : qAsConst(m_items))
        item->clearDeviceWidget();
    m_selected = nullptr;
}

void QMDControlCenter::didClickMin()
{
    showMinimized();
}

void QMDControlCenter::didClickClose()
{
    close();
}

void QMDControlCenter::didClickItemWidget(QMDItemWidget *itemWidget)
{
    if (itemWidget)
        selectWindow(itemWidget->deviceWidget());
}

void QMDControlCenter::didClickPrev()
{
    if (m_page < 2)
        return;
    --m_page;
    layoutGrid();
}

void QMDControlCenter::didClickNext()
{
    if (m_page >= m_pageCount)
        return;
    ++m_page;
    layoutGrid();
}

bool QMDControlCenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ctrlZone && event->type() == QEvent::Resize)
        emit gridLayoutInvalidate();
    return FramelessWindow<QDialog>::eventFilter(watched, event);
}

void QMDControlCenter::closeEvent(QCloseEvent *event)
{
    // Not the dialog's own handling, which would reject (and so close) once more.
    releaseWindows();
    event->accept();
}

void QMDControlCenter::reject()
{
    // Escape closes the center the whole way, windows back on their own.
    close();
}

void QMDControlCenter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessWindow<QDialog>::changeEvent(event);
}

void QMDControlCenter::retranslate()
{
    setWindowTitle(tr("Multi Device Control Center"));
}
