#pragma once

class QDialog;

// Shows a window modally; returns once it has closed.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void runModal(QDialog* window) = 0;
};

class QtModalRunner final : public ModalRunner {
public:
    void runModal(QDialog* window) override;
};
