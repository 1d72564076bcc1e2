// The about box from each of its openers: how clicks and keys close it, and its links.
#include "Program.h"
#include "help/AboutBox.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"

#include <QLabel>
#include <QtTest>

namespace {

struct Session : Program {
    FakeModalRunner& modal = platform.modalRunner;

    // Opens the about box from `window`'s help menu; a modal one plays `user` first.
    void about(QWidget* window, const std::function<void(AboutBox*)>& user = {}) {
        if (user)
            whenModal(user);
        press(window, "mnuAbout");
    }
};

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void closedByAnyClickOrKey() {
        Session s;
        // A click on any part closes the box (a label, the box itself); the web address opens
        // its page as well.
        for (const char* part : {"Lbl_Version", "AboutBox", "Label2"})
            s.about(s.main.get(), [part](AboutBox* box) {
                QWidget* target = box->objectName() == part ? box : box->findChild<QWidget*>(part);
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
                QVERIFY2(!box->isVisible(), part);
            });
        QCOMPARE(s.platform.documentOpener.opened, QStringList{"https://www.orvanta.example"});
        // Any key closes it, Esc included; a modifier alone does not.
        for (Qt::Key key : {Qt::Key_X, Qt::Key_Escape})
            s.about(s.main.get(), [key](AboutBox* box) {
                QTest::keyClick(box, Qt::Key_Shift);
                QVERIFY(box->isVisible());
                QTest::keyClick(box, key);
                QVERIFY(!box->isVisible());
            });
        QCOMPARE(s.modal.opened, QStringList(5, "AboutBox"));
        // From the meal editor too, modal.
        s.about(s.open<frmAddMeal>("cmdCreateMeals"), [](AboutBox* box) { box->close(); });
        QCOMPARE(s.modal.opened.size(), 6);
    }

    void notModalFromThePlanner() {
        Session s;
        auto* planner = s.open<frmMenuPlanner>("cmdMenuPlanner");
        // Asked for again, the open box comes forward; no second one.
        s.about(planner);
        s.about(planner);
        auto* box = planner->findChild<AboutBox*>();
        QVERIFY(box && box->isVisible() && !box->isModal());
        QCOMPARE(planner->findChildren<AboutBox*>().size(), 1);
        // Its mail line closes it and opens the feedback window modally over the planner.
        s.whenModal<QDialog>([planner](QDialog* window) {
            QCOMPARE(window->parentWidget(), planner);
            window->close();
        });
        QTest::mouseClick(box->Email, Qt::LeftButton);
        s.settle();
        QVERIFY(!planner->findChild<AboutBox*>());
        QCOMPARE(s.modal.opened, QStringList{"frmeMail"});
        QVERIFY(planner->isVisible());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
