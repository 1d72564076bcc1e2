#pragma once

#include "store/MealPlan.h"
#include "ui/Form.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The weekly plan: 21 slots, slot k holding meal k / 7 (breakfast, lunch, dinner) of day
// k % 7 (Monday first). Slot k is the k-th row of [MealIndex].
class frmMenuPlanner : public Form {
    Q_OBJECT
public:
    static constexpr int kSlots = kPlanSlots;
    static constexpr int kDays = 7;

    frmMenuPlanner(AppContext& app, QWidget* parent = nullptr);

    // Fills the slot lists from the meals and shows the saved plan.
    void Form_Load();

    // The 21 slots as shown, an empty slot as an empty text.
    QStringList plan() const;
    // Shows `plan` in the slots exactly; slots it has no text for stay empty.
    void showPlan(const QStringList& plan);

    std::array<QComboBox*, kSlots> cboMeals{};
    // Day and meal names; element 10 is the title above the frame.
    std::array<QLabel*, 14> Label1{};
    QLabel* Comments;
    QGroupBox* Frame1;
    QPushButton* cmdClear;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdAdd;
    QPushButton* cmdClose;

public slots:
    void cboMeals_Click(int index);
    void cboMeals_KeyUp(int index);
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdAdd_Click();
    void cmdClose_Click();
    void mnuSaveWeek_Click();
    void mnuOpenWeek_Click();
    void mnuUsing_Click();
    void mnuAbout_Click();

protected:
    bool Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Writes all 21 slots in place of the stored plan; when that fails the user is told
    // and nothing is changed.
    SaveResult saveChanges() override;

private:
    // Keeps the slots as shown as the week `name`, asking first when a week of that name is
    // saved already. False when it was not kept: the user said No, or the save failed (and
    // the user was told).
    bool saveWeek(const QString& name);
    void buildGrid();
    void buildButtons();
    void buildMenus();
    void fillSlotLists();
};
