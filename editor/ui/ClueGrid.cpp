// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's grid and count label: the one part of KazCreateMod that touches widgets, kept
// apart so that the editor's rules link without any window.
#include "ClueGrid.h"

#include <QLabel>
#include <QTableWidget>

namespace KazCreateMod {

namespace {
QTableWidgetItem* cellItem(QTableWidget& grid, int row, int column) {
    QTableWidgetItem* item = grid.item(row, column);
    if (!item) {
        item = new QTableWidgetItem();
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        grid.setItem(row, column, item);
    }
    return item;
}

// A column is narrower than most clues and puzzles; pointing at a cell shows its whole text.
void setCellText(QTableWidget& grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = cellItem(grid, row, column);
    item->setText(text);
    item->setToolTip(text);
    // A screen reader says which pair a cell belongs to (grid row r holds pair r + 1).
    item->setData(Qt::AccessibleDescriptionRole,
                  QStringLiteral("%1 of pair %2")
                      .arg(column == 0 ? QStringLiteral("Clue") : QStringLiteral("Puzzle"))
                      .arg(row + 1));
}
} // namespace

int gridRows(const QTableWidget& grid) {
    return grid.rowCount() + 1;
}

int gridCurrentRow(const QTableWidget& grid) {
    const int row = grid.currentRow();
    return row < 0 ? 0 : gridRowOf(row);
}

void RefreshClueGrid(QTableWidget& grid, QLabel& countLabel, const PuzzleTable& entries) {
    grid.setRowCount(MaxPuzzles); // room for every slot below the header
    int n = 0;
    for (int i = 0; i < MaxPuzzles; ++i) {
        if (entries[i].Clue.isEmpty())
            break;
        const int row = tableRowOf(i + 1);
        grid.setCurrentCell(row, 0);
        setCellText(grid, row, 0, entries[i].Clue);
        grid.setCurrentCell(row, 1);
        setCellText(grid, row, 1, entries[i].Puzzle);
        n = i + 1;
    }
    grid.setRowCount(n); // drops every row below the last pair
    countLabel.setText(Texts::CountLabelPrefix + QString::number(n));
}

} // namespace KazCreateMod
