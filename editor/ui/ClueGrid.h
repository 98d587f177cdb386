// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's grid and count label: the part of KazCreateMod that touches widgets, kept in
// the window library so that the editor's rules link without any window.
#pragma once

#include "KazCreateMod.h"

class QLabel;
class QTableWidget;

namespace KazCreateMod {

// Rows of the grid counting its header row, as the editor's rules count them.
int gridRows(const QTableWidget& grid);
// The grid's current row counting the header as row 0; 0 when no data row is current.
int gridCurrentRow(const QTableWidget& grid);

// Writes the pairs into the grid, one data row each, leaving the current cell on the last
// pair's puzzle, and the count label "Number of clues in set: n".
void RefreshClueGrid(QTableWidget& grid, QLabel& countLabel, const PuzzleTable& entries = SetEntries);

} // namespace KazCreateMod
