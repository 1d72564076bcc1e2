#pragma once

#include <QString>
#include <optional>

class QWidget;

// The desktop's dialogs for choosing a file to save or open, or a folder.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Offers `suggested` (a path). `filter` names the kinds of file, as "PDF files (*.pdf)",
    // several separated by ";;"; the kind the suggested name has is chosen first. A name
    // typed without an extension gets the chosen kind's. Returns the chosen path, or nothing
    // when cancelled.
    virtual std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                            const QString& suggested, const QString& filter) = 0;
    // An existing file of a kind `filter` names; nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* owner, const QString& caption,
                                            const QString& filter) = 0;
    // An existing folder; nothing when cancelled.
    virtual std::optional<QString> folder(QWidget* owner, const QString& caption) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                    const QString& suggested, const QString& filter) override;
    std::optional<QString> openFile(QWidget* owner, const QString& caption,
                                    const QString& filter) override;
    std::optional<QString> folder(QWidget* owner, const QString& caption) override;
};
