// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How numbers and dates are shown to the player: the general number form (no thousands
// separators, no trailing zeros, up to 15 significant digits) and the short date form
// with a four-digit year.
#pragma once

#include <QDate>
#include <QString>

namespace TextFormat {
QString generalNumber(double value);
QString shortDate(const QDate& date);
// Leading and trailing blanks (the space character only) removed; tabs and the rest stay.
QString trimBlanks(const QString& text);
// Lines of a message joined by CR LF, as every message text is.
inline const QString CrLf = QStringLiteral("\r\n");
} // namespace TextFormat
