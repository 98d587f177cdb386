#include "SheetLayout.h"

#include "TextFormat.h"

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

QString footer(int page, int pages) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
}

} // namespace SheetLayout
