// A game table for widget tests: Form1 with the scripted UI, a fixed clock and a random
// source that forces any wheel result, in a fresh program folder of its own.
#pragma once

#include "Form1.h"
#include "GameSetFile.h"
#include "ProgramFolder.h"
#include "ScriptedUi.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
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

// A wheel pace that never waits; onFrame lets a test act in the middle of a spin.
class InstantPace : public SpinPace {
public:
    qint64 frameMs = Wheel::FrameMs, now = 0;
    int frames = 0;
    std::function<void()> onFrame;
    void start() override { now = 0, frames = 0; }
    qint64 elapsedMs() const override { return now; }
    void nextFrame() override {
        now += frameMs, ++frames;
        QCoreApplication::processEvents();
        if (onFrame)
            onFrame();
    }
};

struct GameTable {
    QTemporaryDir dir;
    ScriptedUi ui;
    FixedClock clock;
    HookedRandom random;
    InstantPace pace;
    GameServices services;
    std::unique_ptr<Form1> form;

    GameTable() {
        services.ui = &ui;
        services.clock = &clock;
        services.random = &random;
        services.pace = &pace;
        services.folder = ProgramFolder::withSeparator(dir.path());
        form = std::make_unique<Form1>(services);
    }

    GameState& state() { return form->gameState(); }

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
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write a test file");
        return path;
    }

    // File, Load A Game Set, choosing path in the dialog (the empty path is Cancel).
    void load(const QString& path) {
        ui.fileAnswers.enqueue(path);
        form->mnuLoad->trigger();
    }

    // The entries of the next input boxes, in order (the empty text is Cancel).
    void answers(const QStringList& entries) {
        for (const QString& e : entries)
            ui.inputAnswers.enqueue(e);
    }

    // File, New Game, the slot drawn by r.
    void newGame(double r = 0.0) {
        random.values.enqueue(r);
        form->mnuGame->trigger();
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
        form->cmdSpin->click();
    }

    QPushButton* letter(char c) { return form->cmdAlpha[static_cast<std::size_t>(c - 'A')]; }
    void guess(char c) { letter(c)->click(); }

    bool lettersEnabled(bool enabled) const {
        for (QPushButton* b : form->cmdAlpha)
            if (b->isEnabled() != enabled)
                return false;
        return true;
    }

    QString status() const;
};

inline QString GameTable::status() const {
    return form->lblDescript->text();
}

inline QString statusText(int score, int spins, const QString& value) {
    return QStringLiteral("Current Score: %1\r\n# Of Spins So Far: %2\r\nSpin Value: %3")
        .arg(score)
        .arg(spins)
        .arg(value);
}
