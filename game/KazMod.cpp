#include "KazMod.h"

#include "TextFormat.h"

QString KazMod::StatusText(const GameState& state) {
    return QStringLiteral("Current Score: ") + TextFormat::generalNumber(state.Score) + TextFormat::CrLf +
           QStringLiteral("# Of Spins So Far: ") + QString::number(state.SpinCount) + TextFormat::CrLf +
           QStringLiteral("Spin Value: ") + state.SpinValue;
}
