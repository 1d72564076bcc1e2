#include "FakePlatform.h"

#include <QPointer>

MsgAnswer FakeMessageBoxes::show(QWidget*, const QString& text, const QString& title,
                                 MsgButtons buttons) {
    shown.append({text, title.isEmpty() ? kAppTitle : title, buttons});
    if (onShow)
        onShow(shown.last());
    if (!answers.empty()) {
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

QStringList FakeMessageBoxes::texts() const {
    QStringList result;
    for (const ShownMessage& message : shown)
        result << message.text;
    return result;
}

void FakeModalRunner::runModal(QDialog* window) {
    opened << window->objectName();
    QPointer<QDialog> guard(window);
    window->show();
    if (!steps.empty()) {
        auto step = std::move(steps.front());
        steps.pop_front();
        step(window);
    }
    if (guard && guard->isVisible())
        guard->close();
}

std::optional<QColor> FakeColorChooser::choose(QWidget*, const QColor& initial,
                                               const std::array<QColor, 16>& customColors,
                                               bool fullOpen) {
    requests.append({initial, customColors, fullOpen});
    if (answers.empty())
        return std::nullopt;
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeMailSender::send(const MailMessage& message) {
    sent.append(message);
    if (onSend)
        onSend(message);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}
