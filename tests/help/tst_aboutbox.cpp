// The about box from each of its openers: how clicks and keys close it, and its links.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "help/AboutBox.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    FakeModalRunner& modal = data.platform.modalRunner;

    // Opens the about box from `window`'s help menu; a modal one runs `user` first.
    void about(QWidget* window, const std::function<void(AboutBox*)>& user = {}) {
        if (user)
            modal.steps.push_back([user](QDialog* box) { user(qobject_cast<AboutBox*>(box)); });
        window->findChild<QAction*>("mnuAbout")->trigger();
        settle();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void closedByAnyClickOrKey() {
        Session s;
        // A click on any part closes the box (a label, the frame, the box itself); the web
        // address opens its page as well.
        for (const char* part : {"Lbl_Version", "Frame3D1", "AboutBox", "Label2"})
            s.about(s.main.get(), [part](AboutBox* box) {
                QWidget* target = box->objectName() == part ? box : box->findChild<QWidget*>(part);
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
                QVERIFY2(!box->isVisible(), part);
            });
        QCOMPARE(s.data.platform.documentOpener.opened, QStringList{"https://www.orvanta.example"});
        // Any key closes it, Esc included; a modifier alone does not.
        for (Qt::Key key : {Qt::Key_X, Qt::Key_Escape})
            s.about(s.main.get(), [key](AboutBox* box) {
                QTest::keyClick(box, Qt::Key_Shift);
                QVERIFY(box->isVisible());
                QTest::keyClick(box, key);
                QVERIFY(!box->isVisible());
            });
        QCOMPARE(s.modal.opened, QStringList(6, "AboutBox"));
        // From the meal editor too, modal.
        s.main->cmdCreateMeals->click();
        s.about(s.main->findChild<frmAddMeal*>(), [](AboutBox* box) { box->close(); });
        QCOMPARE(s.modal.opened.size(), 7);
    }

    void notModalFromThePlanner() {
        Session s;
        s.main->cmdMenuPlanner->click();
        auto* planner = s.main->findChild<frmMenuPlanner*>();
        // Asked for again, the open box comes forward; no second one.
        s.about(planner);
        s.about(planner);
        auto* box = planner->findChild<AboutBox*>();
        QVERIFY(box && box->isVisible() && !box->isModal());
        QCOMPARE(planner->findChildren<AboutBox*>().size(), 1);
        // Its mail line closes it and opens the feedback window modally over the planner.
        s.modal.steps.push_back([planner](QDialog* window) {
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
