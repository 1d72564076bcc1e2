#include "MealPlanPrintout.h"

#include "PrintSurface.h"
#include "PrintoutParts.h"
#include "store/MealPlan.h"

namespace {

constexpr int kDays = 7;
constexpr int kWeekdays = 5;
constexpr int kDayStep = 2900;
constexpr int kLabelX = 400;

const QStringList kMeals{QStringLiteral("Breakfast"), QStringLiteral("Lunch"),
                         QStringLiteral("Dinner")};

// y of each block's meal labels; the meal names stand 500 lower.
constexpr int kWeekdayLabelY[] = {1500, 3000, 4500};
constexpr int kWeekendLabelY[] = {6700, 8200, 9700};
constexpr int kNameDrop = 500;

void printMealLabels(PrintSurface& page, const int (&labelY)[3]) {
    page.setUnderline(true);
    page.setItalic(true);
    for (int meal = 0; meal < 3; ++meal)
        page.printText(kLabelX, labelY[meal], kMeals[meal]);
    page.setUnderline(false);
    page.setItalic(false);
}

} // namespace

void PrintMealPlan(PrintSurface& page, const QStringList& plan, const QColor& ink,
                   const QDateTime& printedAt) {
    page.setOrientation(PageOrientation::Landscape);
    page.setFontName(kPrintFont);
    page.setPenWidth(kRulePenWidth);
    page.setFontSize(20);
    page.setBold(true);
    page.setTextColor(ink);
    DrawRule(page, 210, kLandscapeRuleRight, ink);
    page.printText(350, 350, QStringLiteral("Daily Meal Plan - Pantrelle"));

    page.setFontSize(12);
    page.setBold(false);
    page.setItalic(true);
    page.printText(11000, 450, QStringLiteral("Printed on:"));
    page.printText(12200, 450, PrintedOnText(printedAt, QStringLiteral("hh:mm AP")));
    page.setItalic(false);
    page.setBold(true);

    DrawRule(page, 850, kLandscapeRuleRight, ink);
    page.setFontSize(14);
    const std::pair<int, const char*> weekdays[] = {{400, "Monday"},
                                                    {3400, "Tuesday"},
                                                    {6300, "Wednesday"},
                                                    {9200, "Thursday"},
                                                    {12000, "Friday"}};
    for (const auto& [x, day] : weekdays)
        page.printText(x, 1000, QString::fromLatin1(day));
    page.setFontSize(12);
    DrawRule(page, 1400, kLandscapeRuleRight, ink);
    printMealLabels(page, kWeekdayLabelY);

    DrawRule(page, 6050, kLandscapeRuleRight, ink);
    page.setFontSize(14);
    page.printText(400, 6200, QStringLiteral("Saturday"));
    page.printText(3400, 6200, QStringLiteral("Sunday"));
    page.setFontSize(12);
    DrawRule(page, 6600, kLandscapeRuleRight, ink);
    printMealLabels(page, kWeekendLabelY);

    DrawRule(page, 11100, kLandscapeRuleRight, ink);
    page.setFontSize(8);
    page.setItalic(true);
    page.printText(400, 11150, kPublisherFooter);
    page.setUnderline(false);
    page.setItalic(false);

    page.setFontSize(11);
    page.setBold(false);
    for (int slot = 0; slot < plan.size() && slot < kPlanSlots; ++slot) {
        if (plan[slot] == kNoMeal || plan[slot].isEmpty())
            continue;
        const int meal = slot / kDays;
        const int day = slot % kDays;
        const bool weekend = day >= kWeekdays;
        const int x = kLabelX + (day % kWeekdays) * kDayStep;
        const int y = (weekend ? kWeekendLabelY : kWeekdayLabelY)[meal] + kNameDrop;
        page.printText(x, y, plan[slot]);
    }
}
