// The feedback window with a recording mail sender: what it lets through and what it refuses;
// setting its sender address from the main window.
#include "Program.h"
#include "help/FeedbackMail.h"
#include "help/ShowFeedbackMail.h"
#include "help/frmEmailAddress.h"
#include "help/frmeMail.h"
#include "store/DataStore.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalidAddress("Invalid eMail address! Please try again.");

// A data file whose stored sender is `sender`; the feedback window opened on it plays `user`.
void feedback(TestData& data, const QVariant& sender, const std::function<void(frmeMail*)>& user) {
    data.open().store().run("UPDATE dbIndex SET eMailFlag = ?1", sender);
    data.platform.modalRunner.steps.push_back(
        [user](QDialog* window) { user(qobject_cast<frmeMail*>(window)); });
    ShowFeedbackMail(data.app, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFeedbackMail : public QObject {
    Q_OBJECT

private slots:
    void theBodyLimitAndTheEmptySubject() {
        TestData data;
        feedback(data, "me@example.com", [&](frmeMail* w) {
            QCOMPARE(w->txteMail->text(), QString("me@example.com"));
            // At most 1000 characters, typed or pasted.
            w->txtBody->insertPlainText(QString(995, 'a'));
            QTest::keyClicks(w->txtBody, "0123456789");
            QCOMPARE(w->txtBody->toPlainText(), QString(995, 'a') + "01234");
            w->txtBody->selectAll();
            w->txtBody->insertPlainText(QString(1200, 'b'));
            QCOMPARE(w->txtBody->toPlainText(), QString(1000, 'b'));
            // Only an empty subject is refused; one space will do. A message that did not
            // send keeps the texts for another try.
            w->Command1->click();
            QVERIFY(data.platform.mailSender.sent.isEmpty() && w->isVisible());
            QTest::keyClicks(w->txtSubject, " ");
            data.platform.mailSender.answers = {false};
            w->Command1->click();
            QVERIFY(w->isVisible() && w->txtBody->toPlainText() == QString(1000, 'b'));
            w->Command1->click();
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(data.platform.messageBoxes.texts(),
                 QStringList({"Please enter a subject for this message!",
                              "Your message did not send! Please check your internet connection "
                              "and try again!"}));
        // The relay sends from the stored address, which is also the subject.
        const MailMessage sent = data.platform.mailSender.sent.value(1);
        QCOMPARE(sent.from + "|" + sent.subject + "|" + sent.text,
                 "me@example.com|me@example.com|  - " + QString(1000, 'b'));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void refusedSenders() {
        // As the data file holds it: unset, or not an address the relay should see.
        for (const QVariant& stored :
             {QVariant(), QVariant("me@example"), QVariant("a@b.com\r\nBcc: x@y.com")}) {
            TestData data;
            feedback(data, stored, [](frmeMail* w) {
                QTest::keyClicks(w->txtSubject, "Hello");
                w->Command1->click();
                QVERIFY(w->isVisible());
            });
            QVERIFY(data.platform.mailSender.sent.isEmpty());
            QCOMPARE(data.platform.messageBoxes.texts(), QStringList{kInvalidAddress});
        }
        const QList<std::pair<QString, bool>> senders{
            {"first.last@host", true},      {"o'neil+shop_1@mail-1.example.org", true},
            {"me.example.com", false},      {"me@example.com.", false},
            {"me@x@example.com", false},    {"a@b.com, c@d.com", false},
            {"Me <me@example.com>", false}, {"\"me\"@example.com", false},
            {"m\u00E9@example.com", false}, {QString(250, 'a') + "@b.com", false},
        };
        for (const auto& [sender, accepted] : senders)
            QVERIFY2(IsAcceptedSender(sender) == accepted, qPrintable(sender));
    }

    void settingTheSender() {
        Program p;
        const auto stored = [&] { return Rows(p.store(), "dbIndex", {"eMailFlag"}); };
        p.whenModal<frmEmailAddress>([&](frmEmailAddress* w) {
            QCOMPARE(w->txtEmailAddress->text(), QString("me@example.com"));
            for (const char* refused : {"first.last@host", "me @example.com", ""}) {
                w->txtEmailAddress->setText(refused);
                w->cmdOK->click();
                QVERIFY2(w->isVisible(), refused);
            }
            w->txtEmailAddress->setText(" new.me@mail.example.org ");
            w->cmdOK->click();
            QVERIFY(!w->isVisible());
        });
        p.press(p.main.get(), "mnuEmailAddress");
        QCOMPARE(p.messages(), QStringList(3, kInvalidAddress));
        QCOMPARE(stored(), QStringList{"new.me@mail.example.org"});
        // Esc, as Cancel, keeps what was stored.
        p.whenModal<frmEmailAddress>([](frmEmailAddress* w) {
            w->txtEmailAddress->setText("other@example.com");
            QTest::keyClick(w->txtEmailAddress, Qt::Key_Escape);
        });
        p.press(p.main.get(), "mnuEmailAddress");
        QCOMPARE(stored(), QStringList{"new.me@mail.example.org"});

        QVERIFY(!IsSettableSender(QString(39, 'a') + "@example.com"));
        // Without an address the feedback window says where to set one.
        feedback(p.data, QVariant(), [](frmeMail* w) {
            QVERIFY(w->txteMail->placeholderText().contains("Your e-mail Address"));
        });
    }
};

QTEST_MAIN(TestFeedbackMail)
#include "tst_feedbackmail.moc"
