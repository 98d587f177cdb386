// KazCreate: the game set editor. Everything lives in kazeditor; this only starts it.
#include "Clock.h"
#include "EditorServices.h"
#include "ProgramFolder.h"
#include "UiLayer.h"
#include "frmCreate.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KazCreate"));
    QtUiLayer ui;
    SystemClock clock;
    EditorServices services;
    services.ui = &ui;
    services.clock = &clock;
    services.folder = ProgramFolder::current();
    frmCreate window(services);
    window.show();
    return app.exec();
}
