#pragma once

#include "domain/GroceryList.h"
#include "ui/Form.h"

#include <optional>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
struct PickedItem;

// "Grocery List!": the current grocery list, one line per item. The window holds the list
// as values; the lines on screen show them, and they are the only copy of unsaved changes.
class frmGroceryList : public Form {
    Q_OBJECT
public:
    // The name a list is saved under when the name box is empty.
    static inline const QString kDefaultName = QStringLiteral("Grocery List");

    frmGroceryList(AppContext& app, QWidget* parent = nullptr);
    ~frmGroceryList() override { disconnectChildren(); }

    void Form_Load();
    // Shows the list saved under `name` and makes it the current list; the changed state
    // stays as it is.
    void showSavedList(const QString& name);

    // Appends the working lines whose item the list does not hold yet, from the last
    // working line to the first.
    void FindDups(const QList<GroceryListLine>& working);

    const GroceryList& list() const { return *m_list; }

    QPushButton* cmdCoupon;
    QPushButton* cmdQty;
    QPushButton* cmdUnit;
    QPushButton* cmdPrice;
    QPushButton* cmdAisle;
    QPushButton* cmdGroceryItem;
    QPushButton* cmdCategory;
    // A heading only.
    QPushButton* cmdComments;
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
    QListView* lstGroceryList;
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
    void cmdCategory_Click();
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
    void mnuSendToPhone_Click();
    void mnuCopyText_Click();
    void mnuSaveAs_Click();
    void mnuCoupons_Click();
    void mnuUsing_Click();
    void mnuAbout_Click();

protected:
    bool Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Saves the list under the name in the name box; when it fails the user is told and
    // the list stays on screen.
    SaveResult saveChanges() override;

private:
    void buildControls();
    void buildMenus();
    void sortBy(GroceryListOrder order);
    // Shows the lines saved under `name`, ordered by item; none when they cannot be read.
    void loadSavedLines(const QString& name);
    void updateTotals();
    // The name the list goes out under: the name box's, or the default when it is empty.
    QString listName() const;
    void stepQuantity(int step);
    // The current line when it is selected.
    std::optional<int> selectedCurrentRow() const;
    bool addPickedItem(const PickedItem& picked);

    GroceryList* m_list;
    // The rail the column headings stand on.
    QWidget* m_headings = nullptr;
};
