// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The face of the game's small side windows: the classic 8-point dialog face, or the
// nearest sans-serif where it is missing. Their captions are laid out for it; the desktop's
// larger default would crowd them against their frames.
#pragma once

#include <QFont>
#include <QString>

namespace DialogFont {
inline QFont font() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
} // namespace DialogFont
