#include "FeedbackMail.h"

#include "platform/MailFormat.h"

bool IsAcceptedSender(const QString& sender) {
    return sender.contains(QLatin1Char('@')) && sender.contains(QLatin1Char('.')) &&
           IsPlainAddress(sender);
}

MailMessage FeedbackMessage(const QString& sender, const QString& subject, const QString& message) {
    return {sender, sender, subject + QStringLiteral(" - ") + message};
}
