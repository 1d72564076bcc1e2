// Colour values, the colour chooser's rules and the main window's colour change.
#include "TestData.h"
#include "app/ColorDialog.h"
#include "app/Colors.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "store/DataStore.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void plainValuesAreRedInTheLowByte() {
        QCOMPARE(ColorFromValue(0x000000FF), QColor(255, 0, 0));
        QCOMPARE(ColorFromValue(0x00FF0000), QColor(0, 0, 255));
        QCOMPARE(ValueFromColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
        QCOMPARE(TranslateColor(0x00563412u), std::optional<quint32>(0x00563412u));
    }

    void systemColoursFollowThePalette() {
        QCOMPARE(TranslateColor(0x8000000Fu),
                 std::optional<quint32>(
                     ValueFromColor(QApplication::palette().color(QPalette::Button))));
        QCOMPARE(TranslateColor(0x80000005u), std::optional<quint32>(ValueFromColor(
                                                  QApplication::palette().color(QPalette::Base))));
        QCOMPARE(TranslateColor(0x800000FFu), std::nullopt);
    }

    void chooserPreselectsAndStartsWithBlackCustomColours() {
        TestData data;
        auto& chooser = data.platform.colorChooser;
        chooser.answers = {QColor(1, 2, 3), std::nullopt, QColor(Qt::white)};

        QCOMPARE(ShowColorDialog(data.app, nullptr, true, 0x00C0FFFF), qint64(0x00030201));
        QCOMPARE(chooser.requests[0].initial, QColor(0xFF, 0xFF, 0xC0));
        QVERIFY(chooser.requests[0].fullOpen);
        for (const QColor& custom : chooser.requests[0].customColors)
            QCOMPARE(custom, QColor(Qt::black));

        // Black is preselected as it is; cancelling answers -1.
        QCOMPARE(ShowColorDialog(data.app, nullptr, false, 0), qint64(-1));
        QCOMPARE(chooser.requests[1].initial, QColor(Qt::black));
        QVERIFY(!chooser.requests[1].fullOpen);

        // A desktop colour opens on its current plain value; an unknown one on nothing.
        ShowColorDialog(data.app, nullptr, true, 0x8000000F);
        QCOMPARE(chooser.requests[2].initial, QApplication::palette().color(QPalette::Button));
        ShowColorDialog(data.app, nullptr, true, 0x800000FF);
        QVERIFY(!chooser.requests[3].initial.isValid());
    }

    void chosenColourRepaintsAndLastsToTheNextStart() {
        TestData data;
        {
            auto window = Main(data.app);
            data.platform.colorChooser.answers = {QColor(10, 20, 30)};
            window->findChild<QAction*>("mnuColors")->trigger();
            QCOMPARE(data.app.settings.BackGroundColor, 0x001E140Au);
            for (QWidget* w : {static_cast<QWidget*>(window.get()),
                               static_cast<QWidget*>(window->findChild<QLabel*>("Label2"))})
                QCOMPARE(w->palette().color(QPalette::Window), QColor(10, 20, 30));
            // Not stored until the program ends.
            QCOMPARE(Rows(data.app.store(), "dbIndex", {"BackGroundColor"}),
                     QStringList{QString::number(0x00C0FFFF)});
            window->close();
        }
        auto window = Main(data.app);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    void cancellingChangesNothing() {
        TestData data;
        auto window = Main(data.app);
        window->findChild<QAction*>("mnuColors")->trigger();
        QCOMPARE(data.platform.colorChooser.requests.size(), 1);
        QCOMPARE(data.app.settings.BackGroundColor, 0x00C0FFFFu);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        window->close();
        QCOMPARE(Rows(*DataStore::open(data.dataFile()), "dbIndex", {"BackGroundColor"}),
                 QStringList{QString::number(0x00C0FFFF)});
    }

    void helpOpensTheManualBesideTheProgram() {
        TestData data;
        auto window = Main(data.app);
        window->findChild<QAction*>("mnuContents")->trigger();
        QCOMPARE(data.platform.documentOpener.opened, QStringList{data.folder() + "/Manual.htm"});
    }
};

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
