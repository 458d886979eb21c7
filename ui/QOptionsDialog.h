#pragma once
// The modal settings window: page buttons on the left, one page at a time on the right, and
// "Restore Defaults", "Save" and "Cancel" below. Only "Save" and "Restore Defaults" write the
// "options" value of the settings store.

#include "ui/FramelessWindow.h"

#include <QDialog>
#include <QVector>

class QButtonGroup;
class QLabel;
class QOptionsFrame;
class QPushButton;
class QStackedWidget;

class QOptionsDialog : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    enum Page { General, IOSDevice, AndroidDevice, Video, Recording, Hardware, Shortcuts, Update, PageCount };

    explicit QOptionsDialog(QWidget* parent);
    ~QOptionsDialog() override;

    QOptionsFrame* page(int index) const;
    // The page that edits an option group, or null.
    QOptionsFrame* pageForGroup(const QString& group) const;
    int currentPage() const;
    void showPage(int index);

    QPushButton* restoreButton() const { return m_btnRestore; }
    QPushButton* saveButton() const { return m_btnSave; }
    QPushButton* cancelButton() const { return m_btnCancel; }

private slots:
    void didClickPage(int index);
    void didClickRestore();
    void didClickSave();

private:
    QWidget* createTitleBar();
    QWidget* createPageBar();
    QWidget* createActionBar();
    void createPages();
    void loadPages();
    // Writes "options" and syncs; an unwritable file is reported, the values still apply.
    void writeOptions(const QVariantMap& options);

    QButtonGroup* m_pageButtons = nullptr;
    QStackedWidget* m_stack = nullptr;
    QVector<QOptionsFrame*> m_pages;
    QLabel* m_lbCaption = nullptr;
    QPushButton* m_btnClose = nullptr;
    QPushButton* m_btnRestore = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QLabel* m_lbVersion = nullptr;
};
