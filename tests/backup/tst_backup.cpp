// Backup and restore through the backup window, opened from the main window, with
// temporary folders standing in for a fixed disk and a USB stick.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "backup/frmBackup.h"
#include "store/DataStore.h"
#include "ui/Colors.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

const QString kWarning("This will over write your data file! Do you want to continue?");
const QString kError("Error performing Backup or Restore! Insert Backup media and try again!");
const QByteArray kPassword(DataStore::kPassword);
const quint32 kStickColor = 0x00FF8000;

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The bytes of a data file made apart with `password`, one settings row, and `sql` run on it.
QByteArray madeFile(const QByteArray& password, const QString& sql = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("made");
    auto store = DataStore::create(path, password);
    store->run("INSERT INTO dbIndex VALUES (1, 2, ?1, 'Stick List', '')", qint64(kStickColor));
    if (!sql.isEmpty())
        store->run(sql);
    store.reset();
    return read(path);
}

// A good data file exported without encryption: a plain SQLite file.
QByteArray plainFile() {
    QTemporaryDir dir;
    write(dir.filePath("made"), madeFile(kPassword));
    write(dir.filePath("plain"), "");
    auto store = DataStore::open(dir.filePath("made"));
    store->run("ATTACH DATABASE ?1 AS plain KEY ''", dir.filePath("plain"));
    store->run("SELECT sqlcipher_export('plain')");
    store.reset();
    return read(dir.filePath("plain"));
}

