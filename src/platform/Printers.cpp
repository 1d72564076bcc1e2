#include "Printers.h"

#include "QtPrintSurface.h"

#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>

QString Printers::current() {
    if (!m_current) {
        const QString fallback = installed().value(0, kPdfFilePrinter);
        const QString standard = defaultPrinter();
        m_current = standard.isEmpty() ? fallback : standard;
    }
    return *m_current;
}

QStringList QtPrinters::installed() {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinters::defaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

void PreparePrinter(QPrinter& printer, const QString& name) {
    if (!QPrinterInfo::printerInfo(name).isNull()) {
        printer.setPrinterName(name);
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
    // About what a desk printer cannot reach, so a PDF prints the same on paper.
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

std::unique_ptr<PrintSurface> QtPrinters::openPrinter(const QString& name, const QString& title) {
    if (QPrinterInfo::printerInfo(name).isNull())
        return std::make_unique<QtPrintSurface>();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PreparePrinter(*printer, name);
    printer->setDocName(title);
    return std::make_unique<QtPrintSurface>(std::move(printer));
}

std::unique_ptr<PrintSurface> QtPrinters::openPdfFile(const QString& path, const QString& title) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PreparePrinter(*printer, kPdfFilePrinter);
    printer->setOutputFileName(path);
    printer->setDocName(title);
    printer->setCreator(QStringLiteral("Pantrelle"));
    return std::make_unique<QtPrintSurface>(std::move(printer));
}
