// The mail format, and the real libcurl sender against a local TLS mail server.
#include "platform/MailFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

const QString kUser("relay-account");
const QString kPassword("s3cret pass");
const QString kMailbox("feedback@example.com");

// /usr/bin/python3 with Debian's aiosmtpd, TLS from the first byte and a login; it reports
// each message it receives as a JSON line.
struct LocalMailServer {
    QTemporaryDir folder;
    QProcess process;
    int port = 0;

    // Empty when the server runs; otherwise why not, starting with "UNAVAILABLE" when it
    // cannot run here. Anything else is a fault of the script.
    QString start() {
        process.start("/usr/bin/python3", {PANTRELLE_TESTS_DIR "/platform/smtps_server.py",
                                           folder.path(), kUser, kPassword});
        const QString first = process.waitForStarted(5000)
                                  ? nextLine(20000)
                                  : "UNAVAILABLE python3: " + process.errorString();
        port = first.startsWith("PORT ") ? first.mid(5).toInt() : 0;
        return port ? QString() : first + process.readAllStandardError();
    }
    ~LocalMailServer() {
        process.kill();
        process.waitForFinished(5000);
    }
    MailRelay relay(const QString& password = kPassword) const {
        return {QString("smtps://127.0.0.1:%1").arg(port), kUser, password, kMailbox,
                folder.filePath("cert.pem")};
    }
    // The next line the server reports, or an empty one after `timeoutMs`.
    QString nextLine(int timeoutMs = 5000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!process.canReadLine() && !deadline.hasExpired() &&
               process.state() == QProcess::Running)
            process.waitForReadyRead(100);
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    QJsonObject received() { return QJsonDocument::fromJson(nextLine().toUtf8()).object(); }
};

} // namespace

class TestMailSender : public QObject {
    Q_OBJECT

private slots:
    void messageLinesAndHeaderSafety() {
        const QDateTime date(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
        const auto mail =
            FormatMail({"me@example.com", "s", QString(1000, 'x') + " \rcr\t\nlf"}, kMailbox, date);
        QVERIFY(mail && mail->startsWith("Date: 04 Mar 2026 05:06:07 +0000\r\n"));
        const QList<QByteArray> lines = mail->split('\n');
        for (qsizetype i = 0; i < lines.size() - 1; ++i)
            QVERIFY2(lines[i].endsWith('\r') && lines[i].size() <= 77 &&
                         !lines[i].chopped(1).contains('\r') && !lines[i].endsWith(" \r") &&
                         !lines[i].endsWith("\t\r"),
                     lines[i].constData());
        // Nothing that could start a header of its own.
        // A line break of either kind would start a header of its own.
        for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
            const QString bcc = QString(lineBreak) + "Bcc: x@y.com";
            QVERIFY(!FormatMail({"me@example.com" + bcc, "s", "t"}, kMailbox, date));
            QVERIFY(!FormatMail({"me@example.com", "s" + bcc, "t"}, kMailbox, date));
        }
        QVERIFY(!FormatMail({"me@example.com", "s", "t"}, "a@b.com, c@d.com", date));
    }

    void sendsOverTlsWithALogin() {
        LocalMailServer server;
        if (const QString why = server.start(); why.startsWith("UNAVAILABLE"))
            QSKIP(qPrintable(why));
        else if (!why.isEmpty())
            QFAIL(qPrintable("the local mail server failed: " + why));
        // What the sender encodes arrives as it was written, "." lines included.
        CurlMailSender sender(server.relay());
        const QString text("Hi\r\nbare\rcr\n.\n..two\n" + QString(100, 'x') +
                           "\nend= \nk\u00E4se\u20AC");
        QVERIFY2(sender.send({"me@example.com", "Gr\u00FC\u00DFe", text}),
                 qPrintable(sender.lastError()));
        const QJsonObject got = server.received();
        QCOMPARE(got["mail_from"].toString(), QString("me@example.com"));
        QCOMPARE(got["rcpt_tos"].toArray(), QJsonArray{kMailbox});
        QCOMPARE(got["headers"].toArray(),
                 QJsonArray({"Date", "From", "To", "Subject", "MIME-Version", "Content-Type",
                             "Content-Transfer-Encoding"}));
        QCOMPARE(got["from"].toString(), QString("me@example.com"));
        QCOMPARE(got["to"].toString(), kMailbox);
        QCOMPARE(got["subject"].toString(), QString("Gr\u00FC\u00DFe"));
        QCOMPARE(got["body"].toString(), QString(text).replace("\r\n", "\n").replace('\r', '\n'));
        QVERIFY(!sender.send({"me@example.com\r\nBcc: x@y.com", "s", "t"}));

        // A refused login and an untrusted certificate fail, each with its reason; the
        // feedback window's answer to a failure is the feedback suite's.
        CurlMailSender wrongPassword(server.relay("wrong"));
        MailRelay systemTrust = server.relay();
        systemTrust.caFile.clear();
        CurlMailSender untrusted(systemTrust);
        QVERIFY(!wrongPassword.send({"me@example.com", "s", "t"}));
        QVERIFY(!untrusted.send({"me@example.com", "s", "t"}));
        QVERIFY(wrongPassword.lastError().contains("Login denied"));
        QVERIFY(untrusted.lastError().contains("certificate"));
        QVERIFY(server.nextLine(200).isEmpty());
    }
};

QTEST_MAIN(TestMailSender)
#include "tst_mailsender.moc"
