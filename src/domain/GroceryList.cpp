#include "GroceryList.h"

#include "Money.h"

#include <algorithm>

int GroceryList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QVariant GroceryList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size() || role != Qt::DisplayRole)
        return {};
    return JoinGroceryListLine(m_lines.at(index.row()));
}

void GroceryList::setLines(QList<GroceryListLine> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void GroceryList::append(const QList<GroceryListLine>& lines) {
    if (lines.isEmpty())
        return;
    beginInsertRows({}, size(), size() + int(lines.size()) - 1);
    m_lines.append(lines);
    endInsertRows();
}

void GroceryList::replaceLine(int row, const GroceryListLine& line) {
    m_lines[row] = RewrittenLine(line);
    emit dataChanged(index(row), index(row));
}

void GroceryList::removeLines(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last up, a run of neighbouring lines at a time, so that no removal shifts a
    // line still to be removed.
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1)
            --start;
        beginRemoveRows({}, rows[start], rows[end - 1]);
        m_lines.remove(rows[start], rows[end - 1] - rows[start] + 1);
        endRemoveRows();
        end = start;
    }
}

void GroceryList::sort(GroceryListOrder order) {
    beginResetModel();
    SortGroceryList(m_lines, order);
    endResetModel();
}

bool GroceryList::holdsItem(const QString& item, Qt::CaseSensitivity cs) const {
    return std::any_of(m_lines.cbegin(), m_lines.cend(), [&](const GroceryListLine& line) {
        return line.item.compare(item, cs) == 0;
    });
}

double GroceryList::estimatedTotal() const {
    return EstimatedPrice(m_lines);
}
