#pragma once

#include "GroceryListLines.h"

#include <QAbstractListModel>

// The grocery list a window holds: its lines in order, each shown as one row of text (item,
// quantity, coupon mark, size, aisle, price, category and comments, TAB-separated). Views
// show it; every change goes through here.
class GroceryList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QList<GroceryListLine>& lines() const { return m_lines; }
    const GroceryListLine& line(int row) const { return m_lines.at(row); }
    int size() const { return int(m_lines.size()); }

    // Replaces every line.
    void setLines(QList<GroceryListLine> lines);
    void append(const QList<GroceryListLine>& lines);
    // Puts `line` in place of the line at `row`, as a rewritten line (its comment cut).
    void replaceLine(int row, const GroceryListLine& line);
    // Removes the lines at `rows`, in any order.
    void removeLines(QList<int> rows);
    void sort(GroceryListOrder order);

    // Whether a line's item is `item`, compared with the given case rule.
    bool holdsItem(const QString& item, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // Quantity times price over all lines.
    double estimatedTotal() const;

private:
    QList<GroceryListLine> m_lines;
};