// The running program, a fixed disk and a USB stick.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    QTemporaryDir system, stick;
    FakePlatform& platform = data.platform;

    Session() {
        platform.fakeDrives.entries = {{{"SYSTEM", system.path()}, false},
                                       {{"STICK", stick.path()}, true}};
    }
    DataStore& store() { return data.app.store(); }
    QStringList meals() { return Rows(store(), "Meals", {"Meal"}); }
    void addMeal(const QString& meal) {
        store().run("INSERT INTO Meals (Meal, Item) VALUES (?1, 'Eggs')", meal);
    }
    QByteArray working() const { return read(data.dataFile()); }
    QString onStick() const { return stick.filePath("Pantrelle Two.mdb"); }
    QByteArray beforeRestore() const { return read(data.dataFile() + ".before-restore"); }
    // Opens the window from the main window's Options menu; `user` plays the person in it.
    void open(const char* entry, std::function<void(frmBackup&)> user) {
        platform.modalRunner.steps.push_back(
            [user](QDialog* window) { user(*qobject_cast<frmBackup*>(window)); });
        main->findChild<QAction*>(entry)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Presses the window's button with the stick chosen; the window closes.
    void press(const char* entry) {
        open(entry, [](frmBackup& window) {
            window.cmdBackup->click();
            QVERIFY(!window.isVisible());
        });
    }
    // The messages shown since the last call.
    QStringList messages() {
        const QStringList texts = platform.messageBoxes.texts();
        platform.messageBoxes.shown.clear();
        return texts;
    }
    // Temporary files and kept copies left beside the working file or on the stick.
    QStringList leftovers() const {
        const QStringList names{"*.new*", "*.before-restore"};
        return QDir(data.folder()).entryList(names) + QDir(stick.path()).entryList(names);
    }
};

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void choosingTheDrive() {
        Session s;
        DataStore* storeInUse = nullptr;
        s.open("mnuBackup", [&](frmBackup& w) {
            // The stick is offered first. The list follows media coming and going; a choice
            // stays until its medium is taken out.
            QCOMPARE(w.Drive1->currentData().toString(), s.stick.path());
            QList<FakeDrives::Entry>& media = s.platform.fakeDrives.entries;
            media.append({{"KINGSTON", "/media/card", 16'000'000'000}, true});
            QVERIFY(w.Timer1->isActive());
            w.Timer1->setInterval(0);
            QTRY_COMPARE(w.Drive1->count(), 3);
            QCOMPARE(w.Drive1->itemText(2), QString("/media/card (KINGSTON, 14.9 GB)"));
            w.Drive1->setCurrentIndex(2);
            media.append({{"", "/media/other"}, true});
            QTRY_COMPARE(w.Drive1->count(), 4);
            QCOMPARE(w.Drive1->currentData().toString(), QString("/media/card"));
            media.removeAt(2);
            QTRY_COMPARE(w.Drive1->count(), 3);
            QCOMPARE(w.Drive1->currentData().toString(), s.stick.path());

            storeInUse = &s.store();
            w.Drive1->setCurrentIndex(0);
            w.cmdBackup->click();
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(s.messages(), QStringList{"You must choose a removable Drive (IE: Floppy or USB "
                                           "Drive)! Insert Backup media and try again!"});
        QCOMPARE(&s.store(), storeInUse);
        QVERIFY(QDir(s.system.path()).isEmpty());
    }

    void backupReplacesTheOldOneOnlyWhenComplete() {
        Session s;
        s.addMeal("Pancakes");
        s.press("mnuBackup");
        QCOMPARE(read(s.onStick()), s.working());
        s.addMeal("Waffles");
        s.press("mnuBackup");
        QVERIFY(s.messages().isEmpty());
        QCOMPARE(Rows(*DataStore::open(s.onStick()), "Meals", {"Meal"}),
                 QStringList({"Pancakes", "Waffles"}));

        // A copy that stops half way, told or not, or that lands other bytes than the data
        // file's (here a whole older file) leaves the previous backup as it was.
        const QByteArray old = read(s.onStick());
        s.addMeal("Toast");
        for (int fault = 0; fault < 3; ++fault) {
            if (fault < 2)
                s.platform.fileCopier.shortWrites = {{old.size() / 2, fault == 1}};
            else
                s.platform.fileCopier.afterCopy = [&](const QString& copy) { write(copy, old); };
            s.press("mnuBackup");
            QCOMPARE(s.messages(), QStringList{kError});
            QCOMPARE(read(s.onStick()), old);
            QVERIFY(s.leftovers().isEmpty());
        }
        s.platform.fileCopier.afterCopy = nullptr;
        QCOMPARE(s.meals(), QStringList({"Pancakes", "Waffles", "Toast"}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void restoreRefusesBadCandidates_data() {
        QTest::addColumn<QByteArray>("candidate");
        QByteArray random(65536, Qt::Uninitialized);
        QRandomGenerator(3).fillRange(reinterpret_cast<quint32*>(random.data()), 16384);
        const QByteArray good = madeFile(kPassword);
        QTest::newRow("answered No") << good;
        QTest::newRow("no backup file") << QByteArray("<none>");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("text file") << QByteArray("Milk, eggs, bread\n");
        QTest::newRow("random bytes") << random;
        QTest::newRow("plain SQLite") << plainFile();
        QTest::newRow("another password") << madeFile("another");
        QTest::newRow("two settings rows") << madeFile(kPassword, "INSERT INTO dbIndex "
                                                                  "SELECT * FROM dbIndex");
        QTest::newRow("missing table") << madeFile(kPassword, "DROP TABLE \"Coupon Links\"");
    }
    void restoreRefusesBadCandidates() {
        QFETCH(QByteArray, candidate);
        Session s;
        s.addMeal("Current");
        const QByteArray working = s.working();
        DataStore* storeInUse = &s.store();
        const bool no = QTest::currentDataTag() == QLatin1String("answered No");
        if (no)
            s.platform.messageBoxes.answers = {MsgAnswer::No};
        if (candidate != "<none>")
            write(s.onStick(), candidate);
        s.press("mnuRestore");

        QCOMPARE(s.messages(), no ? QStringList{kWarning} : QStringList({kWarning, kError}));
        QCOMPARE(s.working(), working);
        QCOMPARE(read(s.onStick()), candidate);
        QVERIFY(s.leftovers().isEmpty());
        QVERIFY(!no || &s.store() == storeInUse);
        s.addMeal("Later");
        QCOMPARE(s.meals(), QStringList({"Current", "Later"}));
    }

    void restoreKeepsTheSettingsOfThisRun() {
        Session s;
        s.data.app.settings.BackGroundColor = 0x00123456;
        s.data.app.settings.DropDown = 1;
        const QColor shown = s.main->palette().color(QPalette::Window);
        // A backup from before saved weeks restores, and gains them.
        write(s.onStick(), madeFile(kPassword, "DROP TABLE SavedWeeks"));
        s.press("mnuRestore");
        QCOMPARE(s.messages(), QStringList{kWarning});
        QVERIFY(s.store().tableExists("SavedWeeks"));
        QCOMPARE(Rows(s.store(), "dbIndex", {"DropDown", "BackGroundColor"}),
                 QStringList{"1|" + QString::number(kStickColor)});
        QCOMPARE(s.main->palette().color(QPalette::Window), shown);
        // Leaving writes them into the restored file.
        s.main->close();
        QCOMPARE(
            Rows(*DataStore::open(s.data.dataFile()), "dbIndex", {"DropDown", "BackGroundColor"}),
            QStringList{"1|" + QString::number(0x00123456)});
    }

    void restoreKeepsTheFileItReplaces() {
        Session s;
        s.addMeal("Before");
        const QByteArray before = s.working();
        const QByteArray good = madeFile(kPassword, "INSERT INTO Meals (Meal) VALUES ('Stick')");
        write(s.onStick(), good);
        s.press("mnuRestore");
        QCOMPARE(s.messages(), QStringList{kWarning});
        QCOMPARE(s.working(), good);
        QCOMPARE(s.beforeRestore(), before);
        QCOMPARE(s.meals(), QStringList{"Stick"});

        // A restored file that will not open: the one it replaced is put back, with the
        // settings of this run.
        write(s.onStick(), s.working());
        s.addMeal("Added");
        s.data.app.settings.BackGroundColor = 0x00123456;
        const QByteArray working = s.working();
        int damages = 1;
        s.platform.fileCopier.afterReplace = [&](const QString& target) {
            if (target == s.data.dataFile() && damages-- > 0)
                write(target, "not a database");
        };
        s.press("mnuRestore");
        QCOMPARE(s.messages().last(), QString("The restored data file could not be opened. Your "
                                              "previous data has been put back."));
        QCOMPARE(s.working(), working);
        QCOMPARE(s.meals(), QStringList({"Stick", "Added"}));
        QCOMPARE(s.data.app.settings.BackGroundColor, 0x00123456u);
        QVERIFY(s.platform.endCodes.isEmpty());

        // When that fails too, the program ends as at start-up; the data stays beside it.
        damages = 2;
        s.press("mnuRestore");
        QCOMPARE(s.messages().last(), QString("Data File not found. Re-install program!"));
        QCOMPARE(s.platform.endCodes, QList<int>{1});
        QVERIFY(!s.data.app.storeIsOpen());
        QCOMPARE(s.beforeRestore(), working);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
