// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the answer key and the worksheet say, and how it falls onto pages, without any
// painting: the printer and PDF code (editor/ui/SheetPrinter) measures each item in its fonts
// and draws what this gives it. An item is kept whole on one page, so a clue never stands
// on one page and its puzzle on the next; only an item taller than a page (a long
// information text) runs on over the pages it needs.
// Qt Core only.
#pragma once

#include "GameSetFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace SheetLayout {

enum class Kind { AnswerKey, Worksheet };
QString AnswerKeyName();
QString WorksheetName();

enum class Style {
    Title,  // the set's title
    Byline, // the author
    Info,   // the information text
    Clue,   // "1. Clue"
    Answer, // the puzzle, on the answer key
    Board   // one line of the hidden board, on the worksheet
};

struct Line {
    Style style;
    QString text;
};
using Item = QList<Line>; // kept together on one page

// The items of a sheet, in print order: the heading (title; on the answer key also the
// author and the information), then one item per pair numbered from 1 in set order.
QList<Item> items(Kind kind, const GameSet& set);

// A puzzle as the game's board shows it before any letter is guessed: "-" for each letter,
// words four blanks apart, broken into lines at word gaps as the board breaks them (at most
// 25 puzzle characters a line; a longer word stands alone on its line).
QStringList boardLines(const QString& puzzle);

// The index of the first item on each page, for items of these heights (in any unit) on pages
// that hold pageHeight of them. An item taller than a page gets a page of its own.
QList<int> pageStarts(const QList<double>& itemHeights, double pageHeight);

// A line's height as it will be drawn, in the unit of the page height.
using Measure = std::function<double(const Line& line)>;

// The items, with each one taller than a page cut into pieces that each fill one page: its
// lines stay whole while they fit, and a line too tall for what is left of the page is cut
// between words and goes on in the next piece. A word too tall for a page alone is left
// whole on a piece of its own.
QList<Item> flow(const QList<Item>& items, double pageHeight, const Measure& measure);

// "Page 2 of 5"
QString footer(int page, int pages);

} // namespace SheetLayout
