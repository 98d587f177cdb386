// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "Language.h"
#include "Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

QStringList CommandLine::withoutQtOptions(const QStringList& arguments) {
    // What QApplication takes out of the command line for itself (with the X11 platform's
    // -display and -geometry), with their values.
    static const QStringList valued = {
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("style"),           QStringLiteral("stylesheet")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const QString name = arg.mid(arg.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
        if (i == 0 || !arg.startsWith(u'-'))
            kept << arg;
        else if (valued.contains(name))
            i += arg.contains(u'=') ? 0 : 1;
        else if (!flags.contains(name) && name != u"qmljsdebugger")
            kept << arg;
    }
    return kept;
}

CommandLine::Outcome CommandLine::answerWithoutWindows(int argc, char* argv[], const QString& name,
                                                       const QString& description, bool wholeLine,
                                                       Options options) {
    static const QStringList asks = {QStringLiteral("-h"), QStringLiteral("--help"),
                                     QStringLiteral("--help-all"), QStringLiteral("-v"),
                                     QStringLiteral("--version")};
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i)
        asked = asks.contains(QString::fromLocal8Bit(argv[i]));
    if (!asked && !wholeLine)
        return {};
    const QCoreApplication core(argc, argv); // no window system needed to print
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(KAZ_VERSION));
    const QStringList arguments = withoutQtOptions(QCoreApplication::arguments());
    if (!parse(arguments, description, options).exit)
        return {}; // the file is read again once the application has taken its options
    // The answer in the player's language. Only now: the program stops after it, and a
    // language loaded into this short-lived application would not reach the real one.
    Language::install(Settings::load(Settings::systemFilePath(), Settings::userFilePath())
                          .layers.value(Settings::LanguageKey));
    return parse(arguments, description, options);
}

CommandLine::Outcome CommandLine::start(const QString& name, const QString& desktopId,
                                        const QString& description, Options options) {
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(KAZ_VERSION));
    QGuiApplication::setDesktopFileName(desktopId);
    return parse(QCoreApplication::arguments(), description, options);
}

CommandLine::Outcome CommandLine::parse(const QStringList& arguments, const QString& description,
                                        Options options) {
    QCommandLineParser parser;
    // The program's description is a source text of this context (QT_TRANSLATE_NOOP).
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", description.toUtf8().constData()));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    //: The name the help gives the game set named on the command line
    const QString file = QCoreApplication::translate("CommandLine", "FILE");
    parser.addPositionalArgument(file,
                                 QCoreApplication::translate("CommandLine", "A game set (.kazset) to open."),
                                 u'[' + file + u']');
    //: The name the help gives the value of --scores
    const QString folder = QCoreApplication::translate("CommandLine", "FOLDER");
    const QCommandLineOption scores(
        QStringLiteral("scores"),
        QCoreApplication::translate("CommandLine",
                                    "Keep the high-score table hs.lst in %1 for this run (it must exist).")
            .arg(folder),
        folder);
    if (options == Options::WithScores)
        parser.addOption(scores);

    // parse(), not process(): process() would print and exit() on its own, untestably.
    Outcome o;
    const bool parsed = parser.parse(arguments);
    QString problem;
    if (!parsed)
        problem = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        problem = QCoreApplication::translate("CommandLine", "Only one file can be opened.");
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
    } else {
        if (!parser.positionalArguments().isEmpty())
            o.file = parser.positionalArguments().constFirst();
        if (options == Options::WithScores && parser.isSet(scores))
            o.scoreFolder = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(scores)));
    }
    return o;
}

int CommandLine::finish(const Outcome& outcome) {
    std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
    return outcome.exitCode;
}
