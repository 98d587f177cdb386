// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// KazCreate's commands that need no window: a word list made into a game set, a set's pairs
// as CSV, a set's answer key or worksheet as PDF. main() asks wantsHeadless() before any
// application object exists, so it can pick the offscreen platform and work without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace HeadlessCommands {

// The lines --help adds about these commands.
QString helpText();

// True when argv names one of the commands (--import, --output, --export-csv, --pdf).
bool wantsHeadless(int argc, char* argv[]);

// Runs the command in arguments (the program's name first): 0 when its file was written,
// 1 when nothing could be imported, a file could not be read or written, or the output is
// the same file as an input (with the reason on stderr; an existing output file and the
// input are left as they were), 2 on a usage error.
int run(const QStringList& arguments);

} // namespace HeadlessCommands
