// Key-map profile files: both formats as they are read and written, what bad files do, the
// built-in profiles copied out once, the profile folder, saves that never leave half a file,
// and the key map each phone had switched on.

#include "app/PVSettings.h"
#include "control/CKBMapProfile.h"
#include "control/CKBMapService.h"
#include "control/KBMapFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// "type/role key @x,y size w,h" with the wheel's four keys and offsets, or a drag's points.
QString describe(const KBMapNode& node)
{
    auto key = [](const KBMapNode::KeySlot& slot) {
        const QString name = KBMapFormat::keyName(slot.kind, slot.key);
        return name.isEmpty() ? QString("-") : QString("%1:%2").arg(slot.kind).arg(name);
    };
    auto pair = [](double a, double b) { return QString("%1,%2").arg(a).arg(b); };
    QString text = QString("%1/%2 %3 @%4 size %5")
                       .arg(node.itemType).arg(node.roleType).arg(key(node.keys[0]))
                       .arg(pair(node.position.x(), node.position.y()))
                       .arg(pair(node.size.width(), node.size.height()));
    if (node.itemType == KBMapNode::SteeringWheel) {
        for (int i = 1; i < KBMapNode::kSlotCount; ++i)
            text += " " + key(node.keys[i]);
        for (const KBMapNode::KeySlot& slot : node.keys)
            text += " (" + pair(slot.offset.x(), slot.offset.y()) + ")";
    }
    if (node.itemType == KBMapNode::Drag)
        text += " from " + pair(node.points[0].x(), node.points[0].y()) + " to " + pair(node.points[1].x(), node.points[1].y());
    if (!node.comment.isEmpty())
        text += " \"" + QString::fromUtf8(node.comment) + "\"";
    return text;
}

QStringList describeAll(const QList<KBMapNode>& nodes)
{
    QStringList lines;
    for (const KBMapNode& node : nodes)
        lines << describe(node);
    return lines;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray current(const QByteArray& keys)
{
    return "{\"canvas_size\": {\"width\": 1483, \"height\": 667}, \"keys\": [" + keys + "]}";
}

const QByteArray kSpace = "{\"itemType\": 1, \"roleType\": 0, \"key\": \"Key_Space\", \"pos\": {\"x\": 0.9299, \"y\": 0.7046}, "
                          "\"size\": {\"width\": 0.0405, \"height\": 0.0900}}";
const QString kSpaceLine = "1/0 1:Key_Space @0.9299,0.7046 size 0.0405,0.09";

} // namespace

class TestKBMapProfiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(resources); }
    void readsBothFormats_data();
    void readsBothFormats();
    void badFilesAreRefusedOrTrimmed_data();
    void badFilesAreRefusedOrTrimmed();
    void builtInProfilesAreTheGamesLayouts();
    void firstStartInstallsTheBuiltInProfilesOnce();
    void folderListsCreatesAndRemovesProfiles();
    void savesWholeFilesAndRenames();
    void remembersTheKeyMapOfEachPhone();
};

