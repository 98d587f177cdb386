// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheel's pace, measured on a real window: KAZ's main window spins 20 times under the
// real clock and prints the median spin time and how often the middle lamp was repainted
// per second while the wheel turned. Boxes are answered at once; nothing is written.
#include "AnsweringUi.h"
#include "Clock.h"
#include "Form1.h"
#include "GameDoubles.h"
#include "GameSetFile.h"
#include "UiLayer.h"
#include "WheelPalette.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AnsweringUi ui;
    SystemClock clock;
    SystemRandom random;
    GameSet set;
    set.title = QStringLiteral("Bench");
    set.author = QStringLiteral("Kazoola");
    set.date = QDate(2026, 12, 7);
    set.info = QStringLiteral("One pair to spin on");
    set.pairs = {{QStringLiteral("Bench"), QStringLiteral("Spinning Wheel")}};
    ui.setPath = dir.filePath(QStringLiteral("bench.kazset"));
    if (!GameSetFile::writeFile(ui.setPath, set).ok)
        return 2;
    RealTimePace pace;
    NoSystemInfoTool noSysInfo;
    RecordingSound sound;
    MemoryPreferences preferences;
    const GameServices services(ui, clock, random, pace, noSysInfo, sound, preferences, dir.path() + u'/');
    Form1 form(services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 2;
    auto* newGame = form.findChild<QAction*>(QStringLiteral("mnuGame"));
    auto* spin = form.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    form.findChild<QAction*>(QStringLiteral("mnuLoad"))->trigger();
    newGame->trigger();
    if (!spin->isEnabled()) {
        std::fprintf(stderr, "spin: no game started\n");
        return 2;
    }

    PaintCounter counter;
    form.findChild<QFrame*>(QStringLiteral("Picture3"))->installEventFilter(&counter);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    std::vector<double> seconds;
    double paintedSeconds = 0;
    int paints = 0;
    for (int i = 0; i < runs; ++i) {
        if (i > 0)
            newGame->trigger(); // a fresh game (the quit question answered Yes): free to spin again
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        spin->click();
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        paints += counter.paints;
        paintedSeconds += seconds.back();
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = runs % 2 ? seconds[runs / 2] : (seconds[runs / 2 - 1] + seconds[runs / 2]) / 2;
    std::printf(
        "spin: %d spins, median %.2f s (min %.2f, max %.2f), middle lamp repainted %.0f times a second\n",
        runs, median, seconds.front(), seconds.back(), paints / paintedSeconds);
    return median >= 2.0 && median <= 3.0 && paints / paintedSeconds >= 50 ? 0 : 1;
}
