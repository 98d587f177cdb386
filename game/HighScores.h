// The ten-place high-score file "hs.lst" beside the game.
#pragma once

#include "GameServices.h"
#include "KazMod.h"

#include <QString>

class QWidget;

namespace KazMod {
// Merges a finished game into the table. Does nothing while a game is in progress.
void RecordHighScore(const GameState& state, const GameServices& services, QWidget* parent,
                     const QString& playerName, double finalScore);
} // namespace KazMod
