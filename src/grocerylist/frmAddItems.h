#pragma once

#include "store/GroceryLists.h"
#include "ui/Form.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// "Edit Grocery Items!": edits one line of the grocery list, and writes the item's catalogue
// fields back to its category so a corrected price or aisle is kept there too. OK hands the
// edited line to `edited`.
class frmAddItems : public Form {
    Q_OBJECT
public:
    using EditedLine = std::function<void(const GroceryListLine&)>;

    // Without a line the dialog opens empty, and OK only closes it.
    frmAddItems(AppContext& app, std::optional<GroceryListLine> line, QWidget* parent,
                EditedLine edited);
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

    std::optional<GroceryListLine> m_line;
    EditedLine m_edited;
};
