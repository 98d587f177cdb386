// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardLabel.h"

#include "FontFit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

QStringList BoardLabel::wrapAtGaps(const QString& text, const QFontMetrics& metrics, int width,
                                   qsizetype maxLines) {
    QStringList lines;
    QString line;
    qsizetype at = 0;
    while (at < text.size() && lines.size() < maxLines) {
        // The gap before the next word (empty at the start of the text), then the word.
        qsizetype wordStart = at;
        while (wordStart < text.size() && text.at(wordStart) == u' ')
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && text.at(wordEnd) != u' ')
            ++wordEnd;
        const QString gap = text.mid(at, wordStart - at);
        const QString word = text.mid(wordStart, wordEnd - wordStart);
        at = wordEnd;
        if (line.isEmpty() && lines.isEmpty()) {
            line = gap + word; // blanks at the very start stay where they are
        } else if (metrics.horizontalAdvance(line + gap + word) <= width) {
            line += gap + word;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if ((!line.isEmpty() || lines.isEmpty()) && lines.size() < maxLines)
        lines.append(line);
    return lines;
}

qsizetype BoardLabel::linesThatFit(const QFontMetrics& metrics, int height) {
    if (height < metrics.height())
        return 0;
    return (height - metrics.height()) / std::max(1, metrics.lineSpacing()) + 1;
}

QStringList BoardLabel::lines() const {
    if (text().isEmpty())
        return {};
    // Only what the label can show: a huge board is never laid out past its last visible line.
    const QRect box = contentsRect();
    return wrapAtGaps(text(), fontMetrics(), box.width(), linesThatFit(fontMetrics(), box.height()) + 1);
}

void BoardLabel::showBoard(const QString& board, const QFont& designed, double zoom) {
    const QRect box = contentsRect();
    setFont(FontFit::shrinkToFit(designed, 6.0 * zoom, 0.75 * zoom, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        const qsizetype room = linesThatFit(metrics, box.height());
        // One line more than there is room for is enough to know the board does not fit.
        const QStringList drawn = wrapAtGaps(board, metrics, box.width(), room + 1);
        if (drawn.size() > room)
            return false;
        return std::all_of(drawn.begin(), drawn.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= box.width();
        });
    }));
    setText(board);
}

void BoardLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    int top = box.top();
    for (const QString& line : lines()) {
        style()->drawItemText(&painter, QRect(box.left(), top, box.width(), metrics.height()),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, palette(), isEnabled(), line,
                              foregroundRole());
        top += metrics.lineSpacing();
    }
}
