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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KazCreate"));
    QApplication::setApplicationVersion(QStringLiteral(KAZ_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kazoola.KazCreate"));
    const CommandLine::Outcome args =
        CommandLine::parse(app.arguments(), QStringLiteral("KazCreate, the Kazoola game set editor."));
    if (args.exit)
        return CommandLine::finish(args);

    QtUiLayer ui;
    SystemClock clock;
    const EditorServices services{
        &ui, &clock, InstallFolders::dataFolder(ProgramFolder::current(), QStringLiteral("KazCreate.HLP"))};
    frmCreate window(services);
    window.show();
    if (!args.file.isEmpty())
        window.loadSet(args.file);
    return app.exec();
}
