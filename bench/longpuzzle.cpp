// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Long-puzzle benchmark: the largest set the reader accepts (1 MiB) holding one puzzle of
// single-letter words, played in the real main window. Prints the median time of loading
// it, of New Game and of one guess, each with the window repainted; the goal is under
// 100 ms for New Game and for a guess, so that the window never freezes.
#include "AnsweringUi.h"
#include "Clock.h"
#include "Form1.h"
#include "GameDoubles.h"
#include "GameServices.h"
#include "GameSetFile.h"
#include "ProgramFolder.h"
#include "UiLayer.h"
#include "WheelPalette.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every spin stops after its first hundred and one steps, on a points value.
class FirstStop : public RandomSource {
public:
    void reseed(double) override {}
    double next() override { return 0.0; }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F> double timedMs(Form1& window, F&& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    window.repaint();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.kazset"));

    // As many one-letter words as fit in the reader's limit.
    GameSet set;
    set.title = QStringLiteral("Long");
    set.author = QStringLiteral("Bench");
    set.date = QDate(2001, 2, 25);
    set.info = QStringLiteral("One very long puzzle");
    const QByteArray head = GameSetFile::write(set) + "1\r\n\"Clue\"\r\n\"\"\r\n";
    const qsizetype words = (GameSetFile::MaxFileBytes - head.size()) / 2;
    QString puzzle;
    puzzle.reserve(words * 2);
    for (qsizetype k = 0; k < words; ++k)
        puzzle += k == 0 ? QStringLiteral("E") : QStringLiteral(" E");
    set.pairs = {{QStringLiteral("Clue"), puzzle}};
    if (const FileResult<> saved = GameSetFile::writeFile(path, set); !saved.ok) {
        std::fprintf(stderr, "cannot write the set: %s\n", qPrintable(saved.error));
        return 2;
    }

    AnsweringUi ui;
    ui.setPath = path;
    SystemClock clock;
    FirstStop random;
    RealTimePace pace;
    NoSystemInfoTool noSysInfo;
    RecordingSound sound;
    MemoryPreferences preferences;
    const GameServices services(ui, clock, random, pace, noSysInfo, sound, preferences,
                                ProgramFolder::withSeparator(dir.path()));

    Form1 window(services);
    window.show();
    QCoreApplication::processEvents();
    auto* load = window.findChild<QAction*>(QStringLiteral("mnuLoad"));
    auto* newGame = window.findChild<QAction*>(QStringLiteral("mnuGame"));
    auto* spin = window.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    auto* letterE = window.findChild<QPushButton*>(QStringLiteral("cmdAlpha4"));
    if (!load || !newGame || !spin || !letterE) {
        std::fprintf(stderr, "the main window's controls were not found\n");
        return 2;
    }

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<double> loads, games, guesses;
    for (int run = 0; run < runs; ++run) {
        loads.push_back(timedMs(window, [&] { load->trigger(); }));
        games.push_back(timedMs(window, [&] { newGame->trigger(); }));
        spin->click();
        guesses.push_back(timedMs(window, [&] { letterE->click(); }));
    }
    const double slowest = std::max(median(games), median(guesses));
    std::printf("long puzzle (%lld one-letter words, %lld bytes): load %.1f ms, new game %.1f ms, "
                "guess %.1f ms (median of %d; goal under 100 ms) %s\n",
                static_cast<long long>(words), static_cast<long long>(GameSetFile::MaxFileBytes),
                median(loads), median(games), median(guesses), runs, slowest < 100.0 ? "ok" : "MISSED");
    return slowest < 100.0 ? 0 : 1;
}