void TestKBMapProfiles::readsBothFormats_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("nodes");
    QTest::addColumn<QSizeF>("canvas");

    QTest::newRow("current click") << current(kSpace) << QStringList{kSpaceLine} << QSizeF(1483, 667);
    QTest::newRow("current wheel, drag and mouse button")
        << current("{\"itemType\": 4, \"pos\": {\"x\": 0.1962, \"y\": 0.7496}, \"size\": {\"width\": 0.1564, \"height\": 0.3478},"
                   " \"keyUp\": {\"key\": \"Key_W\", \"offset\": {\"x\": 0, \"y\": -0.1079}}, \"keyLeft\": {\"key\": \"Key_A\", \"offset\": {\"x\": -0.0486, \"y\": 0}},"
                   " \"keyDown\": {\"key\": \"Key_S\", \"offset\": {\"x\": 0, \"y\": 0.1079}}, \"keyRight\": {\"key\": \"Key_D\", \"offset\": {\"x\": 0.0486, \"y\": 0}}},"
                   "{\"itemType\": 3, \"key\": \"Key_J\", \"pos\": {\"x\": 0.6, \"y\": 0.8},"
                   " \"points\": [{\"x\": 0.6, \"y\": 0.9}, {\"x\": 0.6, \"y\": 0.7}, {\"x\": 0.1, \"y\": 0.1}]},"
                   "{\"itemType\": 1, \"key\": \"LeftButton\", \"pos\": {\"x\": 0.86, \"y\": 0.53}}")
        << QStringList{"4/0 1:Key_W @0.1962,0.7496 size 0.1564,0.3478 1:Key_A 1:Key_S 1:Key_D (0,-0.1079) (-0.0486,0) (0,0.1079) (0.0486,0)",
                       "3/0 1:Key_J @0.6,0.8 size 0,0 from 0.6,0.9 to 0.6,0.7", "1/0 2:LeftButton @0.86,0.53 size 0,0"}
        << QSizeF(1483, 667);
    // A name of no mouse button and no key reads as no key; the node stays for the editor.
    QTest::newRow("unknown key name") << current("{\"itemType\": 1, \"key\": \"Key_Nothing\", \"pos\": {\"x\": 0.5, \"y\": 0.5}}")
                                      << QStringList{"1/0 - @0.5,0.5 size 0,0"} << QSizeF(1483, 667);
    QTest::newRow("older click") << QByteArray("{\"switchKey\": \"Key_QuoteLeft\", \"keyMapNodes\": [{\"type\": \"KMT_CLICK\", "
                                               "\"comment\": \"jump\", \"key\": \"Key_Space\", \"pos\": {\"x\": 0.5, \"y\": 0.5}}]}")
                                 << QStringList{"1/0 1:Key_Space @0.5,0.5 size 0,0 \"jump\""} << QSizeF(0, 0);
    QTest::newRow("older wheel and double click, other types skipped")
        << QByteArray("{\"switchKey\": 1, \"keyMapNodes\": [{\"type\": \"KMT_STEER_WHEEL\", \"centerPos\": {\"x\": 0.2, \"y\": 0.75},"
                      " \"upKey\": \"Key_W\", \"leftKey\": \"Key_A\", \"downKey\": \"Key_S\", \"rightKey\": \"Key_D\","
                      " \"upOffset\": 0.1, \"leftOffset\": 0.05, \"downOffset\": 0.12, \"rightOffset\": 0.06},"
                      " {\"type\": \"KMT_DRAG\"}, {\"type\": \"KMT_CLICK_TWICE\", \"key\": \"Key_X\", \"pos\": {\"x\": 0.4, \"y\": 0.8}}]}")
        << QStringList{"4/0 1:Key_W @0.2,0.75 size 0,0 1:Key_A 1:Key_S 1:Key_D (0,-0.1) (-0.05,0) (0,0.12) (0.06,0)",
                       "2/0 1:Key_X @0.4,0.8 size 0,0"}
        << QSizeF(0, 0);
    // Comments keep at most 127 bytes and never end inside a character.
    QTest::newRow("older long comment")
        << QByteArray("{\"switchKey\": 1, \"keyMapNodes\": [{\"type\": \"KMT_CLICK\", \"key\": \"Key_A\", \"comment\": \"")
               + QString(63, QChar(0x00e9)).toUtf8() + "\\u00e9zz\"}]}"
        << QStringList{"1/0 1:Key_A @0,0 size 0,0 \"" + QString(63, QChar(0x00e9)) + "\""} << QSizeF(0, 0);
}

void TestKBMapProfiles::readsBothFormats()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, nodes);
    QFETCH(QSizeF, canvas);
    QTemporaryDir dir;
    const QString path = dir.filePath("Race.json");
    QVERIFY(writeFile(path, file));
    CKBMapProfile profile(path);
    QVERIFY(profile.load());
    QCOMPARE(describeAll(profile.nodes()), nodes);
    QCOMPARE(profile.canvasSize(), canvas);

    // What is written reads back the same, in the current format; comments are not written.
    QVERIFY(profile.save());
    const QByteArray written = readFile(path);
    QVERIFY(!written.contains("switchKey"));
    CKBMapProfile again(path);
    QVERIFY(again.load());
    QStringList withoutComments = nodes;
    withoutComments.replaceInStrings(QRegularExpression(" \".*\"$"), QString());
    QCOMPARE(describeAll(again.nodes()), withoutComments);
}

