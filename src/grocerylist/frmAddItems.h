#pragma once

#include "ui/Form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class frmGroceryList;

// "Edit Grocery Items!": edits the current line of the grocery list, and writes the item's
// catalogue fields back to its category so a corrected price or aisle is kept there too.
class frmAddItems : public Form {
    Q_OBJECT
public:
    frmAddItems(AppContext& app, frmGroceryList* groceryList);
    ~frmAddItems() override { disconnectChildren(); }

    void Form_Load();

    QLabel* Label1;
    QLineEdit* txtQty;
    QScrollBar* VScroll1;
    QLabel* Label2;
    QLineEdit* txtGroceryItem;
    QLabel* Label3;
    QLineEdit* txtUnit;
    QLabel* Label4;
    QComboBox* cboAisles;
    QLabel* Label5;
    QLineEdit* txtPrice;
    QLabel* Label7;
    QLineEdit* txtCategory;
    QLabel* Label6;
    QLineEdit* txtComments;
    QCheckBox* ChkCoupon;
    QPushButton* cmdOk;
    QPushButton* cmdClose;

public slots:
    void txtQty_Change();
    void VScroll1_Change();
    void cmdOk_Click();
    void cmdClose_Click();

private:
    void buildControls();

    frmGroceryList* m_groceryList;
    // The line shown, or -1 when the dialog opened empty.
    int m_row = -1;
};
