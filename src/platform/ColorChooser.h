#pragma once

#include <QColor>
#include <array>
#include <optional>

class QWidget;

// The desktop's modal colour chooser.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // `initial` is preselected unless it is invalid; the custom colour slots start as given.
    // Returns the confirmed colour, or nothing when cancelled.
    virtual std::optional<QColor> choose(QWidget* owner, const QColor& initial,
                                         const std::array<QColor, 16>& customColors,
                                         bool fullOpen) = 0;
};

class QtColorChooser final : public ColorChooser {
public:
    std::optional<QColor> choose(QWidget* owner, const QColor& initial,
                                 const std::array<QColor, 16>& customColors,
                                 bool fullOpen) override;
};
