#pragma once

#include <QString>

// One outgoing message. The recipient is the relay's own mailbox, fixed with the relay.
struct MailMessage {
    QString from;
    QString subject;
    QString text;
};

// Where feedback mail goes: an SMTP relay reached over TLS with an account and password.
struct MailRelay {
    QString url; // smtps://host:465
    QString user;
    QString password;
    QString mailbox; // receives every message
    // Certificates trusted for the relay; empty trusts the system's authorities.
    QString caFile;
};

// The relay fixed when the program was built.
MailRelay BuildTimeRelay();

// Delivers a message to the relay's mailbox. Returns whether the relay accepted it.
class MailSender {
public:
    virtual ~MailSender() = default;
    virtual bool send(const MailMessage& message) = 0;
};

// Sends through libcurl over TLS, with the certificate and host name checked. The transfer
// runs on a worker thread while windows keep painting (user input waits), and gives up
// after at most 30 seconds.
class CurlMailSender final : public MailSender {
public:
    explicit CurlMailSender(MailRelay relay);
    bool send(const MailMessage& message) override;
    // Why the last send failed, for diagnosis; empty after a success.
    const QString& lastError() const { return m_lastError; }

private:
    MailRelay m_relay;
    QString m_lastError;
};
