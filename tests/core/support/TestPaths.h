// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Where tests find the source tree (sample sets, help files) and the built programs.
#pragma once

#include <QString>

namespace TestPaths {
inline QString source(const QString& relative) {
    return QStringLiteral(KAZ_SOURCE_DIR "/") + relative;
}
inline QString bin(const QString& relative) {
    return QStringLiteral(KAZ_BIN_DIR "/") + relative;
}
} // namespace TestPaths
