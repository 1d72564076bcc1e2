#pragma once

#include <QString>

// Hands a file or a web address to the desktop, which opens it with its default program.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Failures are the desktop's to report; nothing comes back.
    virtual void open(const QString& target) = 0;
};

class QtDocumentOpener final : public DocumentOpener {
public:
    void open(const QString& target) override;
};
