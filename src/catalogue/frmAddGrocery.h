#pragma once

#include "ShowCatalogue.h"
#include "ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the catalogue window is opened for; fixed when it opens.
enum class CatalogueMode {
    Editor,     // editing the catalogue only
    MealPicker, // also picking items for the meal being edited
    ListPicker  // also picking items for the grocery list
};

// The grocery catalogue: categories, their items and the aisles. Opened from a meal editor
// or a grocery list it also works as a picker that hands chosen items to them.
class frmAddGrocery : public Form {
    Q_OBJECT
public:
    static constexpr int kWideWidth = 6360;
    static constexpr int kNarrowWidth = 3285;

    // `add` takes the picked items in the two picker modes.
    frmAddGrocery(AppContext& app, CatalogueMode mode, QWidget* parent = nullptr,
                  PickHandler add = {});
    ~frmAddGrocery() override { disconnectChildren(); }

    // Narrow beside the meal editor `mealEditor`.
    void prepareForMeal(QWidget* mealEditor);
    // Centred, then narrow beside the grocery list window `groceryList`.
    void prepareForList(QWidget* groceryList);

    bool isNarrow() const { return clientWidthTwips() == kNarrowWidth; }
    // Fills the item list with the items of the category named in the category box.
    void loadCategoryItems();
    // Shows the category `category` with its item `item` chosen.
    void showItem(const QString& category, const QString& item);

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
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    SaveResult saveChanges() override;

private:
    void buildControls();
    void buildMenus();
    void connectEvents();
    // Stores the item in the boxes.
    SaveResult StoreItem();
    // Creates the category typed in the category box; anything but Saved ends the save.
    SaveResult AddCategory();
    void loadCategories();
    void loadAisles();
    void clearItemList();
    void clearItemFields();
    void clearAll();
    void dropDownIfEnabled(QComboBox* combo);
    void dropDownOnceActive();
    void setEditingEntriesEnabled(bool enabled);
    void setNarrow(bool narrow);
    // The item chosen in the list, as the boxes show it.
    PickedItem pickedItem(const QString& item) const;

    const CatalogueMode m_mode;
    PickHandler m_add;
    QAction* mnuDropDown = nullptr;
    QList<QAction*> m_editingEntries;
    // The window the picker stands beside.
    QWidget* m_opener = nullptr;
    // The user typed an item name or a category name since they were last saved.
    bool m_nameTyped = false;
    bool m_categoryTyped = false;
    // The category list drops down at opening once the window is active.
    bool m_dropDownWhenActive = false;
};
