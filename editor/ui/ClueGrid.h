// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's grid and count label: the part of KazCreateMod that touches widgets, kept in
// the window library so that the editor's rules link without any window.
#pragma once

#include "KazCreateMod.h"

#include <QAbstractTableModel>

class QLabel;
class QTableView;

// The pairs as the grid shows them: one row a pair, the clue in column 0 and the puzzle in
// column 1, under the headers "Clue" and "Puzzle"; read-only. The rows are counted afresh
// only when RefreshClueGrid resets the model: the grid shows the set as it stood then.
class ClueGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ClueGridModel(const PuzzleTable& entries, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Counts the pairs again and has every view read every row anew.
    void reset();

private:
    const PuzzleTable& entries_;
    int rows_ = 0;
};

namespace KazCreateMod {

// Rows of the grid counting its header row, as the editor's rules count them.
int gridRows(const QTableView& grid);
// The grid's current row counting the header as row 0; 0 when no data row is current.
int gridCurrentRow(const QTableView& grid);

// Shows the pairs in the grid (whose model is a ClueGridModel), one data row each, leaving
// the current cell on the last pair's puzzle, and the count label "Number of clues in set: n".
void RefreshClueGrid(QTableView& grid, QLabel& countLabel);

} // namespace KazCreateMod
