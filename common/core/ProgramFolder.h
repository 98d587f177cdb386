// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own folder: where it finds its help file, sample sets and high-score table,
// and where its file dialogs start.
#pragma once

#include <QString>

namespace ProgramFolder {
// The folder with exactly one separator at its end: one is added only when the text
// (surrounding blanks aside) does not already end in "/" or "\".
QString withSeparator(const QString& folder);
// The running program's folder, ending in a separator; empty when it cannot be found.
QString current();
// A file in the given folder, under the one-separator rule; empty when the folder is.
QString file(const QString& folder, const QString& name);
} // namespace ProgramFolder
