#pragma once

#include "ui/Form.h"

class QComboBox;
class QLabel;
class QListWidget;
class frmAddGrocery;

// Every item of every category in one list, opened over the catalogue window.
class frmAllItems : public Form {
    Q_OBJECT
public:
    frmAllItems(AppContext& app, frmAddGrocery* catalogue);
    ~frmAllItems() override { disconnectChildren(); }

    QListWidget* lstGroceryItem;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblTotalItems;
    QComboBox* cboCategory;

public slots:
    void Form_Load();
    void DeleteSelectedItem();
    void lstGroceryItem_DblClick();
    void mnuClose_Click();

private:
    // The selected line's item and category; nothing when no line is selected.
    bool selectedLine(QString* item, QString* category) const;

    frmAddGrocery* m_catalogue;
};
