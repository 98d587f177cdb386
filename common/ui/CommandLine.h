// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of both programs: an optional game set to open at start, --help and
// --version, and for the game --scores FOLDER. Kept apart from main() so tests can run it
// without starting a program.
#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {
struct Outcome {
    bool exit = false; // print what is below and stop with exitCode; else start the program
    int exitCode = 0;
    QString out;  // for standard output (--help, --version)
    QString err;  // for standard error (the usage after a wrong command line)
    QString file; // the game set to load at start; empty for none
    QString scoreFolder; // --scores: the high-score table's folder for this run, absolute
};

// The options a program takes besides --help and --version.
enum class Options { FileOnly, WithScores };

// arguments as QCoreApplication::arguments() gives them, the program's name first.
Outcome parse(const QStringList& arguments, const QString& description, Options options = Options::FileOnly);
// Answers --help, --version and, when wholeLine, a wrong command line before the window
// system is reached, so that they work in a terminal with no display; `exit` is false (and
// nothing else is set) when the program is to start. Call it before the QApplication exists.
Outcome answerWithoutWindows(int argc, char* argv[], const QString& name, const QString& description,
                             bool wholeLine = true, Options options = Options::FileOnly);
// arguments without the options the QApplication takes for itself (-platform NAME, -style=S…).
QStringList withoutQtOptions(const QStringList& arguments);

// Names the running program for the desktop (its name, version and desktop entry, so the
// window manager matches its windows to the entry), then parses its command line, as the
// QApplication left it (Qt's own options taken out).
Outcome start(const QString& name, const QString& desktopId, const QString& description,
              Options options = Options::FileOnly);
// Prints the outcome's texts and returns its exit code.
int finish(const Outcome& outcome);
} // namespace CommandLine
