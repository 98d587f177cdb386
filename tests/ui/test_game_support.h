// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// A game table for widget tests: Form1 with the scripted UI, a fixed clock and a random
// source that forces any wheel result, in a fresh program folder of its own.
#pragma once

#include "Form1.h"
#include "GameDoubles.h"
#include "GameSetFile.h"
#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "TestWidgets.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>
#include <functional>
#include <memory>

// A scripted random source that also lets a test act in the middle of a spin: every draw
// of the wheel's stop happens while it turns.
class HookedRandom : public ScriptedRandom {
public:
    std::function<void()> onDraw;
    double next() override {
        if (onDraw)
            onDraw();
        return ScriptedRandom::next();
    }
};

// Form1's controls, found by their object names as a user or a screen reader meets them.
struct Form1Widgets {
    explicit Form1Widgets(const Form1& form) {
        lblPuzzle = static_cast<BoardLabel*>(find<QLabel>(form, "lblPuzzle"));
        lblClue = find<QLabel>(form, "lblClue");
        lblDescript = find<QLabel>(form, "lblDescript");
        picArrow = find<QLabel>(form, "picArrow");
        Timer1 = find<QTimer>(form, "Timer1");
        cmdSolve = find<QPushButton>(form, "cmdSolve");
        cmdSpin = find<QPushButton>(form, "cmdSpin");
        for (int i = 0; i < 26; ++i)
            cmdAlpha[i] = find<QPushButton>(form, QStringLiteral("cmdAlpha%1").arg(i));
        for (int i = 0; i < 5; ++i)
            Picture[i] = find<QFrame>(form, QStringLiteral("Picture%1").arg(i + 1));
        mnuFile = find<QMenu>(form, "mnuFile");
        mnuA = find<QMenu>(form, "mnuA");
        mnuGame = find<QAction>(form, "mnuGame");
        mnuLoad = find<QAction>(form, "mnuLoad");
        mnuBar02 = find<QAction>(form, "mnuBar02");
        mnuSetInfo = find<QAction>(form, "mnuSetInfo");
        mnuHigh = find<QAction>(form, "mnuHigh");
        mnuBar01 = find<QAction>(form, "mnuBar01");
        mnuExit = find<QAction>(form, "mnuExit");
        mnuHelp = find<QAction>(form, "mnuHelp");
        mnuAbout = find<QAction>(form, "mnuAbout");
    }

    BoardLabel* lblPuzzle;
    QLabel *lblClue, *lblDescript, *picArrow;
    QTimer* Timer1;
    QPushButton *cmdSolve, *cmdSpin;
    std::array<QPushButton*, 26> cmdAlpha{};
    std::array<QFrame*, 5> Picture{};
    QMenu *mnuFile, *mnuA;
    QAction *mnuGame, *mnuLoad, *mnuBar02, *mnuSetInfo, *mnuHigh, *mnuBar01, *mnuExit, *mnuHelp, *mnuAbout;

    // One tick of the arrow's blink timer, as the timer itself would deliver it.
    void tick() const {
        QTimerEvent event(Timer1->timerId());
        QCoreApplication::sendEvent(Timer1, &event);
    }
};

struct GameTable {
    QTemporaryDir dir;
    ScriptedUi ui;
    FixedClock clock;
    HookedRandom random;
    InstantPace pace;
    NoSystemInfoTool sysInfo;
    RecordingSound sound;
    MemoryPreferences preferences;
    GameServices services{ui,      clock, random,      pace,
                          sysInfo, sound, preferences, ProgramFolder::withSeparator(dir.path())};
    std::unique_ptr<Form1> form = std::make_unique<Form1>(services);
    Form1Widgets w{*form};

    const GameState& state() const { return form->gameState(); }

    QString writeSet(const QString& fileName, const QList<PuzzleEntry>& pairs,
                     const QString& title = QStringLiteral("Animals")) {
        GameSet set;
        set.title = title;
        set.author = QStringLiteral("Ann Author");
        set.date = QDate(2001, 2, 25);
        set.info = QStringLiteral("Animals to guess");
        set.pairs = pairs;
        const QString path = dir.filePath(fileName);
        if (const FileResult<> saved = GameSetFile::writeFile(path, set); !saved.ok)
            qFatal("cannot write a test set: %s", qPrintable(saved.error));
        return path;
    }

    QString writeBytes(const QString& fileName, const QByteArray& bytes) {
        const QString path = dir.filePath(fileName);
        if (!TestFiles::writeBytes(path, bytes))
            qFatal("cannot write a test file");
        return path;
    }

    // File, Load A Game Set, choosing path in the dialog (the empty path is Cancel).
    void load(const QString& path) {
        ui.fileAnswers.enqueue(path);
        w.mnuLoad->trigger();
    }

    // The entries of the next input boxes, in order (the empty text is Cancel).
    void answers(const QStringList& entries) {
        for (const QString& e : entries)
            ui.inputAnswers.enqueue(e);
    }

    // File, New Game, the slot drawn by r.
    void newGame(double r = 0.0) {
        random.values.enqueue(r);
        w.mnuGame->trigger();
    }

    // The draws beyond the first 101 steps that leave each result in the middle lamp:
    // after 101 + m steps the middle lamp shows colour (7 + m) mod 16.
    static int extraStepsFor(const QString& result) {
        static const QHash<QString, int> steps = {
            {QStringLiteral("Double"), 0},      {QStringLiteral("All Points Lost"), 1},
            {QStringLiteral("100 Points"), 2},  {QStringLiteral("200 Points"), 11},
            {QStringLiteral("300 Points"), 12}, {QStringLiteral("400 Points"), 13},
            {QStringLiteral("500 Points"), 14}, {QStringLiteral("50 Points"), 15}};
        return steps.value(result, -1);
    }

    // Clicks Spin with the draws queued that stop the wheel on result.
    void spin(const QString& result) {
        const int extra = extraStepsFor(result);
        Q_ASSERT(extra >= 0);
        for (int i = 0; i < extra; ++i)
            random.values.enqueue(0.5);
        random.values.enqueue(0.0);
        w.cmdSpin->click();
    }

    QPushButton* letter(char c) { return w.cmdAlpha[static_cast<std::size_t>(c - 'A')]; }
    void guess(char c) { letter(c)->click(); }

    bool lettersEnabled(bool enabled) const {
        for (QPushButton* b : w.cmdAlpha)
            if (b->isEnabled() != enabled)
                return false;
        return true;
    }

    QString status() const;
};

inline QString GameTable::status() const {
    return w.lblDescript->text();
}

// The quit question, asked on closing or loading during a game.
inline const QString ReallyQuitText =
    QStringLiteral("There is already a game in progress!\r\nAre you sure you want to quit?");

inline const UiCall ReallyQuitBox =
    UiCall::message(ReallyQuitText, QStringLiteral("Really Quit?"), MsgButtons::YesNo, MsgIcon::None);

// Three pairs to play: the second game drawn is the lion.
inline QList<PuzzleEntry> threeAnimals() {
    return {{QStringLiteral("It barks at the mailman"), QStringLiteral("Big Dog")},
            {QStringLiteral("King of the jungle"), QStringLiteral("The Lion")},
            {QStringLiteral("Slow, with a shell"), QStringLiteral("Tortoise")}};
}

inline QString statusText(int score, int spins, const QString& value) {
    return QStringLiteral("Current Score: %1\r\n# Of Spins So Far: %2\r\nSpin Value: %3")
        .arg(score)
        .arg(spins)
        .arg(value);
}
