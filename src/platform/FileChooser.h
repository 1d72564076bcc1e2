#pragma once

#include <QString>
#include <optional>

class QWidget;

// The desktop's dialog for choosing where to save a file.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Offers `suggested` (a path). `filter` names the kinds of file, as "PDF files (*.pdf)",
    // several separated by ";;"; the kind the suggested name has is chosen first. A name
    // typed without an extension gets the chosen kind's. Returns the chosen path, or nothing
    // when cancelled.
    virtual std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                            const QString& suggested, const QString& filter) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> saveFile(QWidget* owner, const QString& caption,
                                    const QString& suggested, const QString& filter) override;
};
