#pragma once

#include "platform/MailSender.h"

// The sender the feedback window accepts: an "@" and a "." somewhere, and one plain
// address, since it goes into the message's headers and comes from the data file.
bool IsAcceptedSender(const QString& sender);

// What the user may set as the sender: one plain address of at most kMaxSenderLength
// characters with a dot after its "@" ("name@example.com").
constexpr int kMaxSenderLength = 50;
bool IsSettableSender(const QString& address);

// The feedback message: the sender is also the subject, so it survives a relay that puts
// its own account in From; the text is the subject, " - " and the message.
MailMessage FeedbackMessage(const QString& sender, const QString& subject, const QString& message);
