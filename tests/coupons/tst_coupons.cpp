// The coupons and links windows, opened from the main window as the user would.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "coupons/WebAddress.h"
#include "coupons/frmCoupons.h"
#include "coupons/frmLinks.h"
#include "store/DataStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kOnlyWeb("Only web addresses can be opened!");
const QString kRemove("Do you want to remove the Selected Link?");

QStringList entries(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void typeAddress(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box, text);
}

// A running program; the coupons window opened from its menu.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    FakeMessageBoxes& boxes = data.platform.messageBoxes;
    QStringList& opened = data.platform.documentOpener.opened;

    DataStore& store() { return data.app.store(); }
    void storeLinks(const QStringList& links) {
        for (const QString& link : links)
            store().run("INSERT INTO \"Coupon Links\" VALUES (?1)", link);
    }
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
        Session s;
        s.storeLinks({"www.b.com", "http://A.com/deals", " spaced.example.com ", "file:///etc"});
        s.coupons([&](frmCoupons* w) {
            QCOMPARE(w->windowTitle(), QString("Coupons!"));
            QVERIFY(
                w->Label1->text().startsWith("You agree to indemnify, defend and hold Orvanta"));
            QVERIFY(w->Label1->text().endsWith("any term of this Agreement."));
            QCOMPARE(entries(w->cboAddress), QStringList({" spaced.example.com ", "file:///etc",
                                                          "http://A.com/deals", "www.b.com"}));
            auto usable = [w] {
                return w->Frame1->isEnabled() && w->cboAddress->isEnabled() &&
                       w->cmdGo->isEnabled();
            };
            QVERIFY(!w->Check1->isChecked() && !w->Frame1->isEnabled() &&
                    !w->cboAddress->isEnabled() && !w->cmdGo->isEnabled());

            // Ticking opens the address list; clearing and ticking again follow.
            w->Check1->click();
            QVERIFY(usable());
            QVERIFY(w->cboAddress->view()->isVisible());
            w->cboAddress->hidePopup();
            w->Check1->click();
            QVERIFY(!w->Frame1->isEnabled() && !w->cboAddress->isEnabled() &&
                    !w->cmdGo->isEnabled());
            w->Check1->click();
            QVERIFY(usable());
            w->cboAddress->hidePopup();

            // Chosen, typed (Enter opens too) and empty.
            w->cboAddress->setCurrentIndex(3);
            w->cmdGo->click();
            w->cboAddress->setCurrentIndex(0);
            w->cmdGo->click();
            w->cboAddress->setCurrentIndex(2);
            w->cmdGo->click();
            typeAddress(w->cboAddress, "HTTPS://typed.example/x?y=1");
            QTest::keyClick(w->cboAddress, Qt::Key_Return);
            typeAddress(w->cboAddress, "");
            w->cmdGo->click();
            QVERIFY(s.boxes.shown.isEmpty());
            // What is no web address is never handed to the desktop.
            w->cboAddress->setCurrentIndex(1);
            w->cmdGo->click();
            typeAddress(w->cboAddress, "/usr/bin/xterm");
            w->cmdGo->click();
            QVERIFY(w->isVisible());
            w->findChild<QAction*>("mnuExit")->trigger();
        });
        QCOMPARE(s.opened, QStringList({"https://www.b.com", "https://spaced.example.com",
                                        "http://A.com/deals", "HTTPS://typed.example/x?y=1"}));
        QCOMPARE(s.boxes.texts(), QStringList({kOnlyWeb, kOnlyWeb}));
        QVERIFY(!s.main->findChild<frmCoupons*>() && s.main->isVisible());

        // Opened afresh, the agreement is cleared again.
        s.coupons([](frmCoupons* w) {
            QVERIFY(!w->Check1->isChecked());
            QVERIFY(!w->cmdGo->isEnabled());
        });
    }

    void editingTheLinks() {
        Session s;
        s.storeLinks({"www.zeta.com", "www.Alpha.com"});
        frmLinks* links = s.manageLinks();
        // The coupons window has closed; the links window leaves the main window usable.
        QVERIFY(links && links->isVisible() && !links->isModal());
        QVERIFY(!s.main->findChild<frmCoupons*>() && s.main->isVisible());
        QCOMPARE(links->windowTitle(), QString("Manage Links!"));
        QCOMPARE(entries(links->lstLink), QStringList({"www.Alpha.com", "www.zeta.com"}));
        // Asked for again, the open links window comes forward; no second list to write.
        QCOMPARE(s.manageLinks(), links);
        QCOMPARE(s.main->findChildren<frmLinks*>().size(), 1);

        // Blanks alone are no link; blanks around one are kept; Enter adds too.
        QTest::keyClicks(links->txtLink, "   ");
        links->cmdAdd->click();
        QCOMPARE(links->lstLink->count(), 2);
        links->txtLink->clear();
        QTest::keyClicks(links->txtLink, "  www.middle.com ");
        QTest::keyClick(links->txtLink, Qt::Key_Return);
        QVERIFY(links->txtLink->text().isEmpty());
        QCOMPARE(entries(links->lstLink).last(), QString("  www.middle.com "));

        // The Delete key asks only with a link selected; Cancel keeps it, OK removes it.
        QTest::keyClick(links->lstLink, Qt::Key_Delete);
        QVERIFY(s.boxes.shown.isEmpty());
        links->lstLink->setCurrentRow(1);
        s.boxes.answers = {MsgAnswer::Cancel};
        QTest::keyClick(links->lstLink, Qt::Key_Delete);
        QCOMPARE(links->lstLink->count(), 3);
        links->cmdDelete->click();
        QCOMPARE(entries(links->lstLink), QStringList({"www.Alpha.com", "  www.middle.com "}));
        QVERIFY(links->lstLink->selectedItems().isEmpty());
        links->cmdDelete->click();
        QCOMPARE(s.boxes.texts(), QStringList({kRemove, kRemove}));
        QCOMPARE(s.boxes.shown.first().title, QString("Confirm Delete!"));
        QCOMPARE(s.storedLinks(), QStringList({"www.zeta.com", "www.Alpha.com"}));

        // Closing stores the list with the link typed but not added.
        QTest::keyClicks(links->txtLink, "www.typed.com");
        links->findChild<QAction*>("mnuExit")->trigger();
        s.settle();
        QVERIFY(!s.main->findChild<frmLinks*>());
        QCOMPARE(s.storedLinks(),
                 QStringList({"www.Alpha.com", "  www.middle.com ", "www.typed.com"}));
        s.coupons([](frmCoupons* w) {
            QCOMPARE(entries(w->cboAddress),
                     QStringList({"  www.middle.com ", "www.Alpha.com", "www.typed.com"}));
        });
    }

    void aFailedWriteKeepsTheStoredLinks() {
        Session s;
        s.storeLinks({"www.kept.com"});
        frmLinks* links = s.manageLinks();
        QTest::keyClicks(links->txtLink, "www.refused.com");
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON \"Coupon Links\" "
                      "WHEN NEW.Link = 'www.refused.com' BEGIN SELECT RAISE(ABORT, 'x'); END");
        links->close();
        s.settle();
        QCOMPARE(s.boxes.texts(), QStringList{"Your links could not be saved!"});
        QVERIFY(links->isVisible());
        QCOMPARE(s.storedLinks(), QStringList{"www.kept.com"});
        QCOMPARE(links->txtLink->text(), QString("www.refused.com"));

        // Once the store takes it, closing works; a typed text of blanks adds nothing.
        s.store().run("DROP TRIGGER refuse");
        links->cmdAdd->click();
        QTest::keyClicks(links->txtLink, "  ");
        links->close();
        s.settle();
        QVERIFY(!s.main->findChild<frmLinks*>());
        QCOMPARE(s.storedLinks(), QStringList({"www.kept.com", "www.refused.com"}));
    }

    void webAddresses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened"); // empty: refused
        QTest::newRow("https") << "https://shop.example/a?b=c#d"
                               << "https://shop.example/a?b=c#d";
        QTest::newRow("http, any case") << "HtTp://intranet"
                                        << "HtTp://intranet";
        QTest::newRow("bare host") << "www.example.com"
                                   << "https://www.example.com";
        QTest::newRow("bare host, port and path") << " deals.example.com:8080/today "
                                                  << "https://deals.example.com:8080/today";
        QTest::newRow("single word") << "localhost"
                                     << "";
        QTest::newRow("blank inside") << "www.exa mple.com"
                                      << "";
        QTest::newRow("file") << "file:///etc/passwd"
                              << "";
        QTest::newRow("absolute path") << "/usr/bin/xterm"
                                       << "";
        QTest::newRow("relative path") << "./run.sh"
                                       << "";
        QTest::newRow("drive path") << "C:\\Windows\\notepad.exe"
                                    << "";
        QTest::newRow("backslash in host") << "www.example.com\\x"
                                           << "";
        QTest::newRow("mail") << "mailto:me@example.com"
                              << "";
        QTest::newRow("script") << "javascript:alert(1)"
                                << "";
    }
    void webAddresses() {
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        QCOMPARE(WebAddressToOpen(typed).value_or(QString()), opened);
    }
};

QTEST_MAIN(TestCoupons)
#include "tst_coupons.moc"
