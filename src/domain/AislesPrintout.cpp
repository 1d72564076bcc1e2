#include "AislesPrintout.h"

#include "PrintSurface.h"
#include "PrintoutParts.h"

namespace {

constexpr int kAisleX = 400;
constexpr int kDescriptionX = 3000;
constexpr int kFirstLineY = 1500;
constexpr int kLineStep = 300;

} // namespace

void PrintAislesList(PrintSurface& page, const QList<AisleLine>& aisles, const QColor& ink) {
    page.setOrientation(PageOrientation::Portrait);
    page.setFontName(kPrintFont);
    page.setTextColor(ink);
    page.setPenWidth(kRulePenWidth);
    page.setFontSize(20);
    page.setBold(true);
    DrawRule(page, 210, kPortraitRuleRight, ink);
    page.printText(350, 350, QStringLiteral("Aisles"));
    DrawRule(page, 850, kPortraitRuleRight, ink);

    // The heading words stand over their columns.
    page.setFontSize(12);
    page.printText(kAisleX, 1000, QStringLiteral("Aisle"));
    page.printText(kDescriptionX, 1000, QStringLiteral("Description"));
    DrawRule(page, 1400, kPortraitRuleRight, ink);

    page.setFontSize(10);
    page.setBold(false);
    int y = kFirstLineY;
    int row = 1;
    for (const AisleLine& line : aisles) {
        // A full page is ended only when another aisle follows, so no blank page closes
        // the list.
        if (row > kAisleLinesPerPage) {
            page.newPage();
            y = kFirstLineY;
            row = 1;
        }
        page.printText(kAisleX, y, line.aisle);
        // A single blank is how older files mark an aisle without a description.
        if (!line.description.isEmpty() && line.description != QLatin1String(" "))
            page.printText(kDescriptionX, y, line.description);
        y += kLineStep;
        ++row;
    }
}
