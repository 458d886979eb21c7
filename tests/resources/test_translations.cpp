// Every language ships complete: each .ts holds every text the sources ask for, finished, with
// the same place markers as the English text, and its compiled form is in the program.
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QVector<Entry> readTs(const QString& path, QString* error)
{
    QFile file(path);
    QVector<Entry> entries;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            entry = Entry{context, {}, {}, {}};
        else if (name == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return entries;
}

QString keyOf(const Entry& e) { return e.context + QLatin1Char('|') + e.source; }

// Numbered markers may move; printf-style ones ("%s", "%d" and the driver texts' bare "%") are
// filled in order, so they must stay in order.
QStringList markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n|L\\d+|[sd])?"));
    QStringList numbered;
    QStringList ordered;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QString found = it.next().captured(0);
        (found.size() > 1 && found != QLatin1String("%s") && found != QLatin1String("%d") ? numbered : ordered) << found;
    }
    numbered.sort();
    return numbered + ordered;
}

QString langDir() { return QStringLiteral(PIVORA_SOURCE_DIR "/resources/lang"); }

QStringList languages() { return QStringLiteral(PIVORA_LANGUAGES).split(QLatin1Char(',')); }

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QSet<QString> m_wanted;

private slots:
    // What the sources ask for today, by running lupdate on them into a scratch file.
    void initTestCase()
    {
        Q_INIT_RESOURCE(lang);
        QTemporaryDir dir;
        const QString scratch = dir.filePath(QStringLiteral("sources.ts"));
        QStringList args{QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                         QStringLiteral("none"), QStringLiteral("-I"), QStringLiteral(PIVORA_SOURCE_DIR)};
        for (const QString& folder : QStringLiteral(PIVORA_TS_SOURCES).split(QLatin1Char(','))) {
            if (QDir(QStringLiteral(PIVORA_SOURCE_DIR "/") + folder).exists())
                args << folder;
        }
        args << QStringLiteral("-ts") << scratch;
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(PIVORA_SOURCE_DIR));
        lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE), args);
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        for (const Entry& e : readTs(scratch, &error))
            m_wanted.insert(keyOf(e));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_wanted.size() > 100);
    }

    void complete_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : languages())
            QTest::newRow(qPrintable(code)) << code;
    }

    void complete()
    {
        QFETCH(QString, code);
        QString error;
        const QVector<Entry> entries = readTs(langDir() + QLatin1Char('/') + code + QStringLiteral(".ts"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSet<QString> present;
        QStringList faults;
        for (const Entry& e : entries) {
            present.insert(keyOf(e));
            if (!e.type.isEmpty())
                faults << QStringLiteral("%1 \"%2\": %3").arg(e.context, e.source, e.type);
            else if (e.translation.trimmed().isEmpty())
                faults << QStringLiteral("%1 \"%2\": empty").arg(e.context, e.source);
            else if (markers(e.source) != markers(e.translation))
                faults << QStringLiteral("%1 \"%2\": place markers differ in \"%3\"").arg(e.context, e.source, e.translation);
            // Qt lays out a label's rich text left to right whatever the widget's direction.
            else if (code == QLatin1String("ar") && e.translation.contains(QLatin1String("<p"))
                     && e.translation.count(QLatin1String("<p")) != e.translation.count(QLatin1String("<p dir=\"rtl\"")))
                faults << QStringLiteral("%1 \"%2\": paragraphs without dir=\"rtl\"").arg(e.context, e.source);
        }
        for (const QString& key : m_wanted) {
            if (!present.contains(key))
                faults << QStringLiteral("missing: ") + key;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(code + QStringLiteral(":\n  ") + faults.mid(0, 20).join(QStringLiteral("\n  "))));
    }

    // The compiled files are in the program, and Arabic turns the layout right to left.
    void compiledAndDirection()
    {
        for (const QString& code : languages()) {
            QTranslator translator;
            QVERIFY2(translator.load(code + QStringLiteral(".qm"), QStringLiteral(":/lang/")), qPrintable(code));
            QVERIFY2(qApp->installTranslator(&translator), qPrintable(code));
            QCoreApplication::processEvents();
            const Qt::LayoutDirection expected = code == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight;
            QCOMPARE(QGuiApplication::layoutDirection(), expected);
            qApp->removeTranslator(&translator);
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
