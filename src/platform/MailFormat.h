#pragma once

#include "MailSender.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// One bare address such as name@example.com: ASCII, exactly one "@", no blanks, line
// breaks, brackets, commas or quotes, so it can stand in a header or an SMTP command
// without changing its meaning.
bool IsPlainAddress(const QString& address);

// The message as it travels over SMTP: headers, a blank line and the text as UTF-8 in
// quoted-printable, every line ending in CRLF. Nothing when the sender or recipient is
// not one plain address or the subject holds a control character, so no value can add
// a header of its own. Lines starting with "." are left to the SMTP layer to escape.
std::optional<QByteArray> FormatMail(const MailMessage& message, const QString& to,
                                     const QDateTime& date);
