// KazCreate: the game set editor. Everything lives in kazeditor; this only starts it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KazCreate"));
    QLabel placeholder(QStringLiteral("KAZ Puzzle Set Creator"));
    placeholder.setWindowTitle(QStringLiteral("KAZ Puzzle Set Creator"));
    placeholder.show();
    return app.exec();
}
