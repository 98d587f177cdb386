// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a help page and judges it before any viewer lays it out. Qt's rich-text engine
// recurses on nested tables (thousands crash it) and takes minutes over many tables or
// deeply nested lists, so a page too large, nested too deep, holding too many elements,
// tables or lists, or a giant word or size, is refused with a reason, in time linear in its
// size.
// Qt Core only.
#pragma once

#include "FileResult.h"

#include <QByteArrayView>
#include <QString>

namespace HelpPage {

// The limits stand about ten times above our own help files (23 KiB, 489 elements, 9 tables
// holding 139 cells, 6 lists, tables never inside tables; a cell counts as many cells as
// it spans). Laying out tables nested 16 deep
// takes Qt seconds, and each level nearly doubles it; past the other limits layout grows to
// seconds as well.
inline constexpr qint64 MaxBytes = 256 * 1024;
inline constexpr int MaxDepth = 64;
inline constexpr int MaxTableDepth = 6;
inline constexpr int MaxElements = 5000;
inline constexpr int MaxTables = 100;
inline constexpr int MaxCells = 1500; // td, th
inline constexpr int MaxLists = 100;  // ul, ol, dl
// Line breaking in one long word, and tables of huge spans, padding or borders, take Qt
// minutes; a URL is the longest word real help holds, and sizes stay below 10000.
inline constexpr int MaxWordLength = 2000;
inline constexpr int MaxSizeDigits = 4;

// Why the page must not be shown, or empty when it may. The scan counts open and close
// tags without recursion; void elements (br, img, ...) do not nest, and a p, li, dt, dd, tr,
// td or th left open closes where a browser would close it.
QString refusal(QByteArrayView html);

// The page's text, read through the file layer (size capped first) and judged as above.
FileResult<QString> read(const QString& path);

} // namespace HelpPage
