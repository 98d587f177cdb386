// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// KAZ: the game. Everything lives in kazgame; this reads the command line, builds the real
// services and starts it.
#include "Clock.h"
#include "CommandLine.h"
#include "Form1.h"
#include "GameServices.h"
#include "InstallFolders.h"
#include "Language.h"
#include "Preferences.h"
#include "ProgramFolder.h"
#include "ScreenCentre.h"
#include "SoundPlayer.h"
#include "SystemInfoTool.h"
#include "TrustedCode.h"
#include "UiLayer.h"
#include "WheelPalette.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // --help words it in the language spoken (CommandLine).
    const QString description =
        QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "Kazoola, the word-puzzle game."));
    if (const auto early = CommandLine::answerWithoutWindows(argc, argv, Form1::ProgramTitle, description,
                                                             true, CommandLine::Options::WithScores);
        early.exit)
        return CommandLine::finish(early);
    TrustedCode::keepPluginsOutOfProgramFolder();
    QApplication app(argc, argv);
    const CommandLine::Outcome args =
        CommandLine::start(Form1::ProgramTitle, QStringLiteral("io.github.kazoola.KAZ"), description,
                           CommandLine::Options::WithScores);
    if (args.exit)
        return CommandLine::finish(args);

    QtUiLayer ui;
    SystemClock clock;
    SystemRandom random;
    RealTimePace pace;
    PlatformSystemInfoTool sysInfo;
    const QString programFolder = ProgramFolder::current();
    const QString help = QStringLiteral("Kaz.HLP");
    SoundPlayer sound(SoundPlayer::modulePathFor(programFolder));
    PreferenceFile preferences(PreferenceFile::defaultPath(), Settings::systemFilePath());
    for (const QString& problem : preferences.problems())
        std::fprintf(stderr, "KAZ: %s\n", qPrintable(problem));
    Language::install(preferences.settings().value(Settings::LanguageKey));
    const QString data = InstallFolders::dataFolder(programFolder, help);
    // The class's table: --scores for one run, else the administrator's folder, else the
    // program's own place. A class folder is used as it is, never made as a private one.
    QString scores = args.scoreFolder;
    if (scores.isEmpty())
        scores = preferences.settings().folder(Settings::HighScoreFolderKey);
    GameServices services(ui, clock, random, pace, sysInfo, sound, preferences, data,
                          scores.isEmpty() ? InstallFolders::highScoreFolder(programFolder, help)
                                           : ProgramFolder::withSeparator(scores));
    services.makeScoreFolder = scores.isEmpty();
    services.setsFolder = Settings::setsFolder(preferences.settings(), data);

    Form1 form(services);
    ScreenCentre::place(&form);
    form.showAsPreferred();
    if (!args.file.isEmpty())
        form.loadGameSet(args.file);
    return app.exec();
}
