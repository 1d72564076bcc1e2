#include "frmMenuPlanner.h"

#include "frmSavedWeek.h"
#include "frmWeekName.h"
#include "help/ShowAboutBox.h"
#include "meals/ShowMealEditor.h"
#include "printing/ShowPrintWindow.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/SavedWeeks.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/KeyEvents.h"
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kWeekdays = 5;
constexpr int kTitle = 10;
constexpr quint32 kButtonFace = 0x8000000F;
constexpr quint32 kTeal = 0x00808000;
constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kRed = 0x000000FF;

// Slot grid in twips inside Frame1.
constexpr int kFirstColumn = 960;
constexpr int kColumnStep = 2040;
constexpr int kWeekdayTop = 480;
constexpr int kWeekendTop = 2400;
constexpr int kRowStep = 600;
constexpr int kSlotWidth = 1935;
constexpr int kSlotHeight = 330;

// Monday to Friday side by side; Saturday and Sunday in a second block below, under
// Monday and Tuesday.
bool isWeekend(int day) {
    return day >= kWeekdays;
}
int columnLeft(int day) {
    return kFirstColumn + (day % kWeekdays) * kColumnStep;
}
int blockTop(int day) {
    return isWeekend(day) ? kWeekendTop : kWeekdayTop;
}

// Shows `text` in a slot, selecting its entry when the list has one so the drop-down opens
// on it.
void showSlot(QComboBox* slot, const QString& text) {
    const int entry = text.isEmpty() ? -1 : slot->findText(text);
    slot->setCurrentIndex(entry);
    if (entry < 0)
        slot->setEditText(text);
    // Long meal names show their beginning, not their end.
    slot->lineEdit()->setCursorPosition(0);
}

} // namespace

frmMenuPlanner::frmMenuPlanner(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmMenuPlanner"), QStringLiteral("Pantrelle!"), parent) {
    setClientSize(11415, 5700);
    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 120, 1080, 11175, 4455);

    buildGrid();
    buildButtons();
    buildMenus();
    Form_Load();
}

void frmMenuPlanner::buildGrid() {
    const QFont labelFont = ProgramFont(8, true);
    auto label = [&](int index, const QString& text, int left, int top, int width,
                     QWidget* parent) {
        QLabel* l =
            place<QLabel>(QStringLiteral("Label1_%1").arg(index), left, top, width, 255, parent);
        l->setText(text);
        l->setFont(labelFont);
        SetTextColor(l, ColorFromValue(kTeal));
        Label1[index] = l;
    };

    // 0-4 Monday to Friday, 5-6 the weekend, 7-9 and 11-13 the meal rows of each block.
    for (int day = 0; day < kDays; ++day)
        label(day, DayNames()[day], columnLeft(day), blockTop(day) - 270, kSlotWidth, Frame1);
    for (int meal = 0; meal < 3; ++meal) {
        const QString& time = MealTimeNames()[meal];
        label(7 + meal, time, 30, kWeekdayTop + meal * kRowStep + 45, 930, Frame1);
        label(11 + meal, time, 30, kWeekendTop + meal * kRowStep + 45, 930, Frame1);
    }

    QLabel* title = place<QLabel>(QStringLiteral("Label1_%1").arg(kTitle), 360, 120, 5000, 555);
    title->setText(QStringLiteral("Menu Planner"));
    title->setFont(ProgramFont(18, true));
    SetTextColor(title, ColorFromValue(kBlue));
    Label1[kTitle] = title;

    Comments = place<QLabel>(QStringLiteral("Comments"), 5880, 600, 5295, 315);
    Comments->setText(QStringLiteral("....Enhance your shopping experience"));
    Comments->setFont(ProgramFont(10, true));
    SetTextColor(Comments, ColorFromValue(kRed));

    for (int k = 0; k < kSlots; ++k) {
        const int day = k % kDays;
        QComboBox* slot = place<QComboBox>(QStringLiteral("cboMeals_%1").arg(k), columnLeft(day),
                                           blockTop(day) + (k / kDays) * kRowStep, kSlotWidth,
                                           kSlotHeight, Frame1);
        slot->setEditable(true);
        slot->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is what gets saved; inline completion would quietly extend it to a
        // meal name.
        slot->setCompleter(nullptr);
        KeepSingleLine(slot);
        slot->setAccessibleName(SlotName(k));
        PaintBoxColor(slot, isWeekend(day) ? kLightYellow : kButtonFace);
        connect(slot, &QComboBox::activated, this, [this, k] { cboMeals_Click(k); });
        // A slot is narrower than many meal names: its tip gives the whole name.
        connect(slot, &QComboBox::currentTextChanged, slot, &QWidget::setToolTip);
        slot->installEventFilter(this);
        OnKey(slot, QEvent::KeyRelease, [this, k](QKeyEvent*) { cboMeals_KeyUp(k); });
        cboMeals[k] = slot;
    }
}