void TestKBMapProfiles::badFilesAreRefusedOrTrimmed_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("nodes");
    QTest::addColumn<QString>("logged");

    QTest::newRow("empty") << QByteArray() << false << QStringList() << "refused: the file is empty";
    QTest::newRow("blank") << QByteArray(" \n\t ") << false << QStringList() << "refused: the file is empty";
    QTest::newRow("not JSON") << QByteArray("keys: space") << false << QStringList() << "refused: not JSON";
    QTest::newRow("not UTF-8") << QByteArray("{\"keys\": [\"\xff\xfe\"]}") << false << QStringList() << "refused: not JSON";
    QTest::newRow("deeply nested") << QByteArray(5000, '[') + QByteArray(5000, ']') << false << QStringList() << "refused: not JSON";
    QTest::newRow("huge") << current(kSpace) + QByteArray(KBMapFormat::kMaxFileBytes, ' ') << false << QStringList()
                          << "refused: the file is larger than";
    QTest::newRow("a list") << QByteArray("[1, 2]") << false << QStringList() << "refused: the document is not an object";
    QTest::newRow("keys not a list") << QByteArray("{\"keys\": {\"a\": 1}}") << false << QStringList() << "refused: \"keys\" is not a list";
    QTest::newRow("older nodes not a list") << QByteArray("{\"switchKey\": 0, \"keyMapNodes\": 3}") << false << QStringList()
                                            << "refused: \"keyMapNodes\" is not a list";
    // Bad nodes go, good ones stay.
    QTest::newRow("wrong types") << current("{\"itemType\": \"1\", \"key\": \"Key_A\"}, {\"itemType\": 1, \"pos\": \"middle\"},"
                                            "{\"itemType\": 1, \"key\": 32}, 7, null, " + kSpace)
                                 << true << QStringList{kSpaceLine} << "node 4 skipped: not an object";
    QTest::newRow("out of range") << current("{\"itemType\": 1, \"key\": \"Key_A\", \"pos\": {\"x\": 1.5, \"y\": 0.5}},"
                                             "{\"itemType\": 1, \"key\": \"Key_A\", \"size\": {\"width\": -0.1, \"height\": 0.1}},"
                                             "{\"itemType\": 9, \"key\": \"Key_A\"}, {\"itemType\": 1, \"roleType\": 7},"
                                             "{\"itemType\": 1.5}, {\"roleType\": 0}, " + kSpace)
                                  << true << QStringList{kSpaceLine} << "node 0 skipped: \"x\" is out of range";
    // JSON has no NaN; a number too large for a double is the nearest thing to one.
    QTest::newRow("infinite numbers") << current("{\"itemType\": 1, \"key\": \"Key_A\", \"pos\": {\"x\": 1e999, \"y\": 0}}, " + kSpace)
                                      << false << QStringList() << "refused: not JSON";
    QTest::newRow("huge numbers") << current("{\"itemType\": 1, \"key\": \"Key_A\", \"pos\": {\"x\": 1e308, \"y\": -1e308}}, " + kSpace)
                                  << true << QStringList{kSpaceLine} << "node 0 skipped: \"x\" is out of range";
    QTest::newRow("wheel offset out of range")
        << current("{\"itemType\": 4, \"keyUp\": {\"key\": \"Key_W\", \"offset\": {\"x\": 0, \"y\": -3}}}, " + kSpace)
        << true << QStringList{kSpaceLine} << "node 0 skipped: \"y\" is out of range";
    QTest::newRow("bad canvas") << QByteArray("{\"canvas_size\": {\"width\": -5, \"height\": 1e300}, \"keys\": [" + kSpace + "]}")
                                << true << QStringList{kSpaceLine} << "canvas size ignored";
    QByteArray many;
    for (int i = 0; i < KBMapFormat::kMaxNodes + 44; ++i)
        many += (i ? "," : "") + kSpace;
    QStringList kept;
    for (int i = 0; i < KBMapFormat::kMaxNodes; ++i)
        kept << kSpaceLine;
    QTest::newRow("more nodes than kept") << current(many) << true << kept << "nodes after the first 256 skipped";
}

