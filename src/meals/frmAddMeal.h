#pragma once

#include "store/Meals.h"
#include "ui/Form.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct PickedItem;

// "Add/Edit Meals!": builds named meals out of catalogue items. Each meal is stored as one
// [Meals] row per item, all rows carrying the meal's name and its three type marks. The
// window holds the meal's items as values; the item list shows them.
class frmAddMeal : public Form {
    Q_OBJECT
public:
    frmAddMeal(AppContext& app, QWidget* parent = nullptr);

    void Form_Load();

    QLabel* Label1_10;
    QLabel* Comments;
    QGroupBox* Frame1;
    QListWidget* lstMeals;
    QGroupBox* Frame2;
    QLabel* Label1_0;
    QLineEdit* txtMealName;
    QCheckBox* chkBreakfast;
    QCheckBox* chkLunch;
    QCheckBox* chkDinner;
    QLabel* Label5;
    QListWidget* lstItems;
    QLabel* Label2;
    QPushButton* cmdAddItem;
    QPushButton* cmdRemoveItem;
    QPushButton* cmdNewMeal;
    QPushButton* cmdSaveMeal;
    QPushButton* cmdDeleteMeal;
    QPushButton* cmdClose;

    const QList<MealItem>& items() const { return m_items; }

public slots:
    void lstMeals_Click();
    void cmdNewMeal_Click();
    void txtMealName_KeyPress();
    void txtMealName_Click();
    void chkBreakfast_Click();
    void chkLunch_Click();
    void chkDinner_Click();
    void lstItems_Click();
    void cmdAddItem_Click();
    void cmdRemoveItem_Click();
    void lstItems_KeyUp(QKeyEvent* event);
    void cmdSaveMeal_Click();
    void cmdDeleteMeal_Click();
    void cmdClose_Click();
    void mnuList_Click();
    void mnuAbout_Click();

protected:
    bool Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs the save's checks and writes the meal; a refused or failed save leaves the edits
    // on screen and unsaved.
    SaveResult saveChanges() override;

private:
    void buildControls();
    void buildMenus();
    void refillMealList();
    void clearEditor();
    void setItems(QList<MealItem> items);
    bool addPickedItem(const PickedItem& picked);
    void setItemButtons(bool enabled);
    void inform(const QString& text, const QString& title);

    QList<MealItem> m_items;
    // The name in the box was typed rather than picked; only a typed name is refused for
    // being taken already.
    bool m_nameTyped = false;
};
