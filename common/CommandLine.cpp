#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

CommandLine::Outcome CommandLine::parse(const QStringList& arguments, const QString& description) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A game set (.kazset) to open."),
                                 QStringLiteral("[FILE]"));

    // parse(), not process(): process() would print and exit() on its own, untestably.
    Outcome o;
    const bool parsed = parser.parse(arguments);
    QString problem;
    if (!parsed)
        problem = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        problem = QStringLiteral("Only one file can be opened.");
    if (!problem.isEmpty()) {
        o.exit = true;
        o.exitCode = 2;
        o.err = problem + u'\n' + parser.helpText();
        return o;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        o.exit = true;
        o.out = parser.helpText();
    } else if (parser.isSet(version)) {
        o.exit = true;
        o.out = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
    } else if (!parser.positionalArguments().isEmpty()) {
        o.file = parser.positionalArguments().constFirst();
    }
    return o;
}

int CommandLine::finish(const Outcome& outcome) {
    std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
    return outcome.exitCode;
}
