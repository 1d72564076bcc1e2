#include "FakePlatform.h"

#include <QFile>
#include <QPointer>

namespace {

// The answer queued first, or `otherwise` when none is.
template <typename T> T next(std::deque<T>& answers, T otherwise) {
    if (answers.empty())
        return otherwise;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

MsgAnswer FakeMessageBoxes::show(QWidget*, const QString& text, const QString& title,
                                 MsgButtons buttons) {
    shown.append({text, title.isEmpty() ? kAppTitle : title, buttons});
    return next(answers, buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok);
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
    if (auto step = next(steps, std::function<void(QDialog*)>()))
        step(window);
    else if (leaveOpen)
        return;
    if (guard && guard->isVisible())
        guard->close();
}

std::optional<QColor> FakeColorChooser::choose(QWidget*, const QColor& initial,
                                               const std::array<QColor, 16>& customColors, bool) {
    requests.append({initial, customColors});
    return next(answers, std::optional<QColor>());
}

QList<Drive> FakeDrives::list() {
    QList<Drive> drives;
    for (const Entry& entry : entries)
        drives << entry.drive;
    return drives;
}

bool FakeDrives::isRemovable(const QString& rootPath) {
    const auto entry = std::find_if(entries.cbegin(), entries.cend(),
                                    [&](const Entry& e) { return e.drive.rootPath == rootPath; });
    return entry != entries.cend() && entry->removable;
}

bool FakeFileCopier::copy(const QString& source, const QString& target) {
    if (shortWrites.empty()) {
        const bool copied = m_real.copy(source, target);
        if (copied && afterCopy)
            afterCopy(target);
        return copied;
    }
    const ShortWrite fault = shortWrites.front();
    shortWrites.pop_front();
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(in.read(fault.bytes));
    return fault.reported;
}

bool FakeFileCopier::replace(const QString& from, const QString& to) {
    const bool replaced = m_real.replace(from, to);
    if (replaced && afterReplace)
        afterReplace(to);
    return replaced;
}

bool FakeMailSender::send(const MailMessage& message) {
    sent.append(message);
    return next(answers, true);
}

std::unique_ptr<PrintSurface> FakePrinters::openPrinter(const QString& name, const QString& title) {
    auto surface = std::make_unique<RecordingSurface>(failing);
    documents.append({name, title, surface->record});
    return surface;
}

std::unique_ptr<PrintSurface> FakePrinters::openPdfFile(const QString& path, const QString& title) {
    return openPrinter(QStringLiteral("PDF:") + path, title);
}

std::optional<QString> FakeFileChooser::saveFile(QWidget*, const QString& caption,
                                                 const QString& suggested, const QString& filter) {
    requests.append({caption, suggested, filter});
    return next(answers, std::optional<QString>());
}

std::optional<QString> FakeFileChooser::openFile(QWidget*, const QString& caption,
                                                 const QString& filter) {
    requests.append({caption, {}, filter});
    return next(openAnswers, std::optional<QString>());
}

std::optional<QString> FakeFileChooser::folder(QWidget*, const QString& caption) {
    requests.append({caption, {}, {}});
    return next(folderAnswers, std::optional<QString>());
}
