#include "BoardLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

QStringList BoardLabel::wrapAtGaps(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    qsizetype at = 0;
    while (at < text.size()) {
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
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

QStringList BoardLabel::lines() const {
    if (text().isEmpty())
        return {};
    return wrapAtGaps(text(), fontMetrics(), contentsRect().width());
}

void BoardLabel::showBoard(const QString& board, const QFont& designed) {
    QFont font = designed;
    const QRect box = contentsRect();
    while (font.pointSizeF() > 6.0) {
        const QFontMetrics metrics(font);
        const QStringList drawn = wrapAtGaps(board, metrics, box.width());
        int widest = 0;
        for (const QString& line : drawn)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int height = static_cast<int>(drawn.size() - 1) * metrics.lineSpacing() + metrics.height();
        if (widest <= box.width() && height <= box.height())
            break;
        font.setPointSizeF(std::max(6.0, font.pointSizeF() - 0.75));
    }
    setFont(font);
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
