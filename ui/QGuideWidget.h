#pragma once
// The quick start guide of the home screen: four ways to connect a phone, each a picture beside
// a title and the steps. The animations run only while the guide is shown.

#include <QPointer>
#include <QScrollArea>

class QLabel;
class QMovie;

class QGuideWidget : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kSectionCount = 4;

    explicit QGuideWidget(QWidget* parent = nullptr);
    ~QGuideWidget() override;

    // The wireless animation for a language code: the Chinese one for "zh-cn" only.
    static QString wirelessAnimation(const QString& language);

    QString sectionTitle(int index) const;
    QString sectionDescription(int index) const;
    // The resource shown in a section (an animation or the QR picture).
    QString sectionPicture(int index) const;
    // The animations that are running now.
    int runningAnimations() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Section {
        QLabel* picture = nullptr;
        QLabel* title = nullptr;
        QLabel* description = nullptr;
        QPointer<QMovie> movie;
        QString resource;
    };

    void buildSections();
    void retranslate();
    void setAnimation(Section& section, const QString& resource);
    void setImage(Section& section, const QString& resource);

    Section m_sections[kSectionCount];
};
