#pragma once

#include "ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The grocery catalogue: categories, their items and the aisles. Opened from a meal editor
// or a grocery list it also works as a picker that adds items to them.
class frmAddGrocery : public Form {
    Q_OBJECT
public:
    static constexpr int kWideWidth = 6360;
    static constexpr int kNarrowWidth = 3285;

    explicit frmAddGrocery(AppContext& app, QWidget* parent = nullptr);
    ~frmAddGrocery() override { disconnectChildren(); }

    // Narrow beside a meal editor, adding rows to its item list.
    void prepareForMeal(QWidget* mealEditor);
    // Centred, narrow, adding lines to a grocery list window's list.
    void prepareForList(QListWidget* groceryList);

    bool isNarrow() const { return clientWidthTwips() == kNarrowWidth; }
    // Fills the item list with the items of the category named in the category box.
    void loadCategoryItems();

    QGroupBox* Frame1;
    QComboBox* cboCategory;
    QListWidget* lstGroceryItem;
    QLabel* Label5;
    QLineEdit* txtQty;
    QPushButton* cmdAddtoMeal;
    QPushButton* cmdExpand;
    QGroupBox* Frame2;
    QLabel* Label1;
    QLineEdit* txtItemName;
    QLabel* Label2;
    QLineEdit* txtItemUnit;
    QLabel* Label4;
    QLineEdit* txtItemPrice;
    QLabel* Label3;
    QComboBox* cboAisles;
    QLabel* Label6;
    QLineEdit* txtAisleDescription;
    QLabel* Label7;
    QLineEdit* txtComments;
    QPushButton* cmdSave;
    QPushButton* cmdClose;

    int changedFlag = 0;
    int nameTypedFlag = 0;
    int categoryTypedFlag = 0;

public slots:
    void Form_Load();
    void cboCategory_Click();
    void lstGroceryItem_Click();
    void cboAisles_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void cmdExpand_Click();
    void cmdAddtoMeal_Click();
    void mnuCategory_Click();
    void mnuNewMeal_Click();
    void mnuNewAisle_Click();
    void mnuDeleteCategory_Click();
    void mnuDeleteItem_Click();
    void mnuDeleteAisle_Click();
    void mnuDropDown_Click();
    void mnuView_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How a save, or a step of it, ended: refused by a check (the user was told why) or
    // failed to write (the user was told, and everything on screen stays unsaved).
    enum class Outcome { Done, Refused, Failed };

    void buildControls();
    void buildMenus();
    void connectEvents();
    // Offers to save unsaved changes; false when they could not be written and must stay.
    bool askToSaveIfChanged();
    Outcome save();
    // Stores the item in the boxes.
    Outcome StoreItem();
    // Creates the category typed in the category box; anything but Done ends the save.
    Outcome AddCategory();
    void loadCategories();
    void loadAisles();
    void clearItemList();
    void clearItemFields();
    void clearAll();
    void dropDownIfEnabled(QComboBox* combo);
    void setEditingEntriesEnabled(bool enabled);
    void setNarrow(bool narrow);
    void addToMeal(const QString& item);
    void addToList(const QString& item);

    QAction* mnuDropDown = nullptr;
    QList<QAction*> m_editingEntries;
    QWidget* m_mealEditor = nullptr;
    QListWidget* m_groceryList = nullptr;
};
