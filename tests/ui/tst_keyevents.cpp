// Key hooks on the controls the windows attach them to.
#include "ui/KeyEvents.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

class TestKeyEvents : public QObject {
    Q_OBJECT

private slots:
    void editableComboSeesEachKeyTypedIntoItOnce() {
        QWidget window;
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        QList<int> pressed, released;
        OnKey(combo, QEvent::KeyPress, [&](QKeyEvent* e) { pressed << e->key(); });
        OnKey(combo, QEvent::KeyRelease, [&](QKeyEvent* e) { released << e->key(); });
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Focus given to the text part lands on the box; keys go where the focus is.
        combo->lineEdit()->setFocus();
        QCOMPARE(QApplication::focusWidget(), combo);
        QTest::keyClicks(QApplication::focusWidget(), "ab");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);

        QCOMPARE(combo->currentText(), QString("a"));
        const QList<int> keys{Qt::Key_A, Qt::Key_B, Qt::Key_Backspace};
        QCOMPARE(pressed, keys);
        QCOMPARE(released, keys);
    }
};

QTEST_MAIN(TestKeyEvents)
#include "tst_keyevents.moc"
