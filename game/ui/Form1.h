// The game's main window, on which the whole game is played: the hidden puzzle and its
// clue, the five-lamp wheel with its arrow, Spin and Solve, the 26 letter buttons and the
// status panel, under the File and About menus. The handlers follow the game's steps and
// leave every rule to KazMod, Wheel and Scoring.
#pragma once

#include "BoardLabel.h"
#include "ContextIDs.h"
#include "GameServices.h"
#include "KazMod.h"
#include "UiLayer.h"
#include "Wheel.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QAction;
class QCloseEvent;
class QKeyEvent;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // The program's title: it picks the help file and names the application.
    static inline const QString ProgramTitle = ContextIDs::GameTitle.toString();

    explicit Form1(const GameServices& services, QWidget* parent = nullptr);

    // What tests may read of the game without a widget to show it.
    const GameState& gameState() const { return state_; }
    bool isSpinning() const { return spinning_; }
    int blinkCount() const { return blinkCount_; }

    // Loads the game set at path as File, Load A Game Set does once its dialog has answered
    // (the same checks and messages); also used for a file named on the command line.
    bool loadGameSet(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A typed letter presses its button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    class SpinScope;

    // Controls, by the names the game's rules use. Picture[0] to Picture[4] are the lamps
    // Picture1 to Picture5, left to right.
    BoardLabel* lblPuzzle = nullptr; // the board: wraps only at the gaps between words
    QLabel* lblClue = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    std::array<QFrame*, 5> Picture{};
    QLabel* picArrow = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* cmdSolve = nullptr;
    QPushButton* cmdSpin = nullptr;
    std::array<QPushButton*, 26> cmdAlpha{};
    QLabel* lblDescript = nullptr;
    FileDialogOptions CommonDialog1;

    QMenu* mnuFile = nullptr;
    QAction* mnuGame = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuBar02 = nullptr;
    QAction* mnuSetInfo = nullptr;
    QAction* mnuHigh = nullptr;
    QAction* mnuBar01 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuA = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // The window's event handlers; clicks, menu picks and timer ticks land here.
    void mnuGame_Click();
    void mnuLoad_Click();
    void mnuSetInfo_Click();
    void mnuHigh_Click();
    void mnuExit_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void cmdSpin_Click();
    void cmdSolve_Click();
    void cmdAlpha_Click(int index);
    void Timer1_Timer();

    // Rewrites the status panel from GameState.
    void UpdateStatus();
    // The board as no game shows it: empty, with the bare clue line, Solve, Spin and the
    // letters off and the score and spins back at 0.
    void resetBoard();
    // A handler for a control that must do nothing while the wheel turns.
    template <typename Handler> auto unlessSpinning(Handler handler) {
        return [this, handler] {
            if (!spinning_)
                handler();
        };
    }
    void buildControls();
    void buildMenu();
    void buildKeys();
    // Names the status panel for screen readers: the latest outcome, then the panel's lines.
    // A new name sends the name-change event a reader announces.
    void nameStatus();
    void Form_Load();
    // False when the player chose to stay.
    bool Form_Unload();
    // "Really Quit?" while a game runs; true on Yes.
    bool confirmAbandonGame();
    void showLamps(const Wheel::Ring& ring);
    // The board and the clue line, in a smaller font when the text would not fit.
    void showBoard(const QString& text);
    void showClue(const QString& text);
    void setLettersEnabled(bool enabled);
    UiLayer& ui() const { return *services_.ui; }

    GameServices services_;
    GameState state_;
    std::int16_t blinkCount_ = 0;
    bool spinning_ = false; // the wheel is turning: the play handlers wait for it
    bool closing_ = false;  // the player chose to quit; a turning wheel stops at its next step
    QString outcome_;       // what the last spin or guess did, for the status panel's name
};
