// Start-up, the main window and the orderly end of the program.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "store/DataStore.h"
#include "ui/Colors.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheMainWindow() {
        TestData data;
        auto window = Main(data.app);
        QVERIFY(window && window->isVisible());
        QCOMPARE(data.app.settings.DropDown, 1);
        QCOMPARE(data.app.settings.OptionColor, 2);
        QCOMPARE(data.app.settings.GroceryListName, QString("My List"));
        QVERIFY(data.platform.messageBoxes.shown.isEmpty());
        QVERIFY(!window->findChild<QLabel*>("Image2")->pixmap().isNull());
        for (QWidget* w : {static_cast<QWidget*>(window.get()),
                           static_cast<QWidget*>(window->findChild<QLabel*>("Label3"))})
            QCOMPARE(w->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
    }

    void unusableDataFileEndsTheProgram_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing file") << "";
        QTest::newRow("no settings row") << "DELETE FROM dbIndex";
        QTest::newRow("unset colour") << "UPDATE dbIndex SET BackGroundColor = NULL";
        QTest::newRow("another password") << "rekey";
    }
    void unusableDataFileEndsTheProgram() {
        QFETCH(QString, damage);
        TestData data;
        if (damage.isEmpty())
            QFile::remove(data.dataFile());
        else if (damage == "rekey")
            DataStore::open(data.dataFile())->run("PRAGMA rekey = 'another'");
        else
            DataStore::open(data.dataFile())->run(damage);

        QVERIFY(!Main(data.app));
        QCOMPARE(data.platform.messageBoxes.shown.size(), 1);
        const ShownMessage& message = data.platform.messageBoxes.shown.first();
        QCOMPARE(message.text, QString("Data File not found. Re-install program!"));
        QCOMPARE(message.title, QString("Error loading Data File!"));
        QCOMPARE(data.platform.endCodes, QList<int>{1});
        QVERIFY(!data.app.storeIsOpen());
        QCOMPARE(QFile::exists(data.dataFile()), !damage.isEmpty());
    }

    void closingStoresTwoSettingsAndEnds_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("Exit entry") << true;
    }
    void closingStoresTwoSettingsAndEnds() {
        QFETCH(bool, byMenu);
        TestData data;
        auto window = Main(data.app);
        data.app.settings.DropDown = 0;
        data.app.settings.BackGroundColor = 0x8000000F; // a desktop colour, top bit set
        data.app.settings.OptionColor = 5;
        data.app.settings.GroceryListName = "Changed";
        if (byMenu)
            window->findChild<QAction*>("mnuExit")->trigger();
        else
            window->close();
        QCOMPARE(data.platform.endCodes, QList<int>{0});
        QVERIFY(!data.app.storeIsOpen());
        // The print colour and list name are stored by their owners, not here.
        QCOMPARE(Rows(*DataStore::open(data.dataFile()), "dbIndex",
                      {"DropDown", "OptionColor", "BackGroundColor", "GroceryListName"}),
                 QStringList{QString("0|2|%1|My List").arg(qint32(0x8000000F))});

        // The stored desktop colour comes back, painted as the palette's button face.
        auto again = Main(data.app);
        QCOMPARE(data.app.settings.BackGroundColor, 0x8000000Fu);
        QCOMPARE(again->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
    }

    void centerFormPutsAWindowInTheMiddle() {
        QWidget window;
        window.resize(300, 200);
        CenterForm(&window);
        const QRect screen = window.screen()->geometry();
        QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(window.size(), QSize(300, 200));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
