#pragma once

#include "ui/Form.h"
#include "ui/GroceryListLines.h"

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Grocery List!": the current grocery list, one line per item. The lines on screen are the
// only copy of unsaved changes; the changed marker is the list's "Tag" ("Dirty" or "").
class frmGroceryList : public Form {
    Q_OBJECT
public:
    // The name a list is saved under when the name box is empty.
    static inline const QString kDefaultName = QStringLiteral("Grocery List");

    frmGroceryList(AppContext& app, QWidget* parent = nullptr);
    ~frmGroceryList() override { disconnectChildren(); }

    void Form_Load();
    // Shows the list saved under the program's current list name in the given order. The
    // name box, the changed marker and the totals stay as they are.
    void LoadSortedList(GroceryListOrder order);
    // Shows the list saved under `name` and makes it the current list; the changed marker
    // stays as it is.
    void showSavedList(const QString& name);

    // Appends the working list's lines whose item the list does not hold yet, from the
    // last working line to the first.
    void FindDups();

    bool isDirty() const;
    void setDirty(bool dirty);
    // Recomputes the item count and the estimated total.
    void updateTotals();

    QListWidget* lstGroceryList2;
    QPushButton* cmdCoupon;
    QPushButton* cmdQty;
    QPushButton* cmdUnit;
    QPushButton* cmdPrice;
    QPushButton* cmdAisle;
    QPushButton* cmdGroceryItem;
    QGroupBox* Frame1;
    QPushButton* cmdSelectList;
    QPushButton* cmdSave;
    QLineEdit* txtGroceryListName;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    QPushButton* cmdClear;
    QPushButton* cmdRemoveItems;
    QPushButton* cmdAddFromCategories;
    QPushButton* cmdCreateList;
    QLabel* Label3;
    QListWidget* lstGroceryList;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblComments;
    QLabel* lblPrice;
    QLabel* lblItems;

public slots:
    void cmdSave_Click();
    void cmdGroceryItem_Click();
    void cmdQty_Click();
    void cmdUnit_Click();
    void cmdAisle_Click();
    void cmdPrice_Click();
    void cmdCoupon_Click();
    void cmdSelectList_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void cmdClear_Click();
    void cmdRemoveItems_Click();
    void cmdAddFromCategories_Click();
    void cmdCreateList_Click();
    void lstGroceryList_KeyUp(QKeyEvent* event);
    void lstGroceryList_KeyDown(QKeyEvent* event);
    void lstGroceryList_KeyPress();
    void lstGroceryList_DblClick();
    void txtGroceryListName_KeyPress();
    void mnuCoupons_Click();
    void mnuUsing_Click();
    void mnuAbout_Click();

protected:
    bool Form_Unload() override;

private:
    // Saves the list under the name in the name box; false, with the user told and the
    // list kept on screen, when it could not be saved.
    bool saveList();
    void buildControls();
    void buildMenus();
    void sortBy(GroceryListOrder order);
    void showLines(const QList<GroceryListLine>& lines);
    // Offers to save unsaved changes; false when the window must stay open.
    bool settleChanges();
    void stepQuantity(int step);
};
