// KAZ: the game. Everything lives in kazgame; this builds the real services and starts it.
#include "Clock.h"
#include "Form1.h"
#include "GameServices.h"
#include "ProgramFolder.h"
#include "UiLayer.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Form1::ProgramTitle);

    QtUiLayer ui;
    SystemClock clock;
    SystemRandom random;
    GameServices services;
    services.ui = &ui;
    services.clock = &clock;
    services.random = &random;
    services.folder = ProgramFolder::current();

    Form1 form(services);
    if (QScreen* screen = form.screen()) {
        QRect frame = form.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    form.show();
    return app.exec();
}
