// The coupons and links windows, opened from the main window as the user would. A links
// write the store refuses is the I/O-error suite's.
#include "Program.h"
#include "coupons/WebAddress.h"
#include "coupons/frmCoupons.h"
#include "coupons/frmLinks.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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
struct Session : Program {
    explicit Session(const QStringList& links)
        : Program([links](DataStore& store) { WriteCouponLinks(store, links); }) {}
    // Opens the coupons window and plays `user` in it; returns once it has closed.
    void coupons(const std::function<void(frmCoupons*)>& user) {
        whenModal(user);
        press(main.get(), "mnuCoupons");
    }
    // The links window, opened through "Manage Links".
    frmLinks* manageLinks() {
        coupons([](frmCoupons* w) { w->cmdLinks->click(); });
        return main->findChild<frmLinks*>();
    }
};

} // namespace

class TestCoupons : public QObject {
    Q_OBJECT

private slots:
    void agreeingThenOpeningAddresses() {
        Session s({"www.b.com", "file:///etc"});
        s.coupons([&](frmCoupons* w) {
            auto usable = [w](bool on) {
                return w->cboAddress->isEnabled() == on && w->cmdGo->isEnabled() == on;
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
        QCOMPARE(s.boxes.texts(), QStringList(2, "Do you want to remove the Selected Link?"));

        // Closing writes the list with a link typed but not added; blanks are no link.
        QTest::keyClicks(links->txtLink, "www.typed.com");
        links->close();
        s.settle();
        QVERIFY(!s.main->findChild<frmLinks*>());
        links = s.manageLinks();
        QTest::keyClicks(links->txtLink, "  ");
        links->findChild<QAction*>("mnuExit")->trigger();
        s.settle();
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
        for (const QString refused : {"localhost", "www.exa mple.com", "/usr/bin/xterm", "./run.sh",
                                      "C:\\Windows\\notepad.exe", "www.example.com\\x",
                                      "mailto:me@example.com", "javascript:alert(1)"})
            QVERIFY2(!WebAddressToOpen(refused), qPrintable(refused));
    }
};

QTEST_MAIN(TestCoupons)
#include "tst_coupons.moc"
