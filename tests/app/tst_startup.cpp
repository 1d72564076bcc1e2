// Start-up, the main window's colours and help, and the orderly end of the program.
#include "Program.h"
#include "SampleContent.h"
#include "app/Startup.h"
#include "store/DataStore.h"
#include "ui/Colors.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {
QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void unusableDataFileEndsTheProgram_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing file") << "";
        QTest::newRow("no settings row") << "DELETE FROM dbIndex";
        QTest::newRow("unset colour") << "UPDATE dbIndex SET BackGroundColor = NULL";
        QTest::newRow("another password") << "PRAGMA rekey = 'another'";
    }
    void unusableDataFileEndsTheProgram() {
        QFETCH(QString, damage);
        TestData data;
        if (damage.isEmpty())
            QFile::remove(data.dataFile());
        else
            DataStore::open(data.dataFile())->run(damage);
        QVERIFY(!Main(data.app));
        QCOMPARE(data.platform.messageBoxes.texts(),
                 QStringList{"Data File not found. Re-install program!"});
        QCOMPARE(data.platform.endCodes, QList<int>{1});
        QVERIFY(!data.app.storeIsOpen());
        QCOMPARE(QFile::exists(data.dataFile()), !damage.isEmpty());
    }

    void startsAndEndsInOrder_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("Exit entry") << true;
    }
    void startsAndEndsInOrder() {
        QFETCH(bool, byMenu);
        TestData data;
        auto window = Main(data.app);
        QVERIFY(window && window->isVisible());
        QCOMPARE(data.app.settings.GroceryListName, QString("My List"));
        QVERIFY(data.platform.messageBoxes.shown.isEmpty());
        QVERIFY(!window->findChild<QLabel*>("Image2")->pixmap().isNull());
        QCOMPARE(Background(window->findChild<QLabel*>("Label3")), QColor(0xFF, 0xFF, 0xC0));
        // F1 opens the manual beside the program.
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(data.platform.documentOpener.opened, QStringList{data.folder() + "/Manual.htm"});

        // The chooser opens on the colour shown, with black custom colours. A chosen colour
        // paints at once, a cancelled choice keeps it, and neither is stored before the end.
        auto& chooser = data.platform.colorChooser;
        chooser.answers = {QColor(10, 20, 30), std::nullopt};
        Program::press(window.get(), "mnuColors");
        Program::press(window.get(), "mnuColors");
        QCOMPARE(chooser.requests[0].initial, QColor(0xFF, 0xFF, 0xC0));
        for (const QColor& custom : chooser.requests[0].customColors)
            QCOMPARE(custom, QColor(Qt::black));
        QCOMPARE(Background(window->findChild<QLabel*>("Label2")), QColor(10, 20, 30));
        QCOMPARE(Rows(data.app.store(), "dbIndex", {"BackGroundColor"}),
                 QStringList{QString::number(kLightYellow)});
        data.app.settings.DropDown = 0;
        data.app.settings.OptionColor = 5;
        data.app.settings.GroceryListName = "Changed";
        if (byMenu)
            Program::press(window.get(), "mnuExit");
        else
            window->close();
        QCOMPARE(data.platform.endCodes, QList<int>{0});
        QVERIFY(!data.app.storeIsOpen());
        // The print colour and list name are stored by their owners, not here.
        const QStringList settings{"DropDown", "OptionColor", "BackGroundColor", "GroceryListName"};
        QCOMPARE(Rows(*DataStore::open(data.dataFile()), "dbIndex", settings),
                 QStringList{QString("0|2|%1|My List").arg(0x001E140A)});

        // A desktop colour is stored as the file keeps it, signed, and follows the palette,
        // in the window and in the chooser; one the desktop lacks shows its window colour.
        window = Main(data.app);
        QCOMPARE(Background(window.get()), QColor(10, 20, 30));
        data.app.settings.BackGroundColor = 0x8000000F;
        window->close();
        QCOMPARE(Rows(*DataStore::open(data.dataFile()), "dbIndex", {"BackGroundColor"}),
                 QStringList{QString::number(qint32(0x8000000F))});
        window = Main(data.app);
        const QPalette palette = QApplication::palette();
        QCOMPARE(Background(window.get()), palette.color(QPalette::Button));
        Program::press(window.get(), "mnuColors");
        QCOMPARE(chooser.requests[2].initial, palette.color(QPalette::Button));
        QCOMPARE(ColorFromValue(0x80000005), palette.color(QPalette::Base));
        QCOMPARE(ColorFromValue(0x800000FF), palette.color(QPalette::Window));
    }

    void aFileFromBeforeSavedWeeksGainsTheTableAndNothingElse() {
        TestData older;
        auto store = DataStore::open(older.dataFile());
        store->run("DELETE FROM dbIndex");
        FillSampleContent(*store);
        store->run("DROP TABLE SavedWeeks");
        // The table as a new file has it, empty.
        QStringList expected =
            FileContent(*store) + FileContent(*DataStore::open(TestData().dataFile()))
                                      .filter(QRegularExpression("^SavedWeeks: "));
        store.reset();
        const auto window = Main(older.app);
        QVERIFY(window && older.platform.messageBoxes.shown.isEmpty());
        QStringList after = FileContent(older.app.store());
        expected.sort();
        after.sort();
        QCOMPARE(after, expected);
    }

    void centerFormPutsAWindowInTheMiddle() {
        QWidget window;
        window.resize(300, 200);
        CenterForm(&window);
        const QPoint off = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY(off.manhattanLength() <= 2);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
