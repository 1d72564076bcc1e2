// The coupons and links windows, opened from the main window as the user would.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "coupons/WebAddress.h"
#include "coupons/frmCoupons.h"
#include "coupons/frmLinks.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// The texts of a list or a combo box, top to bottom.
template <typename Box> QStringList entries(const Box* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->model()->index(i, 0).data().toString();
    return texts;
}

void typeAddress(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box, text);
}

// A running program with stored links; the coupons window opened from its menu.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    explicit Session(const QStringList& links) { WriteCouponLinks(store(), links); }
    DataStore& store() { return data.app.store(); }
    QStringList storedLinks() { return Rows(store(), "Coupon Links", {"Link"}); }
    // Opens the coupons window and plays `user` in it; returns once it has closed.
    void coupons(const std::function<void(frmCoupons*)>& user) {
        data.platform.modalRunner.steps.push_back(
            [user](QDialog* window) { user(qobject_cast<frmCoupons*>(window)); });
        main->findChild<QAction*>("mnuCoupons")->trigger();
        settle();
    }
    // The links window, opened through "Manage Links".
    frmLinks* manageLinks() {
        coupons([](frmCoupons* w) { w->cmdLinks->click(); });
        return main->findChild<frmLinks*>();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class TestCoupons : public QObject {
    Q_OBJECT

private slots:
    void agreeingThenOpeningAddresses() {
        Session s({"www.b.com", "file:///etc"});
        s.coupons([&](frmCoupons* w) {
            auto usable = [w](bool on) {
                return w->Frame1->isEnabled() == on && w->cboAddress->isEnabled() == on &&
                       w->cmdGo->isEnabled() == on;
            };
            QVERIFY(!w->Check1->isChecked() && usable(false));
            // Ticking opens the address list; clearing and ticking again follow.
            w->Check1->click();
            QVERIFY(usable(true) && w->cboAddress->view()->isVisible());
            w->cboAddress->hidePopup();
            w->Check1->click();
            QVERIFY(usable(false));
            w->Check1->click();
            w->cboAddress->hidePopup();

            // Chosen, typed (Enter opens too), empty, and no web address.
            w->cboAddress->setCurrentIndex(1);
            w->cmdGo->click();
            typeAddress(w->cboAddress, "HTTPS://typed.example/x?y=1");
            QTest::keyClick(w->cboAddress, Qt::Key_Return);
            typeAddress(w->cboAddress, "");
            w->cmdGo->click();
            QVERIFY(s.boxes.shown.isEmpty());
            w->cboAddress->setCurrentIndex(0);
            w->cmdGo->click();
            QVERIFY(w->isVisible());
            w->findChild<QAction*>("mnuExit")->trigger();
        });
        QCOMPARE(s.data.platform.documentOpener.opened,
                 QStringList({"https://www.b.com", "HTTPS://typed.example/x?y=1"}));
        QCOMPARE(s.boxes.texts(), QStringList{"Only web addresses can be opened!"});
        // Opened afresh, the agreement is cleared again.
        s.coupons(
            [](frmCoupons* w) { QVERIFY(!w->Check1->isChecked() && !w->cmdGo->isEnabled()); });
    }

    void editingTheLinks() {
        Session s({"www.zeta.com", "www.Alpha.com"});
        frmLinks* links = s.manageLinks();
        // The coupons window has closed; the links window leaves the main window usable.
        QVERIFY(links && links->isVisible() && !links->isModal());
        QVERIFY(!s.main->findChild<frmCoupons*>());
        QCOMPARE(entries(links->lstLink), QStringList({"www.Alpha.com", "www.zeta.com"}));
        // Asked for again, the open links window comes forward; no second list to write.
        QCOMPARE(s.manageLinks(), links);
        QCOMPARE(s.main->findChildren<frmLinks*>().size(), 1);

        // Blanks alone are no link; blanks around one are kept; Enter adds too.
        QTest::keyClicks(links->txtLink, "   ");
        links->cmdAdd->click();
        links->txtLink->clear();
        QTest::keyClicks(links->txtLink, "  www.middle.com ");
        QTest::keyClick(links->txtLink, Qt::Key_Return);
        QVERIFY(links->txtLink->text().isEmpty());
        QCOMPARE(entries(links->lstLink).mid(2), QStringList{"  www.middle.com "});

        // The Delete key asks only with a link selected; Cancel keeps it, OK removes it.
        QTest::keyClick(links->lstLink, Qt::Key_Delete);
        QVERIFY(s.boxes.shown.isEmpty());
        links->lstLink->setCurrentRow(1);
        s.boxes.answers = {MsgAnswer::Cancel};
        QTest::keyClick(links->lstLink, Qt::Key_Delete);
        QCOMPARE(links->lstLink->count(), 3);
        links->cmdDelete->click();
        QVERIFY(links->lstLink->selectedItems().isEmpty());
        links->cmdDelete->click();
        QCOMPARE(s.boxes.texts(), QStringList(2, "Do you want to remove the Selected Link?"));

        // Closing writes the list and the link typed but not added; a refused write says so
        // and keeps the window as it is.
        QTest::keyClicks(links->txtLink, "www.typed.com");
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON \"Coupon Links\" "
                      "WHEN NEW.Link = 'www.typed.com' BEGIN SELECT RAISE(ABORT, 'x'); END");
        links->close();
        s.settle();
        QCOMPARE(s.boxes.texts().last(), QString("Your links could not be saved!"));
        QVERIFY(links->isVisible());
        QCOMPARE(links->txtLink->text(), QString("www.typed.com"));
        QCOMPARE(s.storedLinks(), QStringList({"www.zeta.com", "www.Alpha.com"}));
        s.store().run("DROP TRIGGER refuse");
        links->cmdAdd->click();
        QTest::keyClicks(links->txtLink, "  ");
        links->findChild<QAction*>("mnuExit")->trigger();
        s.settle();
        QVERIFY(!s.main->findChild<frmLinks*>());
        s.coupons([](frmCoupons* w) {
            QCOMPARE(entries(w->cboAddress),
                     QStringList({"  www.middle.com ", "www.Alpha.com", "www.typed.com"}));
        });
    }

    void webAddresses() {
        // As typed with http or https; a bare host gets https.
        for (const QString typed : {"https://shop.example/a?b=c#d", "HtTp://intranet"})
            QCOMPARE(WebAddressToOpen(typed).value_or(""), typed);
        QCOMPARE(WebAddressToOpen(" deals.example.com:8080/today ").value_or(""),
                 QString("https://deals.example.com:8080/today"));
        for (const QString refused :
             {"localhost", "www.exa mple.com", "file:///etc/passwd", "/usr/bin/xterm", "./run.sh",
              "C:\\Windows\\notepad.exe", "www.example.com\\x", "mailto:me@example.com",
              "javascript:alert(1)"})
            QVERIFY2(!WebAddressToOpen(refused), qPrintable(refused));
    }
};

QTEST_MAIN(TestCoupons)
#include "tst_coupons.moc"
