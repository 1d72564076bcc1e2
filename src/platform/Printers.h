#pragma once

#include "domain/PrintSurface.h"

#include <QStringList>
#include <memory>
#include <optional>

// The entry of the printer list that writes a printout to a PDF file. Printer queue names
// never hold a blank, so it cannot stand for an installed printer.
inline const QString kPdfFilePrinter = QStringLiteral("PDF file");

// The installed printers, the one printouts go to, and documents on them.
class Printers {
public:
    virtual ~Printers() = default;

    // Device names of the installed printers, in the desktop's order.
    virtual QStringList installed() = 0;
    // The desktop's default printer; empty when there is none.
    virtual QString defaultPrinter() = 0;

    // A document titled `title` on the named printer. A printer that is not installed
    // gives a document that fails at its end.
    virtual std::unique_ptr<PrintSurface> openPrinter(const QString& name,
                                                      const QString& title) = 0;
    // A document written to the PDF file at `path`.
    virtual std::unique_ptr<PrintSurface> openPdfFile(const QString& path,
                                                      const QString& title) = 0;

    // Where printouts go for the rest of the run: the default printer until the user picks
    // another (kPdfFilePrinter included); the first printer, or the PDF file, when there is
    // no default.
    QString current();
    void setCurrent(const QString& name) { m_current = name; }

private:
    std::optional<QString> m_current;
};

// The printers the desktop's printing system (CUPS) offers.
class QtPrinters final : public Printers {
public:
    QStringList installed() override;
    QString defaultPrinter() override;
    std::unique_ptr<PrintSurface> openPrinter(const QString& name, const QString& title) override;
    std::unique_ptr<PrintSurface> openPdfFile(const QString& path, const QString& title) override;
};

class QPrinter;

// Sets `printer` up as documents on `name` get it: an installed printer with its own paper
// and margins; anything else (the PDF file) as a PDF page of the local paper size.
void PreparePrinter(QPrinter& printer, const QString& name);
