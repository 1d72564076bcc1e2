// One-line boxes keep TAB, CR and LF out, and never keep half a character.
#include "ui/SingleLineInput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

class TestSingleLineInput : public QObject {
    Q_OBJECT

private slots:
    void singleLineText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        const QString apple = QString::fromUtf8("🍎");
        QTest::newRow("plain") << "Milk 2%"
                               << "Milk 2%";
        QTest::newRow("tab, CR and LF") << "a\tb\r\nc\rd\ne"
                                        << "abcde";
        QTest::newRow("only breaks") << "\t\r\n"
                                     << "";
        QTest::newRow("whole pairs") << apple + "x" + apple << apple + "x" + apple;
        QTest::newRow("high half at the end") << "ab" + apple.left(1) << "ab";
        QTest::newRow("low half alone") << apple.right(1) + "ab"
                                        << "ab";
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

QTEST_MAIN(TestSingleLineInput)
#include "tst_singlelineinput.moc"
