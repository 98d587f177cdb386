// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's words for what play hands the window: the message boxes by id and arguments,
// the prompts, the caption and clue line of a game, and what a screen reader hears of a step.
// The one place where the game's play is put into English.
#pragma once

#include "Play.h"
#include "UiLayer.h"

namespace GameMessages {

// The message box for id, with its title, buttons and icon; Yes or No for ReallyQuit.
MsgResult show(UiLayer& ui, QWidget* parent, GameMessage id, const QStringList& args = {});

// The input boxes of Solve: the answer, then the player's name after a right one.
QString askAnswer(UiLayer& ui, QWidget* parent);
QString askName(UiLayer& ui, QWidget* parent);

// The window's caption with no game, and during game gameNumber of count.
QString caption();
QString caption(int gameNumber, int count);
// The clue line: "Clue: " and the clue.
QString clueLine(const QString& clue);

// What the status panel's name says first after a step; empty for none.
QString spoken(SpokenOutcome outcome, const QStringList& args);

// The board as a screen reader should say it: the letters found, "blank" for each hidden
// one, and the gaps between words marked.
QString spokenBoard(const QString& board);

} // namespace GameMessages
