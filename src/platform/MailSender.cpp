#include "MailSender.h"

#include "MailFormat.h"

#include <QEventLoop>
#include <QLibrary>
#include <QThread>
#include <curl/curl.h>
#include <memory>
#include <optional>
#include <type_traits>

namespace {

// libcurl, and the two dozen libraries behind it, are loaded at the first message rather
// than at start: most runs never send one.
struct Curl {
    decltype(&curl_global_init) globalInit;
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_strerror) easyStrerror;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
};

// The library's functions, or null when it cannot be loaded. Resolved once, on the window
// thread, before any worker thread uses them.
const Curl* loadCurl() {
    static const std::optional<Curl> curl = []() -> std::optional<Curl> {
        QLibrary library(QStringLiteral("curl"), 4);
        if (!library.load())
            return std::nullopt;
        const auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        Curl c{};
        if (!resolve(c.globalInit, "curl_global_init") || !resolve(c.easyInit, "curl_easy_init") ||
            !resolve(c.easySetopt, "curl_easy_setopt") ||
            !resolve(c.easyPerform, "curl_easy_perform") ||
            !resolve(c.easyCleanup, "curl_easy_cleanup") ||
            !resolve(c.easyStrerror, "curl_easy_strerror") ||
            !resolve(c.slistAppend, "curl_slist_append") ||
            !resolve(c.slistFreeAll, "curl_slist_free_all") ||
            c.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            return std::nullopt;
        // The library stays loaded for the rest of the run.
        return c;
    }();
    return curl ? &*curl : nullptr;
}

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

CURLcode perform(const Curl& lib, Transfer& t) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(lib.easyInit(), lib.easyCleanup);
    if (!curl)
        return CURLE_FAILED_INIT;
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> recipients(
        lib.slistAppend(nullptr, t.to.constData()), lib.slistFreeAll);
    CURL* c = curl.get();
    lib.easySetopt(c, CURLOPT_ERRORBUFFER, t.error);
    lib.easySetopt(c, CURLOPT_URL, t.url.constData());
    // Mail only, and never in the clear: smtps:// is TLS from the start, smtp:// must
    // switch to TLS before the login.
    lib.easySetopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    lib.easySetopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    lib.easySetopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    lib.easySetopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!t.caFile.isEmpty())
        lib.easySetopt(c, CURLOPT_CAINFO, t.caFile.constData());
    lib.easySetopt(c, CURLOPT_USERNAME, t.user.constData());
    lib.easySetopt(c, CURLOPT_PASSWORD, t.password.constData());
    lib.easySetopt(c, CURLOPT_MAIL_FROM, t.from.constData());
    lib.easySetopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    lib.easySetopt(c, CURLOPT_UPLOAD, 1L);
    lib.easySetopt(c, CURLOPT_READFUNCTION, &readPayload);
    lib.easySetopt(c, CURLOPT_READDATA, &t);
    lib.easySetopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(t.payload.size()));
    lib.easySetopt(c, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    lib.easySetopt(c, CURLOPT_TIMEOUT, kTotalSeconds);
    lib.easySetopt(c, CURLOPT_NOSIGNAL, 1L);
    return lib.easyPerform(c);
}

} // namespace

// PANTRELLE_MAIL_* come from the build's cache variables.
MailRelay BuildTimeRelay() {
    return {QStringLiteral(PANTRELLE_MAIL_URL), QStringLiteral(PANTRELLE_MAIL_USER),
            QStringLiteral(PANTRELLE_MAIL_PASSWORD), QStringLiteral(PANTRELLE_MAIL_TO), QString()};
}

CurlMailSender::CurlMailSender(MailRelay relay) : m_relay(std::move(relay)) {}

bool CurlMailSender::send(const MailMessage& message) {
    const std::optional<QByteArray> payload =
        FormatMail(message, m_relay.mailbox, QDateTime::currentDateTime());
    if (!payload) {
        m_lastError = QStringLiteral("the sender or the recipient is not one plain address");
        return false;
    }
    const Curl* curl = loadCurl();
    if (!curl) {
        m_lastError = QStringLiteral("libcurl.so.4 could not be loaded");
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
    std::unique_ptr<QThread> worker(QThread::create([&] { result = perform(*curl, transfer); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // Windows repaint meanwhile; clicks and keys wait, so nothing starts a second send.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    m_lastError = result == CURLE_OK
                      ? QString()
                      : QStringLiteral("%1 (%2)").arg(QString::fromUtf8(curl->easyStrerror(result)),
                                                      QString::fromUtf8(transfer.error));
    return result == CURLE_OK;
}
