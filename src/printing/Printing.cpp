#include "Printing.h"

#include "domain/AislesPrintout.h"
#include "domain/Files.h"
#include "domain/GroceryListLines.h"
#include "domain/GroceryListPrintout.h"
#include "domain/MealPlanPrintout.h"
#include "platform/QtPrintSurface.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

GroceryListOrder orderOf(PrintChoice choice) {
    switch (choice) {
    case PrintChoice::GroceryListByAisle:
        return GroceryListOrder::Aisle;
    case PrintChoice::GroceryListByCategory:
        return GroceryListOrder::Category;
    default:
        return GroceryListOrder::Item;
    }
}

} // namespace

Printout PreparePrintout(AppContext& app, PrintChoice choice, quint32 inkValue) {
    const QColor ink = ColorFromValue(inkValue);
    const QDateTime now = QDateTime::currentDateTime();
    switch (choice) {
    case PrintChoice::AislesList: {
        QList<AisleLine> aisles;
        IgnoreStoreErrors([&] { aisles = ReadAislesList(app.store()); });
        return {QStringLiteral("Aisles"),
                [aisles, ink](PrintSurface& page) { PrintAislesList(page, aisles, ink); }};
    }
    case PrintChoice::MealPlan: {
        QStringList plan;
        IgnoreStoreErrors([&] { plan = ReadMealPlan(app.store()); });
        return {QStringLiteral("Daily Meal Plan"),
                [plan, ink, now](PrintSurface& page) { PrintMealPlan(page, plan, ink, now); }};
    }
    case PrintChoice::GroceryListByItem:
    case PrintChoice::GroceryListByAisle:
    case PrintChoice::GroceryListByCategory:
        break;
    }
    // The window saves before it prints, so the saved lines are the lines on screen.
    GroceryListPrintout list;
    list.listName = app.settings.GroceryListName;
    IgnoreStoreErrors([&] { list.lines = ReadGroceryList(app.store(), list.listName); });
    SortGroceryList(list.lines, orderOf(choice));
    list.ink = ink;
    list.printedAt = now;
    const QString title = list.listName.isEmpty() ? QStringLiteral("Grocery List") : list.listName;
    return {title, [list](PrintSurface& page) { PrintGroceryList(page, list); }};
}

bool SendPrintout(AppContext& app, QWidget* owner, const Printout& printout, const QString& printer,
                  const QString& pdfFile) {
    bool printed = false;
    {
        const WaitCursor wait;
        Printers& printers = app.platform().printers();
        const auto page = pdfFile.isEmpty() ? printers.openPrinter(printer, printout.title)
                                            : printers.openPdfFile(pdfFile, printout.title);
        printout.draw(*page);
        printed = page->endDocument();
    }
    if (!printed)
        app.messages().show(owner,
                            pdfFile.isEmpty()
                                ? QStringLiteral("The printout could not be sent to the printer "
                                                 "\"%1\"!")
                                      .arg(printer)
                                : QStringLiteral("The printout could not be saved as \"%1\"!")
                                      .arg(QDir::toNativeSeparators(pdfFile)),
                            QStringLiteral("Error!"), MsgButtons::Ok);
    return printed;
}

void ShowPrintPreview(AppContext& app, QWidget* owner, const Printout& printout,
                      const QString& printer) {
    QPrinter paper(QPrinter::HighResolution);
    PreparePrinter(paper, printer);
    paper.setDocName(printout.title);
    QPrintPreviewDialog preview(&paper, owner);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview - ") + printout.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
        QtPrintSurface page(*target);
        printout.draw(page);
        page.endDocument();
    });
    app.platform().modal().runModal(&preview);
}

QString SuggestedPdfPath(const QString& title) {
    return SuggestedFilePath(title, QStringLiteral("Printout"), QStringLiteral("pdf"));
}
