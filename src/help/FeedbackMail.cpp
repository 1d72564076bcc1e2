#include "FeedbackMail.h"

#include "platform/MailFormat.h"

bool IsAcceptedSender(const QString& sender) {
    return sender.contains(QLatin1Char('@')) && sender.contains(QLatin1Char('.')) &&
           IsPlainAddress(sender);
}

bool IsSettableSender(const QString& address) {
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    return address.size() <= kMaxSenderLength && at > 0 &&
           address.indexOf(QLatin1Char('.'), at) > at && IsPlainAddress(address);
}

MailMessage FeedbackMessage(const QString& sender, const QString& subject, const QString& message) {
    return {sender, sender, subject + QStringLiteral(" - ") + message};
}
