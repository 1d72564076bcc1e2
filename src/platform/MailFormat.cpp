#include "MailFormat.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxAddressLength = 254;
// Quoted-printable lines carry at most 76 characters, the soft break's "=" included.
constexpr int kMaxEncodedColumn = 75;

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

// A subject outside ASCII travels as one encoded word.
QByteArray headerText(const QString& text) {
    if (isAscii(text))
        return text.toLatin1();
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

QByteArray quotedPrintable(const QString& text) {
    QString lines = text;
    // Every line break becomes CRLF: a bare CR or LF could otherwise end a line for one
    // mail server and not for another, and hide a "." line from the escaping.
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QByteArray encoded;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        const QByteArray bytes = line.toUtf8();
        int column = 0;
        for (int i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            const bool last = i == bytes.size() - 1;
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last))
                piece = QByteArray(1, char(c));
            else
                piece = '=' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            if (column + piece.size() > kMaxEncodedColumn) {
                encoded += "=\r\n";
                column = 0;
            }
            encoded += piece;
            column += piece.size();
        }
        encoded += "\r\n";
    }
    encoded.chop(2);
    return encoded;
}

} // namespace

bool IsPlainAddress(const QString& address) {
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z0-9.!#$%&'*+/=?^_`{|}~-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*$"));
    return address.size() <= kMaxAddressLength && plain.match(address).hasMatch();
}

std::optional<QByteArray> FormatMail(const MailMessage& message, const QString& to,
                                     const QDateTime& date) {
    if (!IsPlainAddress(message.from) || !IsPlainAddress(to) ||
        hasControlCharacter(message.subject))
        return std::nullopt;
    QByteArray mail;
    mail += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    mail += "From: " + message.from.toLatin1() + "\r\n";
    mail += "To: " + to.toLatin1() + "\r\n";
    mail += "Subject: " + headerText(message.subject) + "\r\n";
    mail += "MIME-Version: 1.0\r\n";
    mail += "Content-Type: text/plain; charset=UTF-8\r\n";
    mail += "Content-Transfer-Encoding: quoted-printable\r\n";
    mail += "\r\n";
    mail += quotedPrintable(message.text);
    return mail;
}
