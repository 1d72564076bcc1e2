// An installed copy: its layout, its desktop entries, and where it keeps the user's data.
#include "app/DataLocation.h"
#include "store/DataStore.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = PANTRELLE_APP_ID;
const QString kDataFile = "Pantrelle Two.mdb";

// Starts `program` with its own home folder, waits until it holds its data file open, and
// ends it as a crash would, so that nothing it writes on an orderly end gets in the way.
bool startUntilOpen(const QString& program, const QString& home, const QString& dataFile) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/.local/share");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    process.waitForStarted();
    bool opened = false;
    for (QDeadlineTimer deadline(60000);
         !opened && !deadline.hasExpired() && process.state() == QProcess::Running;
         QTest::qWait(50)) {
        const QString wanted = QFileInfo(dataFile).canonicalFilePath();
        const QDir descriptors(QString("/proc/%1/fd").arg(process.processId()));
        for (const QFileInfo& descriptor :
             descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            opened |= !wanted.isEmpty() && descriptor.symLinkTarget() == wanted;
    }
    process.kill();
    process.waitForFinished();
    return opened;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    // What the installed runs below cannot show: a missing template leaves nothing
    // half-made for start-up to trip over, and the installed manual is found.
    void aMissingTemplateLeavesTheFileMissing() {
        QTemporaryDir root;
        const QString user = root.filePath("user");
        const DataLocation location =
            PrepareDataLocation(root.filePath("program"), root.filePath("share"), user);
        QCOMPARE(location.dataFolder, user);
        QCOMPARE(location.manualFolder, root.filePath("share"));
        QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void installsAsADesktopApplication() {
        QTemporaryDir root;
        qputenv("DESTDIR", root.filePath("stage").toLocal8Bit());
        QCOMPARE(QProcess::execute(PANTRELLE_CMAKE,
                                   {"--install", PANTRELLE_BUILD_DIR, "--prefix", "/usr"}),
                 0);
        qunsetenv("DESTDIR");
        const QDir usr(root.filePath("stage/usr"));
        const QString program = usr.filePath("bin/pantrelle");
        const QString templateFile = usr.filePath("share/pantrelle/" + kDataFile);
        QStringList expected{program,
                             templateFile,
                             usr.filePath("share/pantrelle/Manual.htm"),
                             usr.filePath("share/applications/" + kAppId + ".desktop"),
                             usr.filePath("share/metainfo/" + kAppId + ".metainfo.xml"),
                             usr.filePath("share/icons/hicolor/scalable/apps/" + kAppId + ".svg")};
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            expected << usr.filePath(
                QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
        for (const QString& file : expected)
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        QVERIFY(QFileInfo(program).isExecutable());
        QVERIFY(!QFileInfo::exists(usr.filePath("bin/" + kDataFile)));
        QCOMPARE(QProcess::execute("desktop-file-validate", {expected[3]}), 0);
        QCOMPARE(QProcess::execute("appstreamcli", {"validate", "--no-net", expected[4]}), 0);

        // The first start makes the user's data file from the template; it opens with the
        // program's password.
        const QString home = root.filePath("home");
        const QString userFile = home + "/.local/share/Pantrelle/" + kDataFile;
        QVERIFY(startUntilOpen(program, home, userFile));
        QCOMPARE(contents(userFile), contents(templateFile));
        DataStore::open(userFile)->run("INSERT INTO Groups (Item) VALUES ('Mine')");
        const QByteArray changed = contents(userFile);

        // The second start uses it as it is.
        QVERIFY(startUntilOpen(program, home, userFile));
        QCOMPARE(contents(userFile), changed);
        QCOMPARE(ReadSettings(*DataStore::open(userFile)).OptionColor, 0);

        // A portable copy, its data file beside it, leaves the user's folder alone.
        const QString portable = root.filePath("portable");
        QDir().mkpath(portable);
        QVERIFY(QFile::copy(program, portable + "/pantrelle"));
        QFile::setPermissions(portable + "/pantrelle", QFile::permissions(program));
        QVERIFY(QFile::copy(templateFile, portable + "/" + kDataFile));
        const QString otherHome = root.filePath("other");
        QVERIFY(startUntilOpen(portable + "/pantrelle", otherHome, portable + "/" + kDataFile));
        QVERIFY(!QFileInfo::exists(otherHome + "/.local/share/Pantrelle"));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
