// The feedback window with a recording mail sender: what it checks, sends and keeps.
#include "TestData.h"
#include "help/FeedbackMail.h"
#include "help/ShowFeedbackMail.h"
#include "help/frmeMail.h"
#include "store/DataStore.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kBadAddress("Invalid eMail address! Please try again. / Error!");
const QString kNoSubject("Please enter a subject for this message! / Subject!");
const QString kNotSent("Your message did not send! Please check your internet connection and "
                       "try again! / Send Error!");

struct Session {
    TestData data;
    FakeMailSender& mail = data.platform.mailSender;

    explicit Session(const QVariant& sender = QString("me@example.com")) {
        data.open().store().run("UPDATE dbIndex SET eMailFlag = ?1", sender);
    }
    // Opens the feedback window and plays `user` in it; returns once it has closed.
    void feedback(const std::function<void(frmeMail*)>& user) {
        data.platform.modalRunner.steps.push_back(
            [user](QDialog* window) { user(qobject_cast<frmeMail*>(window)); });
        ShowFeedbackMail(data.app, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList messages() const {
        QStringList texts;
        for (const ShownMessage& shown : data.platform.messageBoxes.shown)
            texts << shown.text + " / " + shown.title;
        return texts;
    }
};

} // namespace

class TestFeedbackMail : public QObject {
    Q_OBJECT

private slots:
    void sendingRetryingAndLimits() {
        Session s;
        int cursorWhileSending = -1;
        s.mail.onSend = [&](const MailMessage&) {
            cursorWhileSending =
                QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1;
        };
        s.feedback([&](frmeMail* w) {
            QCOMPARE(w->windowTitle(), QString("Contact Orvanta!"));
            QCOMPARE(w->txteMail->text(), QString("me@example.com"));
            QVERIFY(!w->txteMail->isEnabled());
            QVERIFY(w->txtSubject->text().isEmpty() && w->txtBody->toPlainText().isEmpty());

            // At most 50 and 1000 characters, typed or pasted.
            QTest::keyClicks(w->txtSubject, QString(60, 's'));
            QCOMPARE(w->txtSubject->text().size(), 50);
            w->txtBody->insertPlainText(QString(995, 'a'));
            QTest::keyClicks(w->txtBody, "0123456789");
            QCOMPARE(w->txtBody->toPlainText(), QString(995, 'a') + "01234");
            w->txtBody->selectAll();
            w->txtBody->insertPlainText(QString(1200, 'b'));
            QCOMPARE(w->txtBody->toPlainText(), QString(1000, 'b'));

            // Only an empty subject is refused; one space will do.
            w->txtSubject->clear();
            w->Command1->click();
            QVERIFY(s.mail.sent.isEmpty());
            QTest::keyClicks(w->txtSubject, " ");
            w->txtBody->setPlainText("Line one\n.\nLine three");

            // A failed send says so and keeps the texts; Send again retries them.
            s.mail.answers = {false};
            w->Command1->click();
            QVERIFY(w->isVisible());
            QCOMPARE(w->txtSubject->text(), QString(" "));
            QCOMPARE(w->txtBody->toPlainText(), QString("Line one\n.\nLine three"));
            QVERIFY(!QGuiApplication::overrideCursor());
            w->Command1->click();
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(s.messages(), QStringList({kNoSubject, kNotSent}));
        QCOMPARE(s.mail.sent.size(), 2);
        for (const MailMessage& sent : s.mail.sent) {
            QCOMPARE(sent.from, QString("me@example.com"));
            QCOMPARE(sent.subject, QString("me@example.com"));
            QCOMPARE(sent.text, QString("  - Line one\n.\nLine three"));
        }
        QCOMPARE(cursorWhileSending, int(Qt::WaitCursor));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void refusedSendersSendNothing() {
        // The stored address is the data file's: unset, not an address, or carrying a header.
        for (const QVariant& stored :
             {QVariant(), QVariant("me@example"), QVariant("a@b.com\r\nBcc: x@y.com")}) {
            Session s(stored);
            s.feedback([](frmeMail* w) {
                QTest::keyClicks(w->txtSubject, "Hello");
                w->Command1->click();
                QVERIFY(w->isVisible());
            });
            QVERIFY(s.mail.sent.isEmpty());
            QCOMPARE(s.messages(), QStringList{kBadAddress});
        }
    }

    void senders_data() {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "me@example.com" << true;
        QTest::newRow("dot before the at") << "first.last@host" << true;
        QTest::newRow("atext") << "o'neil+shop_1@mail-1.example.org" << true;
        QTest::newRow("no dot") << "me@example" << false;
        QTest::newRow("no at") << "me.example.com" << false;
        QTest::newRow("trailing dot") << "me@example.com." << false;
        QTest::newRow("two ats") << "me@x@example.com" << false;
        QTest::newRow("two addresses") << "a@b.com, c@d.com" << false;
        QTest::newRow("line feed") << "a@b.com\nx@y.com" << false;
        QTest::newRow("name and address") << "Me <me@example.com>" << false;
        QTest::newRow("quoted") << "\"me\"@example.com" << false;
        QTest::newRow("beyond ASCII") << QString::fromUtf8("m\u00E9@example.com") << false;
        QTest::newRow("too long") << QString(250, 'a') + "@b.com" << false;
    }
    void senders() {
        QFETCH(QString, sender);
        QFETCH(bool, accepted);
        QCOMPARE(IsAcceptedSender(sender), accepted);
    }
};

QTEST_MAIN(TestFeedbackMail)
#include "tst_feedbackmail.moc"
