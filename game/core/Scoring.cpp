// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Scoring.h"

#include "KazMod.h"
#include "TextFormat.h"

#include <QCoreApplication>
#include <array>
#include <cmath>
#include <utility>

double Scoring::scoreAfterGuess(double score, const QString& spinValue, int found) {
    static const std::array<std::pair<QStringView, double>, 6> perLetter = {{{u"100", 100.0},
                                                                             {u"200", 200.0},
                                                                             {u"300", 300.0},
                                                                             {u"400", 400.0},
                                                                             {u"500", 500.0},
                                                                             {u"50 ", 50.0}}};
    const QStringView head = QStringView(spinValue).left(3);
    for (const auto& [prefix, points] : perLetter)
        if (head == prefix)
            return score + points * found;
    if (head == u"Dou")
        return score * 2.0;
    return score;
}

int Scoring::letterCount(const QString& puzzle) {
    return static_cast<int>(puzzle.size() - puzzle.count(u' '));
}

double Scoring::finalScore(int letterCount, double score, int spinCount) {
    if (spinCount == 0)
        return static_cast<double>(letterCount) * 10000.0;
    return std::floor(static_cast<double>(letterCount) * score / spinCount);
}

namespace {
// One character at a time, as the board reveals letters: Qt's full mapping would turn "ß"
// into "SS" and so accept "strasse" for STRAßE.
QString upperByCharacter(QString text) {
    for (QChar& c : text)
        c = c.toUpper();
    return text;
}
} // namespace

bool Scoring::isRightAnswer(const QString& normalizedAnswer, const QString& currentPuzzle) {
    return TextFormat::trimBlanks(upperByCharacter(normalizedAnswer)) ==
           TextFormat::trimBlanks(upperByCharacter(currentPuzzle));
}

QString Scoring::integerText(double value) {
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'f', 0);
}

QString Scoring::finalScoreStatus(double finalScore) {
    return QCoreApplication::translate("Scoring", "Final Score: %1").arg(integerText(finalScore));
}
