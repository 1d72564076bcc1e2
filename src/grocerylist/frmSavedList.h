#pragma once

#include "ui/Form.h"

#include <functional>

class QListWidget;
class QPushButton;

// "Select Grocery List!": opens or deletes one of the saved grocery lists. Opening hands
// the chosen name to `open`; a deleted list's name goes to `deleted`.
class frmSavedList : public Form {
    Q_OBJECT
public:
    using NameAction = std::function<void(const QString&)>;

    frmSavedList(AppContext& app, QWidget* parent, NameAction open, NameAction deleted);
    ~frmSavedList() override { disconnectChildren(); }

    void Form_Load();

    QListWidget* lstGroceryList;
    QPushButton* cmdSelect;
    QPushButton* cmdClose;

public slots:
    void cmdSelect_Click();
    void mnuOpen_Click();
    void mnuDelete_Click();
    void cmdClose_Click();

private:
    // The chosen name; empty when none is chosen.
    QString selectedName() const;

    NameAction m_open;
    NameAction m_deleted;
};
