#include "GroceryListPrintout.h"

#include "GroceryListLines.h"
#include "Money.h"
#include "PrintSurface.h"
#include "PrintoutParts.h"

#include <cmath>

namespace {

constexpr int kFirstLineY = 1500;
constexpr int kPrintedOnLabelX = 8000;
constexpr int kPrintedOnX = 9100;
constexpr int kLineStep = 300;

// Column x positions of the item lines.
constexpr int kCategoryX = 400;
constexpr int kQuantityX = 2500;
constexpr int kSizeX = 3000;
constexpr int kItemX = 3700;
constexpr int kAisleX = 6450;
constexpr int kPriceX = 7900;
constexpr int kCouponX = 8700;
constexpr int kCommentsX = 9300;

struct HeadingWord {
    int x;
    const char* text;
};
// The column heading, each word over its column so it lines up on any printer. The bold
// "Coupon" is wider than its column, so "Comments" follows it rather than its column's edge.
constexpr HeadingWord kHeading[] = {
    {kCategoryX, "Category"}, {kQuantityX, "Qty"}, {kSizeX, "Unit"},     {kItemX, "Item"},
    {kAisleX, "Aisle"},       {kPriceX, "Price"},  {kCouponX, "Coupon"}, {9700, "Comments"}};

void printLine(PrintSurface& page, const GroceryListLine& line, int y) {
    const QString coupon = line.coupon ? kCouponYes : QString();
    const std::pair<int, const QString&> fields[] = {
        {kCategoryX, line.category}, {kQuantityX, line.quantity}, {kSizeX, line.size},
        {kItemX, line.item},         {kAisleX, line.aisle},       {kPriceX, line.price},
        {kCouponX, coupon},          {kCommentsX, line.comments}};
    for (const auto& [x, text] : fields) {
        if (!text.isEmpty())
            page.printText(x, y, text);
    }
}

void startPage(PrintSurface& page, const GroceryListPrintout& list) {
    PrintListPageHeader(page, list);
    page.setTextColor(list.ink);
}

} // namespace

void PrintListPageHeader(PrintSurface& page, const GroceryListPrintout& list) {
    page.setTextColor(Qt::black);
    page.setOrientation(PageOrientation::Portrait);
    page.setFontName(kPrintFont);
    page.setPenWidth(kRulePenWidth);
    page.setFontSize(20);
    page.setBold(true);
    DrawRule(page, 210, kPortraitRuleRight, list.ink);
    page.setTextColor(list.ink);
    page.printText(350, 350, list.listName);

    page.setFontSize(10);
    page.setBold(false);
    page.printText(9000, 260, QStringLiteral("Page ") + QString::number(page.pageNumber()));
    // A long date form would run past the rules' end; then both move left until it fits.
    const QString printedOn = PrintedOnText(list.printedAt, QStringLiteral("h:mm AP"));
    const int dateX =
        std::min(kPrintedOnX, kPortraitRuleRight - int(std::ceil(page.textWidth(printedOn))));
    page.printText(dateX - (kPrintedOnX - kPrintedOnLabelX), 650, QStringLiteral("Printed on:"));
    page.printText(dateX, 650, printedOn);
    DrawRule(page, 900, kPortraitRuleRight, list.ink);

    page.setFontSize(12);
    page.setBold(true);
    for (const HeadingWord& word : kHeading)
        page.printText(word.x, 1000, QString::fromLatin1(word.text));
    DrawRule(page, 1400, kPortraitRuleRight, list.ink);
    page.setFontSize(10);
    page.setBold(false);
}

void PrintGroceryList(PrintSurface& page, const GroceryListPrintout& list) {
    startPage(page, list);
    int y = kFirstLineY;
    int row = 1;
    for (const GroceryListLine& line : list.lines) {
        printLine(page, line, y);
        y += kLineStep;
        // A full last page still gets a page of its own for the closing lines.
        if (row == kGroceryLinesPerPage) {
            page.newPage();
            startPage(page, list);
            y = kFirstLineY;
            row = 0;
        }
        ++row;
    }

    y += 100;
    DrawRule(page, y, kPortraitRuleRight, list.ink);
    y += 100;
    page.setFontSize(8);
    page.setItalic(true);
    page.printText(400, y, kPublisherFooter);
    page.setUnderline(false);
    page.setItalic(false);
    page.setFontSize(10);
    page.setTextColor(list.ink);
    page.printText(5000, y, QStringLiteral("Total Items ") + QString::number(list.lines.size()));
    page.printText(7500, y,
                   QStringLiteral("Estimated Total Price ") +
                       FormatMoney(EstimatedPrice(list.lines), false));
}
