#pragma once

#include "ui/Form.h"

class QListWidget;
class QPushButton;
class frmGroceryList;

// "Select Grocery List!": opens or deletes one of the saved grocery lists.
class frmSavedList : public Form {
    Q_OBJECT
public:
    frmSavedList(AppContext& app, frmGroceryList* groceryList);
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

    frmGroceryList* m_groceryList;
};
