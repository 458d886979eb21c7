#include "ui/QGuideWidget.h"

#include "app/QPivoraApplication.h"
#include "ui/PVSkin.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

const char kWiredAnimation[] = ":/asset/wired.gif";
const char kQrPicture[] = ":/asset/droid-qrcode.png";
// The animations are drawn at this size; the QR picture is centred in the same box.
const QSize kPictureSize(400, 260);

QString currentLanguage()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    return app ? app->language() : QString();
}

} // namespace

QGuideWidget::QGuideWidget(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("QGuideWidget"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The content area's own background shows through.
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAutoFillBackground(false);
    buildSections();
    retranslate();
    setAnimation(m_sections[0], QString::fromLatin1(kWiredAnimation));
    setAnimation(m_sections[1], wirelessAnimation(currentLanguage()));
    setImage(m_sections[2], QString::fromLatin1(kQrPicture));
    setImage(m_sections[3], QString::fromLatin1(kQrPicture));
    PVSkin::apply(this);
}

QGuideWidget::~QGuideWidget() = default;

QString QGuideWidget::wirelessAnimation(const QString& language)
{
    return language == QLatin1String("zh-cn") ? QStringLiteral(":/asset/mirror_cn.gif")
                                              : QStringLiteral(":/asset/mirror_en.gif");
}

void QGuideWidget::buildSections()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("guideContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(48, 24, 48, 24);
    column->setSpacing(20);
    for (int i = 0; i < kSectionCount; ++i) {
        Section& s = m_sections[i];
        const QString number = QString::number(i + 1);
        auto* box = new QWidget(content);
        box->setObjectName(QStringLiteral("sectionGuide") + number);
        box->setProperty("guideSection", true);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(16, 16, 24, 16);
        row->setSpacing(28);
        s.picture = new QLabel(box);
        s.picture->setObjectName(QStringLiteral("imageGuide") + number);
        s.picture->setProperty("guidePicture", true);
        s.picture->setFixedSize(kPictureSize);
        s.picture->setAlignment(Qt::AlignCenter);
        row->addWidget(s.picture);

        auto* texts = new QVBoxLayout;
        texts->setSpacing(10);
        s.title = new QLabel(box);
        s.title->setObjectName(QStringLiteral("lbGuideTitle") + number);
        s.title->setProperty("guideTitle", true);
        s.description = new QLabel(box);
        s.description->setObjectName(QStringLiteral("lbGuideDesc") + number);
        s.description->setProperty("guideDescription", true);
        s.description->setWordWrap(true);
        s.description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        texts->addStretch(1);
        texts->addWidget(s.title);
        texts->addWidget(s.description);
        texts->addStretch(1);
        row->addLayout(texts, 1);
        column->addWidget(box);
    }
    column->addStretch(1);
    setWidget(content);
}

void QGuideWidget::retranslate()
{
    const QString titles[kSectionCount] = {
        tr("iOS Device Wired Connection"),
        tr("iOS Device Wireless Connection"),
        tr("Android Device Wired Connection"),
        tr("Android Device Wireless Connection"),
    };
    const QString descriptions[kSectionCount] = {
        tr("1. Connect your iPhone or iPad to your computer via your charging cable.\nIf you see an alert of 'Trust "
           "this Computer?' , please tap on the 'Trust' .\n2. Your iPhone or iPad will mirror its display "
           "automatically to your computer while it is being connected.\n3. Please Turn off the screen mirroring by "
           "Unplugging the cable."),
        tr("1. Make sure your Phone and computer are on the same WiFi.\n2. Open the Control Center by swiping up from "
           "the bottom of the device screen or swiping down from the top right corner of the screen (varies by device "
           "and iOS version).\n3. Tap the 'Screen Mirroring' or 'AirPlay' button.\n4. Select your computer, then your "
           "iOS screen will show on your computer."),
        tr("1. Scan a QR Code above to download and install application.\n2. After installed application, Connect your "
           "Phone to your computer via your charging cable.\n3. Your Phone Screen will mirror its display automaticly "
           "to youre computer while it is being connected.\n4. Please Turn off the screen mirroring by Unplugging the "
           "cable."),
        tr("1. Scan a QR Code above to download and install application.\n2. Make sure your Phone and computer are on "
           "the same WiFi.\n3. Select your computer, then your Android screen will show on your computer."),
    };
    for (int i = 0; i < kSectionCount; ++i) {
        m_sections[i].title->setText(titles[i]);
        m_sections[i].description->setText(descriptions[i]);
    }
}

void QGuideWidget::setAnimation(Section& section, const QString& resource)
{
    if (section.resource == resource && section.movie)
        return;
    const bool wasRunning = section.movie && section.movie->state() == QMovie::Running;
    delete section.movie.data();
    section.resource = resource;
    section.movie = new QMovie(resource, QByteArray(), this);
    if (!section.movie->isValid())
        qWarning("Guide animation %s could not be read", qPrintable(resource));
    section.movie->setCacheMode(QMovie::CacheAll);
    section.picture->setMovie(section.movie);
    // Show the first frame even while stopped.
    section.movie->jumpToFrame(0);
    if (wasRunning || isVisible())
        section.movie->start();
}

void QGuideWidget::setImage(Section& section, const QString& resource)
{
    section.resource = resource;
    QPixmap picture(resource);
    if (picture.isNull())
        qWarning("Guide picture %s could not be read", qPrintable(resource));
    section.picture->setPixmap(picture);
}

QString QGuideWidget::sectionTitle(int index) const
{
    return index >= 0 && index < kSectionCount ? m_sections[index].title->text() : QString();
}

QString QGuideWidget::sectionDescription(int index) const
{
    return index >= 0 && index < kSectionCount ? m_sections[index].description->text() : QString();
}

QString QGuideWidget::sectionPicture(int index) const
{
    return index >= 0 && index < kSectionCount ? m_sections[index].resource : QString();
}

int QGuideWidget::runningAnimations() const
{
    int running = 0;
    for (const Section& s : m_sections)
        running += s.movie && s.movie->state() == QMovie::Running ? 1 : 0;
    return running;
}

void QGuideWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        setAnimation(m_sections[1], wirelessAnimation(currentLanguage()));
    }
    QScrollArea::changeEvent(event);
}

void QGuideWidget::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    for (Section& s : m_sections) {
        if (s.movie)
            s.movie->start();
    }
}

void QGuideWidget::hideEvent(QHideEvent* event)
{
    for (Section& s : m_sections) {
        if (s.movie)
            s.movie->stop();
    }
    QScrollArea::hideEvent(event);
}
