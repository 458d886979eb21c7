#pragma once

#include "ui/FramelessWindow.h"
#include "ui/MDGridLayout.h"

#include <QDialog>
#include <QPointer>
#include <QVector>

class QLabel;
class QMDItemWidget;
class QPVAirPlayClient;
class QPVAirPlayService;
class QPVDeviceWidget;

// The multi-device control center: every phone's window gathered into one dialog, the phone
// the user controls in the large item and the others live in a paged grid of thumbnails.
// Only the phone in the large item takes input. Closing puts every window back on its own.
class QMDControlCenter : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    // service: the receiver service whose phones are gathered; null shows none.
    explicit QMDControlCenter(QPVAirPlayService *service, QWidget *parent = nullptr);
    ~QMDControlCenter() override;

    // The center while one is open (from its creation until it closes), else null.
    static QMDControlCenter *instance();

    // The application's hooks while the center exists: a phone's session was created, its
    // channel stopped, or its stream started, stopped, changed size or turned.
    void addDevice(QPVAirPlayClient *client);
    void removeDevice(QPVAirPlayClient *client);
    void updateDevice(QPVAirPlayClient *client);

    int currentPage() const { return m_page; }
    int pageCount() const { return m_pageCount; }
    int cellsPerPage() const { return m_cellsPerPage; }
    // The window in the large item, or null.
    QPVDeviceWidget *selectedWidget() const;
    // Item 0 is the large item, the rest the thumbnails of the current page.
    QVector<QMDItemWidget *> itemWidgets() const { return m_items; }

signals:
    void gridLayoutInvalidate();

protected slots:
    void didClickMin();
    void didClickClose();
    void didClickItemWidget(QMDItemWidget *itemWidget);
    void didClickPrev();
    void didClickNext();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    void buildForm();
    void gatherWindows();
    void layoutGrid();
    void recountPages(int phones);
    void resizeItems(int count);
    void placeThumbnails(const QList<QPVDeviceWidget *> &windows);
    void selectWindow(QPVDeviceWidget *window);
    void releaseWindows();
    // The phones' windows in the receiver's order of connection.
    QList<QPVDeviceWidget *> clientWindows() const;
    QMDItemWidget *thumbnailOf(const QPVDeviceWidget *window) const;
    void retranslate();

    QPointer<QPVAirPlayService> m_service;
    QWidget *m_ctrlZone = nullptr;
    QLabel *m_labelPageInfo = nullptr;
    QVector<QMDItemWidget *> m_items;
    QPointer<QPVDeviceWidget> m_selected;
    int m_page = 1;
    int m_pageCount = 1;
    int m_cellsPerPage = 0;
    bool m_released = false;
};
