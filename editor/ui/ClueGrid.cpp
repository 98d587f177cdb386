// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's grid and count label: the one part of KazCreateMod that touches widgets, kept
// apart so that the editor's rules link without any window.
#include "ClueGrid.h"

#include <QLabel>
#include <QTableView>

using namespace KazCreateMod;

ClueGridModel::ClueGridModel(const PuzzleTable& entries, QObject* parent)
    : QAbstractTableModel(parent), entries_(entries) {}

int ClueGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ClueGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant ClueGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PuzzleEntry& pair = entries_[gridRowOf(index.row()) - 1]; // data row r shows slot r - 1
    const QString& text = index.column() == 0 ? pair.Clue : pair.Puzzle;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    // A column is narrower than most clues and puzzles; pointing at a cell shows its whole text.
    case Qt::ToolTipRole:
        return text;
    // A screen reader says which pair a cell belongs to.
    case Qt::AccessibleDescriptionRole:
        return (index.column() == 0 ? tr("Clue of pair %1") : tr("Puzzle of pair %1"))
            .arg(gridRowOf(index.row()));
    default:
        return {};
    }
}

QVariant ClueGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::EditRole))
        //: A column heading of the editor's grid of pairs.
        return section == 0 ? tr("Clue") : tr("Puzzle");
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ClueGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ClueGridModel::reset() {
    beginResetModel();
    rows_ = pairCount(entries_);
    endResetModel();
}

namespace KazCreateMod {

int gridRows(const QTableView& grid) {
    return grid.model()->rowCount() + 1;
}

int gridCurrentRow(const QTableView& grid) {
    const int row = grid.currentIndex().row();
    return row < 0 ? 0 : gridRowOf(row);
}

void RefreshClueGrid(QTableView& grid, QLabel& countLabel) {
    auto& model = static_cast<ClueGridModel&>(*grid.model());
    model.reset();
    const int n = model.rowCount();
    // The last pair's puzzle is left current, so Delete This Clue then takes the last pair.
    if (n > 0)
        grid.setCurrentIndex(model.index(tableRowOf(n), 1));
    countLabel.setText(Texts::countLabel(n));
}

} // namespace KazCreateMod
