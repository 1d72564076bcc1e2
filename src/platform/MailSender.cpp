#include "MailSender.h"

#include "MailFormat.h"

#include <QEventLoop>
#include <QThread>
#include <curl/curl.h>
#include <memory>

namespace {

// A dead network must not hold the window for long: the whole exchange, connection
// included, ends within kTotalSeconds.
constexpr long kConnectSeconds = 10;
constexpr long kTotalSeconds = 30;

// The message and the relay as plain bytes, so the worker thread touches no Qt object.
struct Transfer {
    QByteArray url, user, password, caFile, from, to, payload;
    qsizetype sent = 0;
    char error[CURL_ERROR_SIZE] = {};
};

size_t readPayload(char* buffer, size_t size, size_t count, void* data) {
    auto* transfer = static_cast<Transfer*>(data);
    const qsizetype chunk =
        qMin(qsizetype(size * count), transfer->payload.size() - transfer->sent);
    memcpy(buffer, transfer->payload.constData() + transfer->sent, size_t(chunk));
    transfer->sent += chunk;
    return size_t(chunk);
}

CURLcode perform(Transfer& t) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   &curl_easy_cleanup);
    if (!curl)
        return CURLE_FAILED_INIT;
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> recipients(
        curl_slist_append(nullptr, t.to.constData()), &curl_slist_free_all);
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, t.error);
    curl_easy_setopt(c, CURLOPT_URL, t.url.constData());
    // Mail only, and never in the clear: smtps:// is TLS from the start, smtp:// must
    // switch to TLS before the login.
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!t.caFile.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, t.caFile.constData());
    curl_easy_setopt(c, CURLOPT_USERNAME, t.user.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, t.password.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, t.from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &readPayload);
    curl_easy_setopt(c, CURLOPT_READDATA, &t);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(t.payload.size()));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, kTotalSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    return curl_easy_perform(c);
}

} // namespace

// PANTRELLE_MAIL_* come from the build's cache variables.
MailRelay BuildTimeRelay() {
    return {QStringLiteral(PANTRELLE_MAIL_URL), QStringLiteral(PANTRELLE_MAIL_USER),
            QStringLiteral(PANTRELLE_MAIL_PASSWORD), QStringLiteral(PANTRELLE_MAIL_TO), QString()};
}

CurlMailSender::CurlMailSender(MailRelay relay) : m_relay(std::move(relay)) {
    // Once per process, before any worker thread uses the library.
    [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
}

bool CurlMailSender::send(const MailMessage& message) {
    const std::optional<QByteArray> payload =
        FormatMail(message, m_relay.mailbox, QDateTime::currentDateTime());
    if (!payload) {
        m_lastError = QStringLiteral("the sender or the recipient is not one plain address");
        return false;
    }
    Transfer transfer{m_relay.url.toUtf8(),
                      m_relay.user.toUtf8(),
                      m_relay.password.toUtf8(),
                      m_relay.caFile.toLocal8Bit(),
                      '<' + message.from.toLatin1() + '>',
                      '<' + m_relay.mailbox.toLatin1() + '>',
                      *payload};
    CURLcode result = CURLE_OK;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = perform(transfer); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // Windows repaint meanwhile; clicks and keys wait, so nothing starts a second send.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    m_lastError = result == CURLE_OK
                      ? QString()
                      : QStringLiteral("%1 (%2)").arg(QString::fromUtf8(curl_easy_strerror(result)),
                                                      QString::fromUtf8(transfer.error));
    return result == CURLE_OK;
}
