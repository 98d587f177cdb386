// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The startup benchmark's yardstick: Qt's own "hello world", one window with one line of
// text, so the figures for KAZ and KazCreate read as a cost above what Qt itself takes to
// start and show text (a window with no text at all would skip loading any font).
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello, world"));
    window.setWindowTitle(QStringLiteral("Kazoola Baseline"));
    window.show();
    return app.exec();
}
