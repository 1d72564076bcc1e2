#pragma once

#include "ui/Form.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Add/Edit Meals!": builds named meals out of catalogue items. Each meal is stored as one
// [Meals] row per item, all rows carrying the meal's name and its three type marks.
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

    // 1 while the meal shown has edits that are not saved.
    int ChangeFlag = 0;
    // 1 when the name in the box was typed rather than picked; only a typed name is
    // refused for being taken already.
    int NameTypedFlag = 0;

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

private:
    void buildControls();
    void buildMenus();
    // Runs the save's checks and writes the meal; false only when the store could not write
    // it, and then the edits stay on screen and unsaved.
    bool saveMeal();
    void refillMealList();
    void clearEditor();
    void setItemButtons(bool enabled);
    // Offers to save unsaved edits before they are replaced; false when they could not be
    // written and must stay.
    bool offerToSave();
    void inform(const QString& text, const QString& title);
};
