// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Text in our files is one byte a character in Windows-1252, so that a set or a high-score
// table made on any platform reads back alike. Characters the code page lacks become "?".
#pragma once

#include <QByteArray>
#include <QString>

namespace AnsiText {
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
} // namespace AnsiText
