#pragma once

#include <QString>
#include <functional>

class AppContext;
class PrintSurface;
class QWidget;

// The print window's choices, by the index of their option button.
enum class PrintChoice {
    GroceryListByItem,
    GroceryListByAisle,
    GroceryListByCategory,
    AislesList,
    MealPlan
};

// A printout read from the store, ready to draw on a printer, a PDF file or a preview.
struct Printout {
    // The document's name in the printer's queue and the PDF file's suggested name.
    QString title;
    std::function<void(PrintSurface&)> draw;
};

// Reads what `choice` prints as it is stored now, to be drawn in the ink `inkValue`
// (0x00BBGGRR). What cannot be read prints empty.
Printout PreparePrintout(AppContext& app, PrintChoice choice, quint32 inkValue);

// Prints on `printer`, or into `pdfFile` when it is given, with the hourglass showing.
// Tells the user once when the document could not be printed; false then.
bool SendPrintout(AppContext& app, QWidget* owner, const Printout& printout, const QString& printer,
                  const QString& pdfFile = {});

// Shows the printout in the print preview, laid out for `printer`'s paper; the preview can
// print it too.
void ShowPrintPreview(AppContext& app, QWidget* owner, const Printout& printout,
                      const QString& printer);

// Where a PDF of `title` is suggested: a file of that name in the user's documents folder.
QString SuggestedPdfPath(const QString& title);
