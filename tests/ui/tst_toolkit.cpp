// The window toolkit's own rules: tab stops, and the single-line rule that never keeps half a
// character and keeps the cursor in its place. Line breaks and tabs pasted into every box are
// the hostile-input suite's.
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"
#include "ui/TabStopDelegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void tabsJumpToTheNextStop() {
        // Stops at 100 and 120 px, then every 40 px; a long field pushes the next one on.
        QCOMPARE(TabStopDelegate::FieldPositions({30, 10, 5, 5}, {100, 120}, 40),
                 (QList<int>{0, 100, 120, 160}));
        QCOMPARE(TabStopDelegate::FieldPositions({110, 10, 50, 0}, {100, 120}, 40),
                 (QList<int>{0, 120, 160, 240}));

        QListWidget list;
        list.addItem("Milk\t2\tYes");
        const int plain = list.sizeHintForColumn(0);
        SetListTabStops(&list, {85, 100});
        QVERIFY(list.sizeHintForColumn(0) > plain);
    }

    void singleLineText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        const QString apple = QString::fromUtf8("🍎");
        QTest::newRow("whole pairs") << apple + "x" + apple << apple + "x" + apple;
        QTest::newRow("high half at the end") << "ab" + apple.left(1) << "ab";
        QTest::newRow("low half alone") << QString(apple.right(1) + "ab") << "ab";
        QTest::newRow("halves swapped") << apple.right(1) + apple.left(1) << "";
    }
    void singleLineText() {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QCOMPARE(SingleLineText(text), kept);
    }

    void pastingKeepsTheCursorAmongTheCharactersThatStay() {
        QLineEdit box;
        KeepSingleLine(&box);
        box.setText("abcd");
        box.setCursorPosition(2);
        QGuiApplication::clipboard()->setText("x\r\ny");
        box.paste();
        QCOMPARE(box.text(), QString("abxycd"));
        QCOMPARE(box.cursorPosition(), 4);
        // Whatever puts the text in.
        box.setText("1\t2");
        QCOMPARE(box.text(), QString("12"));
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
