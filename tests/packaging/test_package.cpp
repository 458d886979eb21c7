// The Debian packages as "cpack -G DEB" builds them: what the program needs is in, and
// nothing of the tests.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(480000);
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromLocal8Bit(p.readAll());
}

// Paths of a package, without the leading ".".
QStringList contents(const QString& deb)
{
    QStringList paths;
    for (const QString& line : run("dpkg-deb", {"-c", deb}).split('\n', Qt::SkipEmptyParts))
        paths << line.section(' ', 5, 5, QString::SectionSkipEmpty).mid(1);
    return paths;
}

} // namespace

class TestPackage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_out;

private slots:
    void initTestCase()
    {
        int rc = -1;
        const QString log = run(CPACK_COMMAND, {"-G", "DEB", "-B", m_out.path(), "--config",
                                                   PIVORA_BUILD_DIR "/CPackConfig.cmake"}, &rc);
        QVERIFY2(rc == 0, qPrintable(log));
    }

    void programPackage()
    {
        const QStringList debs = QDir(m_out.path()).entryList({"pivora_*_amd64.deb"});
        QCOMPARE(debs.size(), 1);
        const QStringList paths = contents(m_out.path() + "/" + debs.first());
        for (const char* path : {"/usr/bin/pivora", "/usr/lib/pivora/pivora", "/usr/lib/pivora/pivora-usb-helper",
                 "/usr/share/applications/pivora.desktop", "/usr/share/icons/hicolor/scalable/apps/pivora.svg",
                 "/usr/share/icons/hicolor/48x48/apps/pivora.png", "/usr/share/polkit-1/actions/com.orvane.pivora.policy",
                 "/etc/udev/rules.d/"})
            QVERIFY2(paths.contains(path), path);
        // Every library of the program folder, linked or loaded by name, is shipped beside it.
        const QStringList libraries = QDir(PIVORA_BUILD_DIR "/bin").entryList({"lib*.so*"}, QDir::Files);
        QVERIFY(libraries.size() >= 3);
        for (const QString& library : libraries)
            QVERIFY2(paths.contains("/usr/lib/pivora/" + library), qPrintable(library));
        // The program finds the ones it links there too.
        const QString ldd = run("ldd", {PIVORA_BUILD_DIR "/bin/pivora"});
        QVERIFY2(!ldd.contains("not found"), qPrintable(ldd));
        for (const QString& path : paths) {
            QVERIFY2(!path.contains("test") && !path.contains("recorder") && !path.contains("pivora-cast") &&
                    !path.contains("bench"),
                qPrintable(path));
        }
        // The web service comes in its own package.
        QVERIFY(!paths.contains("/usr/bin/pivora-api"));
        const QString info = run("dpkg-deb", {"-I", m_out.path() + "/" + debs.first()});
        QVERIFY(info.contains(QRegularExpression("Depends: .*pkexec")));
    }

    void webServicePackage()
    {
        const QStringList debs = QDir(m_out.path()).entryList({"pivora-api_*_amd64.deb"});
        QCOMPARE(debs.size(), 1);
        const QStringList paths = contents(m_out.path() + "/" + debs.first());
        QVERIFY(paths.contains("/usr/bin/pivora-api"));
        QVERIFY(paths.contains("/usr/share/pivora-api/pivora-api.json"));
        QVERIFY(!paths.join('\n').contains("/usr/lib/pivora"));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
