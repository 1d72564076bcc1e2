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
    if (rows.isEmpty())
        return;
    if (rows.last() - rows.first() + 1 == rows.size()) {
        beginRemoveRows({}, rows.first(), rows.last());
        m_lines.remove(rows.first(), rows.size());
        endRemoveRows();
        return;
    }
    // Scattered lines go in one pass: a view told of each gap apart lays itself out again
    // for every one.
    beginResetModel();
    QList<GroceryListLine> kept;
    kept.reserve(m_lines.size() - rows.size());
    for (qsizetype i = 0, next = 0; i < m_lines.size(); ++i) {
        if (next < rows.size() && rows[next] == i)
            ++next;
        else
            kept.append(std::move(m_lines[i]));
    }
    m_lines = std::move(kept);
    endResetModel();
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
