// KAZ: the game. Everything lives in kazgame; this reads the command line, builds the real
// services and starts it.
#include "Clock.h"
#include "CommandLine.h"
#include "Form1.h"
#include "GameServices.h"
#include "InstallFolders.h"
#include "ProgramFolder.h"
#include "UiLayer.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Form1::ProgramTitle);
    QApplication::setApplicationVersion(QStringLiteral(KAZ_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kazoola.KAZ"));
    const CommandLine::Outcome args =
        CommandLine::parse(app.arguments(), QStringLiteral("Kazoola, the word-puzzle game."));
    if (args.exit)
        return CommandLine::finish(args);

    QtUiLayer ui;
    SystemClock clock;
    SystemRandom random;
    GameServices services;
    services.ui = &ui;
    services.clock = &clock;
    services.random = &random;
    const QString programFolder = ProgramFolder::current();
    services.folder = InstallFolders::dataFolder(programFolder, QStringLiteral("Kaz.HLP"));
    services.scoreFolder = InstallFolders::highScoreFolder(programFolder);

    Form1 form(services);
    if (QScreen* screen = form.screen()) {
        QRect frame = form.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    if (!args.file.isEmpty())
        form.loadGameSet(args.file);
    return app.exec();
}
