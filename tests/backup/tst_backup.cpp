// Backup and restore through the backup window, opened from the main window, with
// temporary folders standing in for a fixed disk and a USB stick.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "backup/BackupFiles.h"
#include "backup/frmBackup.h"
#include "meals/frmAddMeal.h"
#include "store/DataStore.h"
#include "ui/Colors.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <sqlite3.h>

namespace {

const QString kRemovable("You must choose a removable Drive (IE: Floppy or USB Drive)! Insert "
                         "Backup media and try again! / Disk Information!");
const QString kWarning(
    "This will over write your data file! Do you want to continue? / WARNING! Confirm Restore!");
const QString kError(
    "Error performing Backup or Restore! Insert Backup media and try again! / Disk Information!");
const QString kPutBack("The restored data file could not be opened. Your previous data has been "
                       "put back. / Disk Information!");
const QString kNoDataFile("Data File not found. Re-install program! / Error loading Data File!");

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList meals(DataStore& store) {
    return Rows(store, "Meals", {"Meal"});
}

// The running program, a fixed disk and a USB stick.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    QTemporaryDir system;
    QTemporaryDir stick;
    FakePlatform& platform = data.platform;

    Session() {
        platform.fakeDrives.entries = {{{"SYSTEM", system.path()}, false},
                                       {{"STICK", stick.path()}, true}};
    }
    DataStore& store() { return data.app.store(); }
    QString onStick() const { return QDir(stick.path()).filePath("Pantrelle Two.mdb"); }
    QString beforeRestore() const { return data.dataFile() + ".before-restore"; }
    void addMeal(const QString& meal) {
        store().run("INSERT INTO Meals (Meal, Item) VALUES (?1, 'Eggs')", meal);
    }
    // Opens the window from the main window's Options menu; `user` plays the person in it.
    void open(const char* entry, std::function<void(frmBackup&)> user) {
        platform.modalRunner.steps.push_back(
            [user](QDialog* window) { user(*qobject_cast<frmBackup*>(window)); });
        main->findChild<QAction*>(entry)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Chooses the drive at `root` and presses the window's button, which closes it.
    void press(const char* entry, const QString& root) {
        open(entry, [root](frmBackup& window) {
            window.Drive1->setCurrentIndex(window.Drive1->findData(root));
            window.cmdBackup->click();
            QVERIFY(!window.isVisible());
        });
    }
    QStringList messages() const {
        QStringList texts;
        for (const ShownMessage& shown : platform.messageBoxes.shown)
            texts << shown.text + " / " + shown.title;
        return texts;
    }
    // Temporary files and kept copies beside the working file or on the stick.
    QStringList leftovers() const {
        const QStringList names{"*.new*", "*.before-restore"};
        return QDir(data.folder()).entryList(names) + QDir(stick.path()).entryList(names);
    }
};

void addSettingsRow(DataStore& store) {
    store.run("INSERT INTO dbIndex VALUES (1, 2, ?1, 'My List', 'me@example.com')",
              qint64(kLightYellow));
}

// The program's settings table in an SQLite file without encryption.
void writePlainSqlite(const QString& path) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db,
                          "CREATE TABLE dbIndex (DropDown, OptionColor, BackGroundColor, "
                          "GroceryListName, eMailFlag); INSERT INTO dbIndex VALUES (1, 2, 0, "
                          "'', '')",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void bothModesAndTheFixedDrive() {
        Session s;
        DataStore* storeInUse = nullptr;
        s.open("mnuBackup", [&](frmBackup& w) {
            QCOMPARE(w.windowTitle(), QString("Backup"));
            QCOMPARE(w.cmdBackup->text(), QString("Backup"));
            QCOMPARE(w.Label1->text(), QString("Insert your USB Drive. When drive is ready select "
                                               "it and press \"Backup\"."));
            QCOMPARE(w.Drive1->count(), 2);
            QCOMPARE(w.Drive1->itemText(0), "SYSTEM  (" + s.system.path() + ")");
            // The stick is offered first, being the removable one.
            QCOMPARE(w.Drive1->currentData().toString(), s.stick.path());
            QVERIFY(w.Timer1->isActive());
            QCOMPARE(w.Timer1->interval(), 10000);
            QCOMPARE(w.palette().color(QPalette::Window), ColorFromValue(kLightYellow));

            storeInUse = &s.store();
            w.Drive1->setCurrentIndex(0);
            w.cmdBackup->click();
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(s.messages(), QStringList{kRemovable});
        QCOMPARE(&s.store(), storeInUse);
        QVERIFY(QDir(s.system.path()).isEmpty());

        s.open("mnuRestore", [&](frmBackup& w) {
            QCOMPARE(w.windowTitle(), QString("Restore"));
            QCOMPARE(w.cmdBackup->text(), QString("Restore"));
            QCOMPARE(w.Label1->text(), QString("Insert USB Drive. When drive is ready select it "
                                               "and press \"Restore\"."));
            w.findChild<QAction*>("mnuClose")->trigger();
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(s.messages().size(), 1);
        QVERIFY(QDir(s.stick.path()).isEmpty());
    }

    void backupToAStick() {
        Session s;
        s.addMeal("Pancakes");
        QList<Qt::CursorShape> cursors;
        s.platform.fileCopier.afterReplace = [&](const QString&) {
            cursors << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                       : Qt::ArrowCursor);
        };
        s.press("mnuBackup", s.stick.path());
        QVERIFY(s.messages().isEmpty());
        QCOMPARE(read(s.onStick()), read(s.data.dataFile()));
        QCOMPARE(meals(*DataStore::open(s.onStick())), QStringList{"Pancakes"});
        QCOMPARE(cursors, QList<Qt::CursorShape>{Qt::WaitCursor});
        QVERIFY(!QApplication::overrideCursor());

        // The data file is open again; a second backup replaces the first without asking.
        s.addMeal("Waffles");
        s.press("mnuBackup", s.stick.path());
        QVERIFY(s.messages().isEmpty());
        QCOMPARE(meals(*DataStore::open(s.onStick())), QStringList({"Pancakes", "Waffles"}));

        // A copy that stops half way, told or not, leaves the previous backup as it was.
        const QByteArray old = read(s.onStick());
        s.addMeal("Toast");
        for (bool reported : {false, true}) {
            s.platform.fileCopier.shortWrites = {{QFileInfo(s.onStick()).size() / 2, reported}};
            s.press("mnuBackup", s.stick.path());
            QCOMPARE(s.messages(), QStringList{kError});
            QCOMPARE(read(s.onStick()), old);
            QVERIFY(s.leftovers().isEmpty());
            s.platform.messageBoxes.shown.clear();
        }
        QCOMPARE(meals(s.store()), QStringList({"Pancakes", "Waffles", "Toast"}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void refusedRestoresLeaveTheWorkingFile_data() {
        QTest::addColumn<QString>("candidate");
        for (const char* name : {"answered No", "no backup file", "empty", "truncated",
                                 "plain SQLite", "another password", "random bytes", "text file",
                                 "two settings rows", "missing table"})
            QTest::newRow(name) << QString(name);
    }
    void refusedRestoresLeaveTheWorkingFile() {
        QFETCH(QString, candidate);
        Session s;
        const QString path = s.onStick();
        const QString good = s.data.folder() + "/good";
        QVERIFY(QFile::copy(s.data.dataFile(), good));
        if (candidate == "answered No" || candidate == "truncated" ||
            candidate == "missing table") {
            QVERIFY(QFile::copy(good, path));
            if (candidate == "truncated")
                QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
            if (candidate == "missing table")
                DataStore::open(path)->run("DROP TABLE \"Coupon Links\"");
        } else if (candidate == "empty") {
            write(path, "");
        } else if (candidate == "random bytes") {
            QByteArray bytes(65536, Qt::Uninitialized);
            QRandomGenerator(3).fillRange(reinterpret_cast<quint32*>(bytes.data()), 16384);
            write(path, bytes);
        } else if (candidate == "text file") {
            write(path, "Milk, eggs, bread\n");
        } else if (candidate == "plain SQLite") {
            writePlainSqlite(path);
        } else if (candidate != "no backup file") {
            QByteArray password = DataStore::kPassword;
            if (candidate == "another password")
                password = "another";
            auto store = DataStore::create(path, password);
            addSettingsRow(*store);
            if (candidate == "two settings rows")
                addSettingsRow(*store);
        }
        if (candidate == "plain SQLite")
            QVERIFY(read(path).startsWith("SQLite format 3"));
        QFile::remove(good);

        s.addMeal("Current");
        const QByteArray working = read(s.data.dataFile());
        const QByteArray onStick = read(path);
        DataStore* storeInUse = &s.store();
        const bool no = candidate == "answered No";
        if (no)
            s.platform.messageBoxes.answers = {MsgAnswer::No};
        s.press("mnuRestore", s.stick.path());

        QCOMPARE(s.messages(), no ? QStringList{kWarning} : QStringList({kWarning, kError}));
        QCOMPARE(read(s.data.dataFile()), working);
        QCOMPARE(read(path), onStick);
        QVERIFY(s.leftovers().isEmpty());
        if (no)
            QCOMPARE(&s.store(), storeInUse);
        s.addMeal("Later");
        QCOMPARE(meals(s.store()), QStringList({"Current", "Later"}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void goodRestoreBringsBackTheStickData() {
        Session s;
        s.addMeal("From Stick");
        s.press("mnuBackup", s.stick.path());
        DataStore::open(s.onStick())
            ->run("UPDATE dbIndex SET BackGroundColor = ?1, GroceryListName = 'Stick List'",
                  qint64(0x00FF8000));
        s.store().run("DELETE FROM Meals");
        s.addMeal("Since Then");
        const QByteArray replaced = read(s.data.dataFile());

        s.press("mnuRestore", s.stick.path());
        QCOMPARE(s.messages(), QStringList{kWarning});
        QCOMPARE(read(s.data.dataFile()), read(s.onStick()));
        QCOMPARE(read(s.beforeRestore()), replaced);
        QVERIFY(!QFile::exists(s.data.dataFile() + ".new"));
        // The restored file's settings are the ones in force now.
        QCOMPARE(s.data.app.settings.BackGroundColor, 0x00FF8000u);
        QCOMPARE(s.data.app.settings.GroceryListName, QString("Stick List"));
        QCOMPARE(s.main->palette().color(QPalette::Window), ColorFromValue(0x00FF8000));

        // The next restore keeps the file it replaces in place of the older copy.
        const QByteArray restored = read(s.data.dataFile());
        s.press("mnuRestore", s.stick.path());
        QCOMPARE(read(s.beforeRestore()), restored);

        s.main->cmdCreateMeals->click();
        auto* editor = s.main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(editor);
        QCOMPARE(editor->lstMeals->count(), 1);
        QCOMPARE(editor->lstMeals->item(0)->text(), QString("From Stick"));
    }

    void restoredFileThatWillNotOpen() {
        Session s;
        s.addMeal("Kept");
        QVERIFY(QFile::copy(s.data.dataFile(), s.onStick()));
        s.addMeal("Added");
        // A colour chosen in this run, not yet stored.
        s.data.app.settings.BackGroundColor = 0x00123456;
        const QByteArray working = read(s.data.dataFile());
        // The disk hands back something else than was written, `damages` times.
        int damages = 1;
        s.platform.fileCopier.afterReplace = [&](const QString& target) {
            if (target == s.data.dataFile() && damages-- > 0)
                write(target, "not a database");
        };
        s.press("mnuRestore", s.stick.path());
        QCOMPARE(s.messages(), QStringList({kWarning, kPutBack}));
        QCOMPARE(read(s.data.dataFile()), working);
        QCOMPARE(meals(s.store()), QStringList({"Kept", "Added"}));
        QCOMPARE(s.data.app.settings.BackGroundColor, 0x00123456u);
        QVERIFY(s.platform.endCodes.isEmpty());

        // When the previous file cannot be put back either, the program ends as at start-up.
        damages = 2;
        s.press("mnuRestore", s.stick.path());
        QCOMPARE(s.messages().last(), kNoDataFile);
        QCOMPARE(s.platform.endCodes, QList<int>{1});
        QVERIFY(!s.data.app.storeIsOpen());
        QCOMPARE(read(s.beforeRestore()), working);
    }

    void timerShowsNewMedia() {
        Session s;
        QTemporaryDir card;
        s.open("mnuBackup", [&](frmBackup& w) {
            s.platform.fakeDrives.entries.append({{"", card.path()}, true});
            // The next tick without waiting ten seconds.
            w.Timer1->start(0);
            QTRY_COMPARE(w.Drive1->count(), 3);
            QCOMPARE(w.Drive1->itemText(2), card.path());
            QCOMPARE(w.Drive1->currentData().toString(), s.stick.path());
            // The chosen stick taken out: the choice moves to a medium that is still there.
            s.platform.fakeDrives.entries.removeAt(1);
            QTRY_COMPARE(w.Drive1->count(), 2);
            QCOMPARE(w.Drive1->currentData().toString(), card.path());
        });
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
