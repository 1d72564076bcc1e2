// The mail format, and the real libcurl sender against a local TLS mail server.
#include "TestData.h"
#include "help/FeedbackMail.h"
#include "help/ShowFeedbackMail.h"
#include "help/frmeMail.h"
#include "platform/MailFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kUser("relay-account");
const QString kPassword("s3cret pass");
const QString kMailbox("feedback@example.com");

// /usr/bin/python3 with Debian's aiosmtpd, TLS from the first byte and a login; it reports
// each message it receives as a JSON line.
class LocalMailServer {
public:
    // Empty when the server runs; otherwise why not.
    QString start() {
        m_process.setProgram("/usr/bin/python3");
        m_process.setArguments({QStringLiteral(PANTRELLE_TESTS_DIR "/platform/smtps_server.py"),
                                m_folder.path(), kUser, kPassword});
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            m_unavailable = true;
            return "python3 does not start: " + m_process.errorString();
        }
        const QString first = nextLine(20000);
        if (first.startsWith("PORT "))
            m_port = first.mid(5).toInt();
        // Anything but a missing package or tool is a fault of the script.
        m_unavailable = first.startsWith("UNAVAILABLE");
        return m_port ? QString() : first + m_process.readAllStandardError();
    }
    bool unavailable() const { return m_unavailable; }
    ~LocalMailServer() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    MailRelay relay(const QString& password = kPassword) const {
        return {QString("smtps://127.0.0.1:%1").arg(m_port), kUser, password, kMailbox,
                m_folder.filePath("cert.pem")};
    }
    // The next message the server reports, or an empty object.
    QJsonObject received() { return QJsonDocument::fromJson(nextLine(5000).toUtf8()).object(); }
    // Whatever the server has reported and not yet been read.
    QString pending() {
        m_process.waitForReadyRead(200);
        return QString::fromUtf8(m_process.readAllStandardOutput());
    }

private:
    QString nextLine(int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
    bool m_unavailable = false;
};

#define START_SERVER(server)                                                                       \
    LocalMailServer server;                                                                        \
    if (const QString why = server.start(); !why.isEmpty()) {                                      \
        if (server.unavailable())                                                                  \
            QSKIP(qPrintable("no local mail server here: " + why));                                \
        QFAIL(qPrintable("the local mail server failed: " + why));                                 \
    }

} // namespace

class TestMailSender : public QObject {
    Q_OBJECT

private slots:
    void messageFormat() {
        const QDateTime date(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
        const QString text =
            "Hi\r\nbare\rcr\nlf\n.\n" + QString(100, 'x') + "\nend= \nk\u00E4se\u20AC";
        const auto mail = FormatMail({"me@example.com", "Gr\u00FC\u00DFe", text}, kMailbox, date);
        QVERIFY(mail);
        const QList<QByteArray> lines = mail->split('\n');
        for (qsizetype i = 0; i < lines.size() - 1; ++i) {
            QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
            QVERIFY(lines[i].size() <= 77);
            QVERIFY(!lines[i].chopped(1).contains('\r'));
        }
        QCOMPARE(
            lines.mid(0, 8),
            (QList<QByteArray>{"Date: 04 Mar 2026 05:06:07 +0000\r", "From: me@example.com\r",
                               "To: feedback@example.com\r", "Subject: =?UTF-8?B?R3LDvMOfZQ==?=\r",
                               "MIME-Version: 1.0\r", "Content-Type: text/plain; charset=UTF-8\r",
                               "Content-Transfer-Encoding: quoted-printable\r", "\r"}));
        // One soft break in the long line; "=" and the blank ending a line are encoded; the
        // "." line is left for the SMTP layer to escape.
        QCOMPARE(QByteArray(mail->constData() + mail->indexOf("\r\n\r\n") + 4),
                 "Hi\r\nbare\r\ncr\r\nlf\r\n.\r\n" + QByteArray(75, 'x') + "=\r\n" +
                     QByteArray(25, 'x') + "\r\nend=3D=20\r\nk=C3=A4se=E2=82=AC");

        // Nothing that could start a header of its own.
        QVERIFY(!FormatMail({"me@example.com\r\nBcc: x@y.com", "s", "t"}, kMailbox, date));
        QVERIFY(!FormatMail({"me@example.com", "s\nBcc: x@y.com", "t"}, kMailbox, date));
        QVERIFY(!FormatMail({"me@example.com", "s", "t"}, "a@b.com, c@d.com", date));
    }

    void sendsOverTlsWithALogin() {
        START_SERVER(server);
        CurlMailSender sender(server.relay());
        const MailMessage message =
            FeedbackMessage("me@example.com", "Hello", "first\n.\n..two dots\nlast \u00FC");
        QVERIFY2(sender.send(message), qPrintable(sender.lastError()));
        const QJsonObject got = server.received();
        QCOMPARE(got["mail_from"].toString(), QString("me@example.com"));
        QCOMPARE(got["rcpt_tos"].toArray(), QJsonArray{kMailbox});
        QCOMPARE(got["from"].toString(), QString("me@example.com"));
        QCOMPARE(got["to"].toString(), kMailbox);
        QCOMPARE(got["subject"].toString(), QString("me@example.com"));
        QCOMPARE(got["body"].toString(), QString("Hello - first\n.\n..two dots\nlast \u00FC"));

        // An unsafe sender never reaches the server.
        QVERIFY(!sender.send({"me@example.com\r\nBcc: x@y.com", "s", "t"}));
        QVERIFY(server.pending().isEmpty());
    }

    void theWindowKeepsTheTextsUntilTheRelayTakesThem() {
        START_SERVER(server);
        TestData data;
        data.open();
        CurlMailSender wrongPassword(server.relay("wrong"));
        MailRelay systemTrust = server.relay();
        systemTrust.caFile.clear();
        CurlMailSender untrusted(systemTrust);
        CurlMailSender good(server.relay());

        data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* w = qobject_cast<frmeMail*>(window);
            QTest::keyClicks(w->txtSubject, "Idea");
            w->txtBody->setPlainText("More coupons\n.\nplease");
            for (MailSender* failing :
                 {static_cast<MailSender*>(&wrongPassword), static_cast<MailSender*>(&untrusted)}) {
                data.platform.realMail = failing;
                w->Command1->click();
                QVERIFY(w->isVisible());
                QCOMPARE(w->txtSubject->text(), QString("Idea"));
                QCOMPARE(w->txtBody->toPlainText(), QString("More coupons\n.\nplease"));
            }
            data.platform.realMail = &good;
            w->Command1->click();
            QVERIFY2(!w->isVisible(), qPrintable(good.lastError()));
        });
        ShowFeedbackMail(data.app, nullptr);

        const QString notSent("Your message did not send! Please check your internet "
                              "connection and try again!");
        QCOMPARE(data.platform.messageBoxes.texts(), QStringList({notSent, notSent}));
        QVERIFY2(wrongPassword.lastError().contains("Login denied"),
                 qPrintable(wrongPassword.lastError()));
        QVERIFY2(untrusted.lastError().contains("certificate"), qPrintable(untrusted.lastError()));
        const QJsonObject got = server.received();
        QCOMPARE(got["body"].toString(), QString("Idea - More coupons\n.\nplease"));
        QCOMPARE(got["subject"].toString(), QString("me@example.com"));
        QVERIFY(server.pending().isEmpty());
    }
};

QTEST_MAIN(TestMailSender)
#include "tst_mailsender.moc"
