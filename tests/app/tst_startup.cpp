// Start-up, the main window and the orderly end of the program.
#include "TestData.h"
#include "app/Colors.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "store/DataStore.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

void expectStartupFailure(TestData& data) {
    QVERIFY(!Main(data.app));
    QCOMPARE(data.platform.messageBoxes.shown.size(), 1);
    const ShownMessage& message = data.platform.messageBoxes.shown.first();
    QCOMPARE(message.text, QString("Data File not found. Re-install program!"));
    QCOMPARE(message.title, QString("Error loading Data File!"));
    QCOMPARE(message.buttons, MsgButtons::Ok);
    QCOMPARE(data.platform.endCodes, QList<int>{1});
    QVERIFY(!data.app.storeIsOpen());
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(),
                         QApplication::topLevelWidgets().cend(),
                         [](QWidget* w) { return w->isVisible(); }));
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheMainWindow() {
        TestData data;
        auto window = Main(data.app);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QString("frmMain"));
        QCOMPARE(window->windowTitle(), QString("Pantrelle with Menu Planner!"));
        QCOMPARE(data.app.settings.DropDown, 1);
        QCOMPARE(data.app.settings.OptionColor, 2);
        QCOMPARE(data.app.settings.BackGroundColor, 0x00C0FFFFu);
        QCOMPARE(data.app.settings.GroceryListName, QString("My List"));
        QVERIFY(data.platform.messageBoxes.shown.isEmpty());

        const QMap<QString, QString> captions{{"cmdAddGrocery", "Grocery Items"},
                                              {"cmdCreateMeals", "Create Meals"},
                                              {"cmdMenuPlanner", "Menu Planner"},
                                              {"cmdGroceryList", "Grocery List"}};
        for (auto it = captions.begin(); it != captions.end(); ++it)
            QCOMPARE(window->findChild<QPushButton*>(it.key())->text(), it.value());
        QCOMPARE(window->findChild<QLabel*>("Label1")->text(), QString("Pantrelle"));
        QCOMPARE(window->findChild<QLabel*>("Label3")->text(), QString("with Menu Planner"));
        QVERIFY(!window->findChild<QLabel*>("Image2")->pixmap().isNull());
        QCOMPARE(window->findChild<QAction*>("mnuContents")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(window->findChild<QAction*>("mnuExit")->text(), QString("E&xit"));

        const QColor colour = ColorFromValue(0x00C0FFFF);
        QCOMPARE(colour, QColor(0xFF, 0xFF, 0xC0));
        for (const char* name : {"Label1", "Label2", "Label3"})
            QCOMPARE(window->findChild<QLabel*>(name)->palette().color(QPalette::Window), colour);
        QCOMPARE(window->palette().color(QPalette::Window), colour);
    }

    void missingDataFileEndsTheProgram() {
        TestData data;
        QVERIFY(QFile::remove(data.dataFile()));
        expectStartupFailure(data);
        QVERIFY(!QFile::exists(data.dataFile()));
    }

    void settingsWithoutARowEndTheProgram() {
        TestData data;
        DataStore::open(data.dataFile())->run(QStringLiteral("DELETE FROM dbIndex"));
        expectStartupFailure(data);
        QVERIFY(Rows(*DataStore::open(data.dataFile()), "dbIndex", {"DropDown"}).isEmpty());
    }

    void unsetColourEndsTheProgram() {
        TestData data;
        DataStore::open(data.dataFile())
            ->run(QStringLiteral("UPDATE dbIndex SET BackGroundColor = NULL"));
        expectStartupFailure(data);
    }

    void fileWithAnotherPasswordEndsTheProgram() {
        TestData data;
        QFile::remove(data.dataFile());
        DataStore::create(data.dataFile(), "another")
            ->run(QStringLiteral("INSERT INTO dbIndex VALUES (1, 0, 0, '', '')"));
        expectStartupFailure(data);
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
        QVERIFY(window);
        data.app.settings.DropDown = 0;
        data.app.settings.BackGroundColor = 0x00123456;
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
                 QStringList{QString("0|2|%1|My List").arg(0x00123456)});
    }

    void storedSystemColourPaintsWithItsCurrentValue() {
        TestData data;
        // 0x8000000F: the button face of the desktop's colour scheme.
        DataStore::open(data.dataFile())
            ->run(QStringLiteral("UPDATE dbIndex SET BackGroundColor = ?1"),
                  qint64(qint32(0x8000000F)));
        auto window = Main(data.app);
        QVERIFY(window);
        QCOMPARE(data.app.settings.BackGroundColor, 0x8000000Fu);
        QCOMPARE(window->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        window->close();
        QCOMPARE(Rows(*DataStore::open(data.dataFile()), "dbIndex", {"BackGroundColor"}),
                 QStringList{QString::number(qint32(0x8000000F))});
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
