// The command line of both programs: an optional game set to open at start, --help and
// --version. Kept apart from main() so tests can run it without starting a program.
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
};

// arguments as QCoreApplication::arguments() gives them, the program's name first.
Outcome parse(const QStringList& arguments, const QString& description);
// Prints the outcome's texts and returns its exit code.
int finish(const Outcome& outcome);
} // namespace CommandLine
