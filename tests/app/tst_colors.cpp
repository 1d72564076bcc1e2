// Colour values, the colour chooser's rules and the main window's colour change.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "store/DataStore.h"
#include "ui/ColorDialog.h"
#include "ui/Colors.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void valuesAreRedInTheLowByteOrADesktopColour() {
        QCOMPARE(ColorFromValue(0x000000FF), QColor(255, 0, 0));
        QCOMPARE(ValueFromColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
        const QPalette palette = QApplication::palette();
        QCOMPARE(TranslateColor(0x8000000Fu), ValueFromColor(palette.color(QPalette::Button)));
        QCOMPARE(TranslateColor(0x80000005u), ValueFromColor(palette.color(QPalette::Base)));
        QCOMPARE(TranslateColor(0x800000FFu), std::nullopt);
    }

    void chooserPreselectsAndStartsWithBlackCustomColours() {
        TestData data;
        auto& chooser = data.platform.colorChooser;
        chooser.answers = {QColor(1, 2, 3), std::nullopt};
        QCOMPARE(ShowColorDialog(data.app, nullptr, true, 0x00C0FFFF), qint64(0x00030201));
        QCOMPARE(chooser.requests[0].initial, QColor(0xFF, 0xFF, 0xC0));
        for (const QColor& custom : chooser.requests[0].customColors)
            QCOMPARE(custom, QColor(Qt::black));
        // Black goes in untranslated; cancelling answers -1.
        QCOMPARE(ShowColorDialog(data.app, nullptr, false, 0), qint64(-1));
        QCOMPARE(chooser.requests[1].initial, QColor(Qt::black));
        // A desktop colour opens on its current plain value, an unknown one on nothing.
        ShowColorDialog(data.app, nullptr, true, 0x8000000F);
        QCOMPARE(chooser.requests[2].initial, QApplication::palette().color(QPalette::Button));
        ShowColorDialog(data.app, nullptr, true, 0x800000FF);
        QVERIFY(!chooser.requests[3].initial.isValid());
    }

    void chosenColourLastsToTheNextStartAndCancelKeepsIt() {
        TestData data;
        auto window = Main(data.app);
        data.platform.colorChooser.answers = {QColor(10, 20, 30), std::nullopt};
        window->findChild<QAction*>("mnuColors")->trigger();
        QCOMPARE(window->findChild<QLabel*>("Label2")->palette().color(QPalette::Window),
                 QColor(10, 20, 30));
        // Not stored until the program ends.
        QCOMPARE(Rows(data.app.store(), "dbIndex", {"BackGroundColor"}),
                 QStringList{QString::number(0x00C0FFFF)});
        window->findChild<QAction*>("mnuColors")->trigger();
        QCOMPARE(data.app.settings.BackGroundColor, 0x001E140Au);
        window->close();

        window = Main(data.app);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    void helpOpensTheManualBesideTheProgram() {
        TestData data;
        auto window = Main(data.app);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(data.platform.documentOpener.opened, QStringList{data.folder() + "/Manual.htm"});
    }
};

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
