#include "ShowPrintWindow.h"

#include "frmPrint.h"
#include "ui/AppContext.h"

#include <QRadioButton>

void ShowPrintWindow(AppContext& app, QWidget* owner, PrintPreset preset) {
    auto* window = new frmPrint(app, owner);
    if (preset == PrintPreset::MealPlanOnly) {
        for (int index = 0; index < 4; ++index)
            window->Option1[index]->setEnabled(false);
        window->Option1[int(PrintChoice::MealPlan)]->setChecked(true);
    }
    CenterForm(window);
    app.platform().modal().runModal(window);
}
