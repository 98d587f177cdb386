// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetLayout.h"

#include "TextFormat.h"

#include <QCoreApplication>

namespace SheetLayout {

namespace {
constexpr int BoardLineLength = 25; // puzzle characters on one line of the game's board
const QString BoardGap = QStringLiteral("    ");
} // namespace

QList<Item> items(Kind kind, const GameSet& set) {
    QList<Item> out;
    Item heading{{Style::Title, set.title}};
    if (kind == Kind::AnswerKey) {
        heading.append({Style::Byline, set.author});
        heading.append({Style::Info, set.info});
    }
    out.append(heading);
    for (qsizetype i = 0; i < set.pairs.size(); ++i) {
        Item item{{Style::Clue, QStringLiteral("%1. %2").arg(i + 1).arg(set.pairs[i].Clue)}};
        if (kind == Kind::AnswerKey) {
            item.append({Style::Answer, set.pairs[i].Puzzle});
        } else {
            for (const QString& line : boardLines(set.pairs[i].Puzzle))
                item.append({Style::Board, line});
        }
        out.append(item);
    }
    return out;
}

QStringList boardLines(const QString& puzzle) {
    const QStringList words = TextFormat::trimBlanks(puzzle).split(u' ', Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    qsizetype used = 0; // puzzle characters on the line, one blank per gap
    for (const QString& word : words) {
        if (used > 0 && used + 1 + word.size() > BoardLineLength) {
            lines.append(line);
            line.clear();
            used = 0;
        }
        if (used > 0) {
            line += BoardGap;
            ++used;
        }
        line += QString(word.size(), u'-');
        used += word.size();
    }
    if (used > 0)
        lines.append(line);
    return lines;
}

QList<int> pageStarts(const QList<double>& itemHeights, double pageHeight) {
    QList<int> starts{0};
    double used = 0;
    for (qsizetype i = 0; i < itemHeights.size(); ++i) {
        if (used > 0 && used + itemHeights[i] > pageHeight) {
            starts.append(int(i));
            used = 0;
        }
        used += itemHeights[i];
    }
    return starts;
}

namespace {
// Where the next word from `from` on ends, blanks before it skipped; -1 when none is left.
qsizetype wordEnd(const QString& text, qsizetype from) {
    while (from < text.size() && text[from].isSpace())
        ++from;
    if (from == text.size())
        return -1;
    while (from < text.size() && !text[from].isSpace())
        ++from;
    return from;
}

// The length of the longest run of whole words at the start of text that is at most `room`
// tall; 0 when not even the first word is. The search doubles, then halves, so a page of
// words is measured some twenty times whatever the length of the text.
qsizetype fittingLength(Style style, const QString& text, double room, const Measure& measure) {
    QList<qsizetype> ends;                       // where each word ends, found as far as the search needs
    auto endOf = [&](qsizetype k) -> qsizetype { // the end of word k (from 1), or -1 past the last
        while (ends.size() < k) {
            const qsizetype from = ends.isEmpty() ? 0 : ends.last();
            const qsizetype end = wordEnd(text, from);
            if (end < 0)
                break;
            ends.append(end);
        }
        return k <= ends.size() ? ends[k - 1] : -1;
    };
    auto fits = [&](qsizetype k) { return measure({style, text.left(endOf(k))}) <= room; };
    if (endOf(1) < 0 || !fits(1))
        return 0;
    qsizetype good = 1; // the most words known to fit
    qsizetype bad = -1; // the fewest known not to fit
    for (qsizetype k = 2; bad < 0; k *= 2) {
        if (endOf(k) < 0) {
            // Fewer than k words: the whole text is the last step up.
            const qsizetype all = ends.size();
            if (all > good && fits(all))
                good = all;
            else if (all > good)
                bad = all;
            break;
        }
        if (fits(k))
            good = k;
        else
            bad = k;
    }
    while (bad > good + 1) {
        const qsizetype mid = (good + bad) / 2;
        (fits(mid) ? good : bad) = mid;
    }
    return endOf(good);
}

void cutToPages(const Item& item, double pageHeight, const Measure& measure, QList<Item>& out) {
    Item piece;
    double used = 0;
    auto endPiece = [&] {
        out.append(piece);
        piece.clear();
        used = 0;
    };
    for (const Line& line : item) {
        QString rest = line.text;
        while (true) {
            const double h = measure({line.style, rest});
            if (used + h <= pageHeight) {
                piece.append({line.style, rest});
                used += h;
                break;
            }
            qsizetype cut = fittingLength(line.style, rest, pageHeight - used, measure);
            if (cut == 0 && !piece.isEmpty()) {
                endPiece(); // try again at the top of a page
                continue;
            }
            if (cut == 0) {
                // Not one word fits an empty page: it stands alone on its own.
                cut = wordEnd(rest, 0);
                if (cut < 0)
                    cut = rest.size();
            }
            piece.append({line.style, rest.left(cut)});
            endPiece();
            qsizetype next = cut;
            while (next < rest.size() && rest[next].isSpace())
                ++next;
            rest = rest.mid(next);
            if (rest.isEmpty())
                break;
        }
    }
    if (!piece.isEmpty())
        out.append(piece);
}
} // namespace

QList<Item> flow(const QList<Item>& items, double pageHeight, const Measure& measure) {
    QList<Item> out;
    for (const Item& item : items) {
        double height = 0;
        for (const Line& line : item)
            height += measure(line);
        if (height <= pageHeight)
            out.append(item);
        else
            cutToPages(item, pageHeight, measure, out);
    }
    return out;
}

QString AnswerKeyName() {
    //: The sheet with the puzzles written out, for the teacher.
    return QCoreApplication::translate("SheetLayout", "Answer Key");
}

QString WorksheetName() {
    //: The sheet with the puzzles hidden, for the pupils.
    return QCoreApplication::translate("SheetLayout", "Worksheet");
}

QString footer(int page, int pages) {
    return QCoreApplication::translate("SheetLayout", "Page %1 of %2").arg(page).arg(pages);
}

} // namespace SheetLayout
