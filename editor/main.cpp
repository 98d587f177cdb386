// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// KazCreate: the game set editor. Everything lives in kazeditor; this reads the command line
// and starts it, with a window or, for the commands that need none, without.
#include "Clock.h"
#include "CommandLine.h"
#include "EditorServices.h"
#include "HeadlessCommands.h"
#include "InstallFolders.h"
#include "Language.h"
#include "ProgramFolder.h"
#include "TrustedCode.h"
#include "UiLayer.h"
#include "frmCreate.h"

#include "Settings.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QString description =
        QCoreApplication::translate("KazCreate",
                                    "KazCreate, the Kazoola game set editor.\n\nWithout a window:") +
        HeadlessCommands::helpText();
    // The commands without a window check their own command line.
    const bool headless = HeadlessCommands::wantsHeadless(argc, argv);
    if (const auto early = CommandLine::answerWithoutWindows(argc, argv, QStringLiteral("KazCreate"),
                                                             description, !headless);
        early.exit)
        return CommandLine::finish(early);
    TrustedCode::keepPluginsOutOfProgramFolder();
    if (headless) {
        // No window opens, so no display is needed: the platform is chosen before the
        // application object exists. Fonts for the PDF still come from fontconfig.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error holds the command's own lines only, not the platform's chatter.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(u"QStandardPaths:"))
                std::fputs((message + u'\n').toLocal8Bit().constData(), stderr);
        });
        QGuiApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("KazCreate"));
        // The command's messages come in the language the window would speak; the settings'
        // own problems are the window's to report.
        Language::install(Settings::load(Settings::systemFilePath(), Settings::userFilePath())
                              .layers.value(Settings::LanguageKey));
        return HeadlessCommands::run(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    const CommandLine::Outcome args = CommandLine::start(
        QStringLiteral("KazCreate"), QStringLiteral("io.github.kazoola.KazCreate"), description);
    if (args.exit)
        return CommandLine::finish(args);

    QtUiLayer ui;
    SystemClock clock;
    const Settings::Loaded settings = Settings::load(Settings::systemFilePath(), Settings::userFilePath());
    for (const QString& problem : settings.problems)
        std::fprintf(stderr, "KazCreate: %s\n", qPrintable(problem));
    Language::install(settings.layers.value(Settings::LanguageKey));
    const QString data =
        InstallFolders::dataFolder(ProgramFolder::current(), QStringLiteral("KazCreate.HLP"));
    const EditorServices services{ui, clock, data, Settings::setsFolder(settings.layers, data),
                                  settings.layers};
    frmCreate window(services);
    window.show();
    if (!args.file.isEmpty())
        window.loadSet(args.file);
    return app.exec();
}
