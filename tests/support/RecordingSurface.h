#pragma once

#include "domain/PrintSurface.h"

#include <QSet>
#include <QStringList>
#include <memory>

// Everything a document was given, kept after the document is gone.
struct PrintRecord {
    // What each page shows, in drawing order: texts as "x,y size[b][i][u] text", lines as
    // "x1,y1 rule x2,y2".
    QList<QStringList> pages{{}};
    // The inks of the texts, and of the lines with their pen width ("#ff0000 pen 9").
    QSet<QString> inks;
    bool busy = true; // whether the hourglass showed for every text
    PageOrientation orientation = PageOrientation::Portrait; // as the first page had it

    // A page's entries in text order, which tests compare with a sorted table.
    QStringList page(int number) const {
        QStringList entries = pages.value(number - 1);
        entries.sort();
        return entries;
    }
};

// A print document that records instead of printing; a `failing` one reports a printer
// failure at its end.
class RecordingSurface final : public PrintSurface {
public:
    explicit RecordingSurface(bool failing = false)
        : record(std::make_shared<PrintRecord>()), m_failing(failing) {}

    void setOrientation(PageOrientation orientation) override;
    void printText(int x, int y, const QString& text) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    bool endDocument() override { return !m_failing; }

    const std::shared_ptr<PrintRecord> record;

protected:
    void startNextPage() override { record->pages.append(QStringList()); }

private:
    bool m_failing;
};
