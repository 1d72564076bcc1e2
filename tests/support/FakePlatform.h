#pragma once

#include "RecordingSurface.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// A message box as the program asked for it.
struct ShownMessage {
    QString text;
    QString title;
    MsgButtons buttons;
};

// Answers message boxes from a queue (OK or Yes when the queue is empty) and records them.
class FakeMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(QWidget* owner, const QString& text, const QString& title,
                   MsgButtons buttons) override;

    std::deque<MsgAnswer> answers;
    QList<ShownMessage> shown;

    QStringList texts() const;
};

// Shows a modal window without blocking, then runs the next scripted step on it (or closes
// it when there is none). The steps play the person using the window.
class FakeModalRunner final : public ModalRunner {
public:
    void runModal(QDialog* window) override;

    std::deque<std::function<void(QDialog*)>> steps;
    QStringList opened;
    // Windows without a step of their own stay open, for the test to go on with them.
    bool leaveOpen = false;
};

// Answers the colour chooser from a queue (cancel when empty) and records each request.
class FakeColorChooser final : public ColorChooser {
public:
    struct Request {
        QColor initial;
        std::array<QColor, 16> customColors;
    };
    std::optional<QColor> choose(QWidget* owner, const QColor& initial,
                                 const std::array<QColor, 16>& customColors,
                                 bool fullOpen) override;

    std::deque<std::optional<QColor>> answers;
    QList<Request> requests;
};

class FakeDocumentOpener final : public DocumentOpener {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

// Drives from a scripted list, usually temporary folders standing in for media.
class FakeDrives final : public Drives {
public:
    struct Entry {
        Drive drive;
        bool removable;
    };
    QList<Drive> list() override;
    bool isRemovable(const QString& rootPath) override;

    QList<Entry> entries;
};

// Copies for real, unless a short write is queued: then only its first `bytes` reach the
// target and the copy reports `reported` (a stick pulled out, or a device that lies).
class FakeFileCopier final : public FileCopier {
public:
    struct ShortWrite {
        qint64 bytes;
        bool reported;
    };
    bool copy(const QString& source, const QString& target) override;
    bool replace(const QString& from, const QString& to) override;

    std::deque<ShortWrite> shortWrites;
    // Runs after each successful replace with its target.
    std::function<void(const QString&)> afterReplace;
    // Runs after each copy that reports success, with its target.
    std::function<void(const QString&)> afterCopy;

private:
    QtFileCopier m_real;
};

// Records each message and answers from a queue (sent when empty).
class FakeMailSender final : public MailSender {
public:
    bool send(const MailMessage& message) override;

    std::deque<bool> answers;
    QList<MailMessage> sent;
};

// A printer list set by the test; documents are recorded instead of printed.
class FakePrinters final : public Printers {
public:
    QStringList installed() override { return printers; }
    QString defaultPrinter() override { return defaultName; }
    std::unique_ptr<PrintSurface> openPrinter(const QString& name, const QString& title) override;
    std::unique_ptr<PrintSurface> openPdfFile(const QString& path, const QString& title) override;

    QStringList printers{"Kitchen Laser", "Office Inkjet"};
    QString defaultName = "Office Inkjet";
    // Documents opened from now on report a printer failure at their end.
    bool failing = false;

    struct Document {
        QString target; // the printer's name, or "PDF:" and the file's path
        QString title;
        std::shared_ptr<PrintRecord> record;
    };
    QList<Document> documents;
};

// Answers save, open and folder dialogs from a queue each (cancel when empty) and records
// each request.
class FakeFileChooser final : public FileChooser {
public:
    struct Request {
        QString caption;
        QString suggested;
        QString filter;
    };
    std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                    const QString& suggested, const QString& filter) override;
    std::optional<QString> openFile(QWidget*, const QString& caption,
                                    const QString& filter) override;
    std::optional<QString> folder(QWidget*, const QString& caption) override;

    std::deque<std::optional<QString>> answers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    QList<Request> requests;
};

class FakePlatform final : public Platform {
public:
    MessageBoxes& messages() override { return messageBoxes; }
    ModalRunner& modal() override { return modalRunner; }
    ColorChooser& colors() override { return colorChooser; }
    DocumentOpener& documents() override { return documentOpener; }
    Drives& drives() override { return fakeDrives; }
    FileCopier& files() override { return fileCopier; }
    MailSender& mail() override { return realMail ? *realMail : mailSender; }
    Printers& printers() override { return fakePrinters; }
    FileChooser& fileChoosers() override { return fileChooser; }
    void endProcess(int code) override { endCodes << code; }

    FakeMessageBoxes messageBoxes;
    FakeModalRunner modalRunner;
    FakeColorChooser colorChooser;
    FakeDocumentOpener documentOpener;
    FakeDrives fakeDrives;
    FakeFileCopier fileCopier;
    FakeMailSender mailSender;
    // A real sender, for the tests that talk to a mail server.
    MailSender* realMail = nullptr;
    FakePrinters fakePrinters;
    FakeFileChooser fileChooser;
    QList<int> endCodes;
};
