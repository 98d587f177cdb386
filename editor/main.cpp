// KazCreate: the game set editor. Everything lives in kazeditor; this reads the command line
// and starts it.
#include "Clock.h"
#include "CommandLine.h"
#include "EditorServices.h"
#include "InstallFolders.h"
#include "ProgramFolder.h"
#include "UiLayer.h"
#include "frmCreate.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto early =
            CommandLine::answerWithoutWindows(argc, argv, QStringLiteral("KazCreate"),
                                              QStringLiteral("KazCreate, the Kazoola game set editor."));
        early.exit)
        return CommandLine::finish(early);
    QApplication app(argc, argv);
    const CommandLine::Outcome args =
        CommandLine::start(QStringLiteral("KazCreate"), QStringLiteral("io.github.kazoola.KazCreate"),
                           QStringLiteral("KazCreate, the Kazoola game set editor."));
    if (args.exit)
        return CommandLine::finish(args);

    QtUiLayer ui;
    SystemClock clock;
    const EditorServices services{
        ui, clock, InstallFolders::dataFolder(ProgramFolder::current(), QStringLiteral("KazCreate.HLP"))};
    frmCreate window(services);
    window.show();
    if (!args.file.isEmpty())
        window.loadSet(args.file);
    return app.exec();
}
