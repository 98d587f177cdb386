// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Stress: four processes record fifty wins each into one hs.lst at the same moments, through
// two program folders whose hs.lst links to one shared table (as classroom folders may).
// Wins go in rounds of two per process, all started together, each round scoring above
// every round before it, so each of its eight entries must be in the table afterwards: an
// entry lost to another process's read-merge-write shows as a missing name. Built twice:
// as it is, and with a stand-in for a file system that refuses record locks. Links Qt
// Core only.
#include "../core/support/CoreDoubles.h"
#include "HighScoreFile.h"
#include "HighScoreServices.h"
#include "HighScores.h"
#include "KazMod.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int Processes = 4, Rounds = 25, WinsPerRound = 2; // 4 x 50 wins

QString entryName(int round, int process, int win) {
    return QStringLiteral("r%1p%2w%3").arg(round).arg(process).arg(win);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    FixedClock clock; // the day: 25 Feb 2001
    const QString shared = dir.filePath(QStringLiteral("shared/"));
    QDir().mkpath(shared);
    const HighScoreServices folders[2] = {HighScoreServices(clock, dir.filePath(QStringLiteral("room1/"))),
                                          HighScoreServices(clock, dir.filePath(QStringLiteral("room2/")))};
    for (const HighScoreServices& room : folders)
        if (!QDir().mkpath(room.folder) ||
            !QFile::link(QStringLiteral("../shared/hs.lst"), HighScoreFile::path(room.folder)))
            return std::fprintf(stderr, "could not link %s\n", qPrintable(room.folder)), 1;
    GameState finished;

    int lost = 0, wins = 0;
    // Counts a win, and a loss when the table lacks it.
    auto expect = [&](const QList<HighScoreRecord>& table, const QString& name) {
        ++wins;
        if (std::none_of(table.begin(), table.end(), [&](auto& r) { return r.PlayerName == name; }))
            ++lost, std::fprintf(stderr, "lost: %s\n", qPrintable(name));
    };
    // Where the lock file stands in, the order that once lost a win, step by step: a game makes
    // the table and waits for the lock file held here (naming no process of this computer),
    // whose holder wins meanwhile.
    if (struct flock probe{}; ::fcntl(-1, F_OFD_GETLK, &probe) != 0 && errno == ENOLCK) {
        const QString table = HighScoreFile::path(shared);
        QFile(table + QStringLiteral(".lock")).open(QIODevice::WriteOnly);
        if (::fork() == 0)
            ::_exit(KazMod::RecordHighScore(finished, folders[0], QStringLiteral("waited"), 3) ? 1 : 0);
        for (int ms = 0; ms < 5000 && !QFile::exists(table); ++ms)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        HighScoreFile::write(table,
                             HighScoreFile::completed({{QStringLiteral("held"), 2, 0, {}}}, clock.today()));
        QFile::remove(table + QStringLiteral(".lock"));
        ::wait(nullptr);
        for (const char* name : {"held", "waited"})
            expect(HighScoreFile::read(table).value, QString::fromLatin1(name));
        QFile::remove(table);
    }
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
        pid_t children[Processes];
        for (int p = 0; p < Processes; ++p) {
            children[p] = ::fork();
            if (children[p] == 0) {
                std::this_thread::sleep_until(start);
                bool saved = true;
                for (int w = 0; w < WinsPerRound; ++w)
                    saved = !KazMod::RecordHighScore(finished, folders[p % 2], entryName(round, p, w),
                                                     1000.0 * (round + 1) + 10 * p + w) &&
                            saved;
                ::_exit(saved ? 0 : 1);
            }
        }
        for (pid_t child : children) {
            int status = -1;
            if (::waitpid(child, &status, 0) != child || status != 0) {
                std::fprintf(stderr, "round %d: a process failed to save\n", round);
                return 1;
            }
        }
        const auto table = HighScoreFile::read(HighScoreFile::path(shared)).value;
        for (int p = 0; p < Processes; ++p)
            for (int w = 0; w < WinsPerRound; ++w)
                expect(table, entryName(round, p, w));
    }
    std::printf("%d of %d wins lost\n", lost, wins);
    return lost == 0 ? 0 : 1;
}
