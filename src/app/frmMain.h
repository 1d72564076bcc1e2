#pragma once

#include "ui/Form.h"

class QLabel;
class QPushButton;

// The hub: the four work areas, colours, CSV export and import, backup, coupons and help. Closing
// it ends the program.
class frmMain : public Form {
    Q_OBJECT
public:
    explicit frmMain(AppContext& app);

    // Opens the data file and reads the settings; on failure tells the user and ends the
    // program. Returns whether the window can be shown.
    bool Form_Load();

    QPushButton* cmdAddGrocery;
    QPushButton* cmdCreateMeals;
    QPushButton* cmdMenuPlanner;
    QPushButton* cmdGroceryList;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Image2;

public slots:
    void cmdAddGrocery_Click();
    void cmdCreateMeals_Click();
    void cmdMenuPlanner_Click();
    void cmdGroceryList_Click();
    void mnuGrocery_Click();
    void mnuExit_Click();
    void mnuColors_Click();
    void mnuEmailAddress_Click();
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuBackup_Click();
    void mnuRestore_Click();
    void mnuCoupons_Click();
    void mnuContents_Click();
    void mnuAbout_Click();

protected:
    bool Form_Unload() override;

private:
    void buildMenus();
    void paintColors();
};
