#pragma once

#include <QString>
#include <optional>

class QWidget;

// The desktop's dialog for choosing where to save a file.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Offers `suggested` (a path); a name typed without an extension gets the suggested
    // one. `filter` names the kind of file, as "PDF files (*.pdf)". Returns the chosen path,
    // or nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                            const QString& suggested, const QString& filter) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                    const QString& suggested, const QString& filter) override;
};
