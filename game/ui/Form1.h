// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's main window, on which the whole game is played: the hidden puzzle and its
// clue, the five-lamp wheel with its arrow, Spin and Solve, the 26 letter buttons and the
// status panel, under the File, View and About menus. The window lays itself out from its
// designed twips at one zoom factor, so every zoom step is the same picture, larger
// (Form1View.cpp). The handlers follow the game's steps: they ask, show and draw, and leave
// every rule and every change of GameState to KazMod.
#pragma once

#include "BoardLabel.h"
#include "ContextIDs.h"
#include "GameServices.h"
#include "GameSound.h"
#include "KazMod.h"
#include "Play.h"
#include "Preferences.h"
#include "UiLayer.h"
#include "Wheel.h"

#include <QMainWindow>
#include <QRectF>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

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

    // Shows the window as the player left it: full screen, or at the remembered zoom.
    void showAsPreferred();
    // The zoom step the window is drawn at, in percent (full screen: the step that fits).
    int zoomShown() const { return zoomShown_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    QAction* actSolve = nullptr; // Solve's command: its key, and the button's click
    QAction* actSpin = nullptr;
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
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuActualSize = nullptr;
    QAction* mnuFullScreen = nullptr;
    QAction* mnuSound = nullptr;
    QMenu* mnuLanguage = nullptr;
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
    // What a step of play leaves to be shown: its sound and message (play), the board, clue
    // line, caption and play buttons (showBoardArea), the status panel (showStatus).
    void play(const PlayOutcome& step);
    void showBoardArea(const PlayOutcome& step);
    void showStatus(const PlayOutcome& step);
    // Shows the wheel turning to its stop; false when the window closed meanwhile.
    bool turnWheel(SpinScope& spin, Wheel::Ring& ring);
    // A handler for a control that must do nothing while the wheel turns.
    template <typename Handler> auto unlessSpinning(Handler handler) {
        return [this, handler] {
            if (!spinning_)
                handler();
        };
    }
    // The designed fonts' sizes in points, and the client area in twips; controls that reach
    // past it (the letters' divider) are cut at its edge, which is where the window ends.
    static constexpr double BoardPoints = 12;
    static constexpr double CluePoints = 9.75;
    static constexpr double WindowPoints = 8.25;
    static constexpr QRectF ClientTwips{0, 0, 7410, 5445};

    void buildControls();
    void buildMenu();
    void buildKeys();
    void buildViewMenu();
    // Sets every text of the window and its menus in the language spoken.
    void retranslate();

    // Where each control was designed, in twips, and its font's designed size (0: the
    // window's font, or a font the control fits to its text itself).
    struct Placement {
        QWidget* widget;
        QRectF designed;
        double points;
    };
    template <typename Widget> Widget* place(Widget* widget, QRectF designed, double points = 0) {
        placements_.push_back({widget, designed, points});
        return widget;
    }
    // Every control at its designed place times the zoom factor, moved by origin.
    void layOut(int percent, QPoint origin = QPoint());
    // The client area at the chosen zoom, and the window around it.
    void showZoom(int percent);
    void setZoom(int percent);
    void setFullScreen(bool on);
    // Full screen: the largest step the screen holds, centred.
    void fitToScreen();
    bool fitsScreen(int percent) const;
    void updateViewMenu();
    void savePreferences();
    void sound(GameSound which);
    // Names the status panel for screen readers: the latest outcome, then the panel's lines.
    // A new name sends the name-change event a reader announces.
    void nameStatus();
    void Form_Load();
    // False when the player chose to stay.
    bool Form_Unload();
    // True when no game runs, or the player answered Yes to abandoning it.
    bool mayAbandonGame();
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
    // What the last spin or guess did, for the status panel's name; and the news the name
    // says now.
    struct Outcome {
        SpokenOutcome id = SpokenOutcome::None;
        QStringList args;
    };
    Outcome outcome_;
    Outcome namedOutcome_;
    // What the window shows, kept to be worded again when the language changes: the game in
    // the caption (0: none), the clue line's clue (none yet: the bare "Clue:"), the status
    // panel's text, and the lamps.
    int shownGame_ = 0;
    std::optional<QString> clue_;
    std::function<QString()> statusWords_;
    Wheel::Ring shownRing_;
    std::vector<Placement> placements_;
    Preferences preferences_; // zoom: the step chosen, which full screen leaves alone
    int zoomShown_ = 100;
};