void TestKBMapProfiles::badFilesAreRefusedOrTrimmed()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loads);
    QFETCH(QStringList, nodes);
    QFETCH(QString, logged);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.json");
    // A profile that loaded once keeps its nodes when its file goes bad.
    QVERIFY(writeFile(path, current(kSpace)));
    CKBMapProfile profile(path);
    QVERIFY(profile.load());
    QVERIFY(writeFile(path, file));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(logged)));
    QCOMPARE(profile.load(), loads);
    QCOMPARE(describeAll(profile.nodes()), loads ? nodes : QStringList{kSpaceLine});
    // The file itself is left as it was.
    QCOMPARE(readFile(path), file);
}

void TestKBMapProfiles::builtInProfilesAreTheGamesLayouts()
{
    const QList<QPair<QString, int>> builtIn{{"GameForPeace", 28}, {"LOL-3", 17}, {"LOL-4", 19}};
    for (const auto& entry : builtIn) {
        CKBMapProfile profile(":/keymap/" + entry.first + ".json");
        QVERIFY2(profile.load(), qPrintable(entry.first));
        QCOMPARE(profile.nodeCount(), entry.second);
        QCOMPARE(profile.canvasSize(), QSizeF(1483, 667));
        // Every node can be played: it has its keys, and no key is used twice.
        QSet<QString> used;
        for (const KBMapNode& node : profile.nodes()) {
            const int keys = node.itemType == KBMapNode::SteeringWheel ? KBMapNode::kSlotCount : 1;
            for (int i = 0; i < keys; ++i) {
                if (node.roleType == KBMapNode::FieldOfView)
                    continue;
                const QString key = KBMapFormat::keyName(node.keys[i].kind, node.keys[i].key);
                QVERIFY2(!key.isEmpty() && !used.contains(key), qPrintable(entry.first + " " + describe(node)));
                used.insert(key);
            }
        }
    }
    // The shooter holds the space click and the W/A/S/D wheel exactly as documented.
    CKBMapProfile shooter(":/keymap/GameForPeace.json");
    QVERIFY(shooter.load());
    QCOMPARE(describe(shooter.nodes().at(0)), kSpaceLine);
    QCOMPARE(describe(shooter.nodes().at(1)),
             QString("4/0 1:Key_W @0.1962,0.7496 size 0.1564,0.3478 1:Key_A 1:Key_S 1:Key_D (0,-0.1079) (-0.0486,0) (0,0.1079) (0.0486,0)"));
    QVERIFY(shooter.findRoleType(KBMapNode::FieldOfView) >= 0);
    int direction = -1;
    QCOMPARE(shooter.findKey(KBMapNode::KeyboardKey, Qt::Key_D, &direction), 1);
    QCOMPARE(direction, int(KBMapNode::Right));
    QCOMPARE(shooter.findKey(KBMapNode::MouseButton, Qt::LeftButton) >= 0, true);
    QCOMPARE(shooter.findKey(KBMapNode::KeyboardKey, Qt::Key_P), -1);
}

void TestKBMapProfiles::firstStartInstallsTheBuiltInProfilesOnce()
{
    QTemporaryDir data;
    std::unique_ptr<QSettings> settings(PVSettings::loadSettings(data.path(), nullptr));
    const QString folder = data.filePath("kbmapper");
    {
        CKBMapService service(folder, settings.get());
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 QStringList({"[PV]GameForPeace.json", "[PV]LOL-3.json", "[PV]LOL-4.json"}));
        for (const QString& name : CKBMapService::defaultProfileNames())
            QCOMPARE(readFile(folder + "/[PV]" + name), readFile(":/keymap/" + name));
    }
    std::unique_ptr<QSettings> reread(PVSettings::loadSettings(data.path(), nullptr));
    QCOMPARE(reread->value("KBMapping").toMap().value("restoreDefaultProfiles"), QVariant(false));

    // A second start copies nothing: a removed or changed built-in profile stays as the user left it.
    QVERIFY(QFile::remove(folder + "/[PV]LOL-3.json"));
    QVERIFY(writeFile(folder + "/[PV]LOL-4.json", current(kSpace)));
    CKBMapService again(folder, reread.get());
    QVERIFY(!QFile::exists(folder + "/[PV]LOL-3.json"));
    // Reset brings them back as built.
    again.restoreDefaultProfiles(true);
    QCOMPARE(readFile(folder + "/[PV]LOL-3.json"), readFile(":/keymap/LOL-3.json"));
    QCOMPARE(readFile(folder + "/[PV]LOL-4.json"), readFile(":/keymap/LOL-4.json"));
}

