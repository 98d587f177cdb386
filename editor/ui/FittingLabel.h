// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// A label that always shows its whole text. Its box follows the window's size, and at the
// smallest window a longer text (a three-digit count, a wider system font) would wrap onto
// more lines than the box holds and lose its last line; such a text is drawn in a smaller
// font instead.
#pragma once

#include <QLabel>

class FittingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The label's font, or a smaller one in which the text, wrapped at words, fits the box.
    // Never below 6 points.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
