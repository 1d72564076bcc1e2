// The about box from each of its openers: what it shows, and how clicks and keys close it.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "help/AboutBox.h"
#include "help/frmeMail.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
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
    void modalFromTheMainWindowAndTheMealEditor() {
        Session s;
        s.about(s.main.get(), [](AboutBox* box) {
            QCOMPARE(box->Label1->text(), QString("Pantrelle"));
            QCOMPARE(box->Comments->text(), QString("....Enhance your shopping experience"));
            QCOMPARE(box->Lbl_Version->text(), QString("Version 3.0"));
            QVERIFY(box->lblCopyright->text().contains("Orvanta"));
            QVERIFY(!box->Label3->text().isEmpty());
        });

        // A click on any part closes the box; only the web address opens something.
        const QStringList parts{"Label1",       "Comments", "Lbl_Version",
                                "lblCopyright", "Label3",   "lin_HorizontalLine1",
                                "Frame3D1",     "AboutBox"};
        for (const QString& part : parts)
            s.about(s.main.get(), [part](AboutBox* box) {
                QWidget* target = part == "AboutBox" ? box : box->findChild<QWidget*>(part);
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
                QVERIFY2(!box->isVisible(), qPrintable(part));
            });
        QVERIFY(s.data.platform.documentOpener.opened.isEmpty());
        s.about(s.main.get(), [](AboutBox* box) {
            QTest::mouseClick(box->Label2, Qt::LeftButton);
            QVERIFY(!box->isVisible());
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
        QCOMPARE(s.modal.opened, QStringList(12, "AboutBox"));

        // From the meal editor too, modal.
        s.main->cmdCreateMeals->click();
        s.about(s.main->findChild<frmAddMeal*>(), [](AboutBox* box) { box->close(); });
        QCOMPARE(s.modal.opened.size(), 13);
        QVERIFY(s.main->findChild<frmAddMeal*>()->isVisible());
    }

    void theMailLineLeadsToTheFeedbackWindow() {
        Session s;
        s.modal.steps.push_back([](QDialog* box) {
            QTest::mouseClick(qobject_cast<AboutBox*>(box)->Email, Qt::LeftButton);
            QVERIFY(!box->isVisible());
        });
        QPointer<frmeMail> mail;
        s.modal.steps.push_back([&](QDialog* window) {
            mail = qobject_cast<frmeMail*>(window);
            QCOMPARE(mail->txteMail->text(), QString("me@example.com"));
        });
        s.about(s.main.get());
        QCOMPARE(s.modal.opened, QStringList({"AboutBox", "frmeMail"}));
        QVERIFY(!mail);
    }

    void notModalFromThePlanner() {
        Session s;
        s.main->cmdMenuPlanner->click();
        auto* planner = s.main->findChild<frmMenuPlanner*>();
        s.about(planner);
        auto* box = planner->findChild<AboutBox*>();
        QVERIFY(box && box->isVisible() && !box->isModal());
        QVERIFY(s.modal.opened.isEmpty());
        // Asked again, the open box comes forward; no second one.
        s.about(planner);
        QCOMPARE(planner->findChildren<AboutBox*>().size(), 1);

        // Its mail line opens the feedback window modally over the planner.
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
