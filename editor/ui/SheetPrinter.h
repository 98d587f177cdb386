// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Paints the answer key or the worksheet (SheetLayout) onto pages: a PDF file or a printer.
// Pages are A4, or Letter where the locale measures in US units; fonts are embedded in a PDF;
// every page ends in "Page N of M".
#pragma once

#include "FileResult.h"
#include "GameSetFile.h"
#include "SheetLayout.h"

#include <QPageSize>

class QPagedPaintDevice;

namespace SheetPrinter {

// A4, or Letter for a locale that measures in US units.
QPageSize localePageSize();

// Paints the sheet onto a device whose page size and margins are already set; false when the
// device could not be painted on.
bool paint(QPagedPaintDevice& device, SheetLayout::Kind kind, const GameSet& set);

// The sheet as a PDF document's bytes.
QByteArray pdf(SheetLayout::Kind kind, const GameSet& set);

// Writes that PDF through the file layer: the old file stays whole unless the new one is.
FileResult<> writePdf(const QString& path, SheetLayout::Kind kind, const GameSet& set);

} // namespace SheetPrinter
