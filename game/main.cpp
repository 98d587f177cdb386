// KAZ: the game. Everything lives in kazgame; this only starts it.
#include "Clock.h"
#include "GameServices.h"
#include "ProgramFolder.h"
#include "UiLayer.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAZ"));
    QLabel placeholder(QStringLiteral("Kazoola"));
    placeholder.setWindowTitle(QStringLiteral("Kazoola"));
    placeholder.show();
    return app.exec();
}
