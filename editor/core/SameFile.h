// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether a command's output would land on one of its inputs. Names are no guide: a hard
// link, a symbolic link or "./" names the same file, so files are told apart by device and
// inode, links followed as a write follows them. Qt Core only.
#pragma once

#include <QString>

namespace SameFile {

// True when both paths name one existing file.
bool same(const QString& a, const QString& b);

// "it is the same file as the input X, which writing it would destroy", or the empty text
// when output is not input.
QString overwritesInput(const QString& output, const QString& input);

} // namespace SameFile