void frmMenuPlanner::buildButtons() {
    auto button = [&](const char* name, const QString& caption, int left, int top, int width,
                      void (frmMenuPlanner::*handler)()) {
        auto* b = place<QPushButton>(QString::fromLatin1(name), left, top, width, 375, Frame1);
        b->setText(caption);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    cmdClear = button("cmdClear", "Clear", 5160, 2400, 975, &frmMenuPlanner::cmdClear_Click);
    cmdSave = button("cmdSave", "Save", 5160, 3000, 975, &frmMenuPlanner::cmdSave_Click);
    cmdPrint = button("cmdPrint", "Print", 5160, 3600, 975, &frmMenuPlanner::cmdPrint_Click);
    cmdAdd = button("cmdAdd", "Add/Edit Meal", 8760, 3120, 2175, &frmMenuPlanner::cmdAdd_Click);
    cmdClose =
        button("cmdClose", "Return to Main", 8760, 3600, 2175, &frmMenuPlanner::cmdClose_Click);
}

void frmMenuPlanner::buildMenus() {
    auto entry = [&](QMenu* menu, const char* name, const QString& caption,
                     void (frmMenuPlanner::*handler)(), const QKeySequence& shortcut = {}) {
        addEntry(menu, QString::fromLatin1(name), caption, handler, shortcut);
    };
    QMenu* options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    entry(options, "mnuAdd", "&Add/Edit Meal", &frmMenuPlanner::cmdAdd_Click);
    entry(options, "mnuClear", "&Clear Menu", &frmMenuPlanner::cmdClear_Click);
    entry(options, "mnuSave", "&Save Menu", &frmMenuPlanner::cmdSave_Click,
          QKeySequence(Qt::CTRL | Qt::Key_S));
    entry(options, "mnuPrint", "&Print Menu", &frmMenuPlanner::cmdPrint_Click,
          QKeySequence(Qt::CTRL | Qt::Key_P));
    entry(options, "mnuSaveWeek", "Save Week &As...", &frmMenuPlanner::mnuSaveWeek_Click);
    entry(options, "mnuOpenWeek", "&Open Saved Week...", &frmMenuPlanner::mnuOpenWeek_Click);
    entry(options, "mnuReturn", "&Return to Main", &frmMenuPlanner::cmdClose_Click);

    QMenu* help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    entry(help, "mnuUsing", "&Using Pantrelle", &frmMenuPlanner::mnuUsing_Click,
          QKeySequence(Qt::Key_F1));
    entry(help, "mnuAbout", "&About Pantrelle", &frmMenuPlanner::mnuAbout_Click);
}

void frmMenuPlanner::Form_Load() {
    fillSlotLists();
    // At least 150 pixels, and wide enough for the longest meal name.
    for (QComboBox* slot : cboMeals)
        SetComboDropWidth(slot, std::max(150, DropDownWidthForEntries(slot)));
    QStringList saved;
    IgnoreStoreErrors([&] { saved = ReadMealPlan(app().store()); });
    // The stored plan keeps an empty slot as "None".
    for (QString& slot : saved) {
        if (slot == kNoMeal)
            slot.clear();
    }
    showPlan(saved);
    setModified(false);
    PaintBackgrounds(app().settings.BackGroundColor, {this, Frame1});
}

void frmMenuPlanner::fillSlotLists() {
    // Meal names by type: breakfast, lunch, dinner.
    std::array<QStringList, 3> byType;
    IgnoreStoreErrors([&] { byType = LoadMealNamesByType(app().store()); });
    for (int k = 0; k < kSlots; ++k) {
        cboMeals[k]->addItems(byType[k / kDays]);
        // Picking the empty entry empties the slot.
        cboMeals[k]->addItem(QString());
    }
}

QStringList frmMenuPlanner::plan() const {
    QStringList planned;
    for (const QComboBox* slot : cboMeals)
        planned << slot->currentText();
    return planned;
}

void frmMenuPlanner::showPlan(const QStringList& plan) {
    // Slots past the last stored row stay empty; a plan never saved has no rows at all.
    for (int k = 0; k < kSlots; ++k)
        showSlot(cboMeals[k], plan.value(k));
}

SaveResult frmMenuPlanner::saveChanges() {
    if (!written(QStringLiteral("The Menu could not be saved! Your menu is still on the screen; "
                                "please try again."),
                 [&] { WriteMealPlan(app().store(), plan()); }))
        return SaveResult::Failed;
    setModified(false);
    return SaveResult::Saved;
}

void frmMenuPlanner::cboMeals_Click(int) {
    setModified(true);
}

void frmMenuPlanner::cboMeals_KeyUp(int) {
    setModified(true);
}

void frmMenuPlanner::cmdSave_Click() {
    saveChanges();
}

void frmMenuPlanner::cmdClear_Click() {
    if (app().messages().show(this, QStringLiteral("Do You want to Clear all Items from the Menu?"),
                              QStringLiteral("Confirm Clear!"), MsgButtons::YesNo) == MsgAnswer::No)
        return;
    showPlan({});
    setModified(true);
}

void frmMenuPlanner::cmdPrint_Click() {
    // Saved first: the meal plan printout reads the stored plan, not these slots, so a
    // plan that could not be saved (the user has been told) is not printed.
    if (saveChanges() != SaveResult::Saved)
        return;
    ShowPrintWindow(app(), this, PrintPreset::MealPlanOnly);
}

void frmMenuPlanner::cmdAdd_Click() {
    if (close())
        ShowMealEditor(app());
}

void frmMenuPlanner::cmdClose_Click() {
    close();
}

void frmMenuPlanner::mnuSaveWeek_Click() {
    app().platform().modal().runModal(
        new frmWeekName(app(), this, [this](const QString& name) { return saveWeek(name); }));
}

bool frmMenuPlanner::saveWeek(const QString& name) {
    try {
        if (WeekExists(app().store(), name) &&
            app().messages().show(this,
                                  QStringLiteral("A week named %1 is saved already. Do you want "
                                                 "to replace it?")
                                      .arg(name),
                                  QStringLiteral("Confirm Replace!"),
                                  MsgButtons::YesNo) == MsgAnswer::No)
            return false;
        // The week is what the slots show; the plan itself keeps its own saved state.
        SaveWeek(app().store(), name, plan());
    } catch (const StoreError&) {
        reportFailure(QStringLiteral("The Week could not be saved! Your menu is still on the "
                                     "screen; please try again."));
        return false;
    }
    return true;
}

void frmMenuPlanner::mnuOpenWeek_Click() {
    app().platform().modal().runModal(
        new frmSavedWeek(app(), this, [this](const QStringList& week) {
            // The slots are about to be replaced: changes not yet saved are asked about first.
            if (settleChanges() == Settlement::Kept)
                return;
            showPlan(week);
            setModified(true);
        }));
}

void frmMenuPlanner::mnuUsing_Click() {
    OpenDocument(app(), app().manualPath());
}

void frmMenuPlanner::mnuAbout_Click() {
    ShowAboutBox(app(), this, false);
}

bool frmMenuPlanner::eventFilter(QObject* watched, QEvent* event) {
    // A slot the focus leaves shows the start of its meal's name again, not the end that
    // Tab's selecting the whole name scrolled to.
    if (event->type() == QEvent::FocusOut) {
        if (auto* slot = qobject_cast<QComboBox*>(watched))
            slot->lineEdit()->setCursorPosition(0);
    }
    return Form::eventFilter(watched, event);
}

bool frmMenuPlanner::Form_Unload() {
    // A plan that could not be stored keeps the window open rather than being lost.
    if (settleChanges() == Settlement::Kept)
        return false;
    app().showMainWindow();
    return true;
}