void TestKBMapProfiles::folderListsCreatesAndRemovesProfiles()
{
    QTemporaryDir data;
    std::unique_ptr<QSettings> settings(PVSettings::loadSettings(data.path(), nullptr));
    const QString folder = data.filePath("kbmapper");
    CKBMapService service(folder, settings.get());
    QVERIFY(writeFile(folder + "/Race.JSON", current(kSpace)));
    QVERIFY(writeFile(folder + "/notes.txt", "not a profile"));
    QVERIFY(QDir(folder).mkdir("folder.json"));

    auto names = [&service](bool refresh) {
        QStringList list;
        for (const CKBMapProfile* profile : service.profiles(refresh))
            list << profile->name();
        return list;
    };
    QCOMPARE(names(false), QStringList());
    QCOMPARE(names(true), QStringList({"[PV]GameForPeace", "[PV]LOL-3", "[PV]LOL-4", "Race"}));

    // Names that are taken or would leave the folder give no profile.
    QVERIFY(!service.newProfile("[PV]LOL-3"));
    QVERIFY(!service.newProfile("Race"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("name \"../outside\" refused"));
    QVERIFY(!service.newProfile("../outside"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("name \"\" refused"));
    QVERIFY(!service.newProfile(""));
    QVERIFY(!CKBMapService::isValidName("a/b") && !CKBMapService::isValidName("..") && !CKBMapService::isValidName(QString(300, 'x')));

    CKBMapProfile* created = service.newProfile("Sniper");
    QVERIFY(created);
    QCOMPARE(created->path(), folder + "/Sniper.json");
    QVERIFY(!QFile::exists(created->path()));
    QVERIFY(!service.newProfile("Sniper"));
    created->setNodes(service.profiles(false).first()->nodes());
    QVERIFY(created->save());
    QVERIFY(service.removeProfile(created));
    QVERIFY(!QFile::exists(folder + "/Sniper.json"));
    QVERIFY(!service.removeProfile(created));
    QCOMPARE(names(true).size(), 4);
}

void TestKBMapProfiles::savesWholeFilesAndRenames()
{
    QTemporaryDir dir;
    const QString old = dir.filePath("Old.json");
    QVERIFY(writeFile(old, current(kSpace)));
    CKBMapProfile profile(old);
    QVERIFY(profile.load());

    // Saving under a new name writes the new file and only then removes the old one.
    QVERIFY(profile.save(dir.filePath("New.json")));
    QCOMPARE(profile.name(), QString("New"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"New.json"});

    // A save that cannot be written says so and leaves the profile's file whole.
    const QByteArray before = readFile(profile.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be written"));
    QVERIFY(!profile.save(dir.filePath("missing/folder/Other.json")));
    QCOMPARE(profile.name(), QString("New"));
    QCOMPARE(readFile(profile.path()), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"New.json"});
}

void TestKBMapProfiles::remembersTheKeyMapOfEachPhone()
{
    QTemporaryDir data;
    std::unique_ptr<QSettings> settings(PVSettings::loadSettings(data.path(), nullptr));
    {
        CKBMapService service(data.filePath("kbmapper"), settings.get());
        service.setAppliedProfile("droid-1", "[PV]GameForPeace");
        service.setAppliedProfile("droid-2", "[PV]LOL-4");
        service.setAppliedProfile("droid-2", QString());
        service.setAppliedProfile(QString(), "nobody");
    }
    std::unique_ptr<QSettings> reread(PVSettings::loadSettings(data.path(), nullptr));
    const QVariantMap group = reread->value("KBMapping").toMap();
    QCOMPARE(group.value("appliedProfiles").toMap(), (QVariantMap{{"droid-1", "[PV]GameForPeace"}}));
    CKBMapService service(data.filePath("kbmapper"), reread.get());
    QCOMPARE(service.appliedProfile("droid-1"), QString("[PV]GameForPeace"));
    QCOMPARE(service.appliedProfile("droid-2"), QString());
}

QTEST_GUILESS_MAIN(TestKBMapProfiles)
#include "test_kbmap_profiles.moc"
