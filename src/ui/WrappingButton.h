#pragma once

#include <QPushButton>

// A button whose caption wraps onto more lines when the button is too narrow for it.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
