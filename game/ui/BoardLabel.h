// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle board's label. It shows the board exactly as it stands, but breaks its lines
// only at the gaps between words: Qt's own line breaking would also break a word after
// any hidden letter's dash ("-A---" as "-" and "A---"), so one word would look like two.
#pragma once

#include <QLabel>
#include <QStringList>
#include <limits>

class QFontMetrics;

class BoardLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The board's text in the lines it is drawn in.
    QStringList lines() const;

    // Shows the board in the designed font, or in a smaller one (never below 6 points, times
    // the zoom) where its lines would not fit the label otherwise.
    void showBoard(const QString& board, const QFont& designed, double zoom = 1.0);

    // Fills lines word by word, breaking only at runs of blanks; a word wider than the
    // whole width stands on a line of its own. Stops after maxLines lines.
    static QStringList wrapAtGaps(const QString& text, const QFontMetrics& metrics, int width,
                                  qsizetype maxLines = std::numeric_limits<qsizetype>::max());
    // How many lines of this font a box of this height holds (at least one).
    static qsizetype linesThatFit(const QFontMetrics& metrics, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
};
