// Backup and restore through the backup window, opened from the main window, with
// temporary folders standing in for a fixed disk and a USB stick.
#include "Program.h"
#include "backup/frmBackup.h"
#include "store/DataStore.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kWarning("This will over write your data file! Do you want to continue?");
const QString kError("Error performing Backup or Restore! Insert Backup media and try again!");
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

// The bytes of a data file made apart, with one settings row and `sql` run on it; `plain`,
// as exported without encryption: a plain SQLite file.
QByteArray madeFile(const QString& sql = {}, bool plain = false) {
    QTemporaryDir dir;
    auto store = DataStore::create(dir.filePath("made"));
    store->run("INSERT INTO dbIndex VALUES (1, 2, ?1, 'Stick List', '')", qint64(kStickColor));
    if (!sql.isEmpty())
        store->run(sql);
    if (plain) {
        write(dir.filePath("plain"), "");
        store->run("ATTACH DATABASE ?1 AS plain KEY ''", dir.filePath("plain"));
        store->run("SELECT sqlcipher_export('plain')");
    }
    store.reset();
    return read(dir.filePath(plain ? "plain" : "made"));
}

// The running program, a fixed disk and a USB stick.
struct Session : Program {
    QTemporaryDir system, stick;

    Session() {
        platform.fakeDrives.entries = {{{"SYSTEM", system.path()}, false},
                                       {{"STICK", stick.path()}, true}};
    }
    QStringList meals() { return Rows(store(), "Meals", {"Meal"}); }
    void addMeal(const QString& meal) {
        store().run("INSERT INTO Meals (Meal, Item) VALUES (?1, 'Eggs')", meal);
    }
    QByteArray working() const { return read(data.dataFile()); }
    QString onStick() const { return stick.filePath("Pantrelle Two.mdb"); }
    QByteArray beforeRestore() const { return read(data.dataFile() + ".before-restore"); }
    // Backs up or restores (the Options menu's `entry`) with the stick, offered first.
    void copy(const char* entry) {
        whenModal<frmBackup>([](frmBackup* window) {
            window->cmdBackup->click();
            QVERIFY(!window->isVisible());
        });
        press(main.get(), entry);
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
        s.whenModal<frmBackup>([&](frmBackup* w) {
            // The stick is offered first. The list follows media coming and going; a choice
            // stays until its medium is taken out.
            QCOMPARE(w->Drive1->currentData().toString(), s.stick.path());
            QList<FakeDrives::Entry>& media = s.platform.fakeDrives.entries;
            media.append({{"KINGSTON", "/media/card", 16'000'000'000}, true});
            QVERIFY(w->Timer1->isActive());
            w->Timer1->setInterval(0);
            QTRY_COMPARE(w->Drive1->count(), 3);
            QCOMPARE(w->Drive1->itemText(2), QString("/media/card (KINGSTON, 14.9 GB)"));
            w->Drive1->setCurrentIndex(2);
            media.append({{"", "/media/other"}, true});
            QTRY_COMPARE(w->Drive1->count(), 4);
            QCOMPARE(w->Drive1->currentData().toString(), QString("/media/card"));
            media.removeAt(2);
            QTRY_COMPARE(w->Drive1->count(), 3);
            QCOMPARE(w->Drive1->currentData().toString(), s.stick.path());

            w->Drive1->setCurrentIndex(0);
            w->cmdBackup->click();
            QVERIFY(!w->isVisible());
        });
        s.press(s.main.get(), "mnuBackup");
        QCOMPARE(s.messages(), QStringList{"You must choose a removable Drive (IE: Floppy or USB "
                                           "Drive)! Insert Backup media and try again!"});
        QVERIFY(s.data.app.storeIsOpen());
        QVERIFY(QDir(s.system.path()).isEmpty());
    }

    void backupReplacesTheOldOneOnlyWhenComplete() {
        Session s;
        s.addMeal("Pancakes");
        s.copy("mnuBackup");
        QCOMPARE(read(s.onStick()), s.working());
        s.addMeal("Waffles");
        s.copy("mnuBackup");
        QVERIFY(s.messages().isEmpty());
        QCOMPARE(Rows(*DataStore::open(s.onStick()), "Meals", {"Meal"}),
                 QStringList({"Pancakes", "Waffles"}));

        // A copy that stops half way (the stick pulled out), or that lands other bytes than
        // the data file's (here a whole older file), leaves the previous backup as it was.
        const QByteArray old = read(s.onStick());
        s.addMeal("Toast");
        for (const bool pulledOut : {true, false}) {
            if (pulledOut)
                s.platform.fileCopier.shortWrites = {{old.size() / 2, true}};
            else
                s.platform.fileCopier.afterCopy = [&](const QString& copy) { write(copy, old); };
            s.copy("mnuBackup");
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
        const QByteArray good = madeFile();
        QTest::newRow("answered No") << good;
        QTest::newRow("no backup file") << QByteArray("<none>");
        QTest::newRow("truncated") << good.left(good.size() / 2);
        // Only a check of every page finds this one.
        QByteArray damaged = good;
        damaged[damaged.size() - 100] ^= 1;
        QTest::newRow("a damaged page") << damaged;
        QTest::newRow("not a data file") << QByteArray("Milk, eggs, bread\n");
        QTest::newRow("plain SQLite") << madeFile({}, true);
        QTest::newRow("two settings rows") << madeFile("INSERT INTO dbIndex SELECT * FROM dbIndex");
        QTest::newRow("missing table") << madeFile("DROP TABLE \"Coupon Links\"");
    }
    void restoreRefusesBadCandidates() {
        QFETCH(QByteArray, candidate);
        Session s;
        s.addMeal("Current");
        const QByteArray working = s.working();
        const bool no = QTest::currentDataTag() == QLatin1String("answered No");
        if (no)
            s.boxes.answers = {MsgAnswer::No};
        if (candidate != "<none>")
            write(s.onStick(), candidate);
        s.copy("mnuRestore");

        QCOMPARE(s.messages(), no ? QStringList{kWarning} : QStringList({kWarning, kError}));
        QCOMPARE(s.working(), working);
        QCOMPARE(read(s.onStick()), candidate);
        QVERIFY(s.leftovers().isEmpty());
        s.addMeal("Later");
        QCOMPARE(s.meals(), QStringList({"Current", "Later"}));
    }

    void restoreKeepsTheSettingsOfThisRun() {
        Session s;
        s.data.app.settings.BackGroundColor = 0x00123456;
        s.data.app.settings.DropDown = 1;
        const QColor shown = s.main->palette().color(QPalette::Window);
        // A backup from before saved weeks restores.
        write(s.onStick(), madeFile("DROP TABLE SavedWeeks"));
        s.copy("mnuRestore");
        QCOMPARE(s.messages(), QStringList{kWarning});
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
        const QByteArray good = madeFile("INSERT INTO Meals (Meal) VALUES ('Stick')");
        write(s.onStick(), good);
        s.copy("mnuRestore");
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
        s.copy("mnuRestore");
        QCOMPARE(s.messages().last(), QString("The restored data file could not be opened. Your "
                                              "previous data has been put back."));
        QCOMPARE(s.working(), working);
        QCOMPARE(s.meals(), QStringList({"Stick", "Added"}));
        QCOMPARE(s.data.app.settings.BackGroundColor, 0x00123456u);
        QVERIFY(s.platform.endCodes.isEmpty());

        // When that fails too, the program ends as at start-up; the data stays beside it.
        damages = 2;
        s.copy("mnuRestore");
        QCOMPARE(s.messages().last(), QString("Data File not found. Re-install program!"));
        QCOMPARE(s.platform.endCodes, QList<int>{1});
        QVERIFY(!s.data.app.storeIsOpen());
        QCOMPARE(s.beforeRestore(), working);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
