// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameMessages.h"

#include "TextFormat.h"
#include "Wheel.h"

#include <QCoreApplication>

namespace {
struct Box {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

QString say(const char* text) {
    return QCoreApplication::translate("GameMessages", text);
}

// A text of several lines: translators write plain line breaks, the boxes show CR LF.
QString lines(const char* text) {
    return say(text).replace(u'\n', TextFormat::CrLf);
}

Box boxFor(GameMessage id, const QStringList& args) {
    const auto arg = [&](qsizetype i) { return args.value(i); };
    switch (id) {
    case GameMessage::NoSetLoaded:
        return {lines(QT_TRANSLATE_NOOP("GameMessages",
                                        "There is not a Game Set Loaded!\nPlease load a game set first!")),
                say(QT_TRANSLATE_NOOP("GameMessages", "No Game Set Loaded!")), MsgButtons::Ok, MsgIcon::Stop};
    case GameMessage::ReallyQuit:
        return {lines(QT_TRANSLATE_NOOP(
                    "GameMessages", "There is already a game in progress!\nAre you sure you want to quit?")),
                say(QT_TRANSLATE_NOOP("GameMessages", "Really Quit?")), MsgButtons::YesNo};
    case GameMessage::PickALetter:
        return {say(QT_TRANSLATE_NOOP("GameMessages", "Please guess a letter before spinning again.")),
                say(QT_TRANSLATE_NOOP("GameMessages", "Pick A Letter"))};
    case GameMessage::AllLettersShowing:
        return {say(QT_TRANSLATE_NOOP(
                    "GameMessages",
                    "All of the letters in the puzzle have been uncovered.  Please solve the puzzle!")),
                say(QT_TRANSLATE_NOOP("GameMessages", "All Letters Are Showing"))};
    case GameMessage::AllPointsLost:
        return {lines(QT_TRANSLATE_NOOP(
                    "GameMessages", "I am sorry but you have lost all of your points!\nPlease roll again")),
                say(QT_TRANSLATE_NOOP("GameMessages", "All Points Lost!"))};
    case GameMessage::SpinFirst:
        return {say(QT_TRANSLATE_NOOP("GameMessages", "Before you can guess a letter, you must spin!")),
                say(QT_TRANSLATE_NOOP("GameMessages", "Please Spin First"))};
    case GameMessage::LetterNotFound:
        return {say(QT_TRANSLATE_NOOP("GameMessages", "I am sorry, that letter was not found!")),
                say(QT_TRANSLATE_NOOP("GameMessages", "Letter Not Found"))};
    case GameMessage::Congratulations:
        //: %1 spins, %2 letters, %3 the final score
        return {lines(QT_TRANSLATE_NOOP("GameMessages",
                                        "You Got It!\n\nIt took %1 spin(s) for you\nto solve this %2 letter "
                                        "puzzle.\nYour final (adjusted) score is %3"))
                    .arg(arg(0), arg(1), arg(2)),
                say(QT_TRANSLATE_NOOP("GameMessages", "congratulations"))};
    case GameMessage::Sorry:
        //: %1 the answer as typed, %2 the puzzle
        return {lines(QT_TRANSLATE_NOOP("GameMessages",
                                        "Sorry, but that was not it.\nYou Entered: %1\nThe Puzzle was: %2"))
                    .arg(arg(0), arg(1)),
                say(QT_TRANSLATE_NOOP("GameMessages", "Sorry!"))};
    case GameMessage::None:
        break;
    }
    return {};
}
} // namespace

MsgResult GameMessages::show(UiLayer& ui, QWidget* parent, GameMessage id, const QStringList& args) {
    const Box box = boxFor(id, args);
    return ui.messageBox(parent, box.text, box.title, box.buttons, box.icon);
}

QString GameMessages::askAnswer(UiLayer& ui, QWidget* parent) {
    return ui.inputBox(
        parent, say(QT_TRANSLATE_NOOP("GameMessages", "Please Enter Your Guess (And Watch Your Spelling!)")),
        say(QT_TRANSLATE_NOOP("GameMessages", "Enter Your Answer")));
}

QString GameMessages::askName(UiLayer& ui, QWidget* parent) {
    return ui.inputBox(
        parent,
        say(QT_TRANSLATE_NOOP("GameMessages",
                              "Please Enter Your Name IN CASE You Qualify For The High Score Board.")),
        say(QT_TRANSLATE_NOOP("GameMessages", "High Score?")));
}

QString GameMessages::caption() {
    return QStringLiteral("Kazoola"); // the game's name, in every language
}

QString GameMessages::caption(int gameNumber, int count) {
    return say(QT_TRANSLATE_NOOP("GameMessages", "Kazoola - Game %1 of %2")).arg(gameNumber).arg(count);
}

QString GameMessages::clueLine(const QString& clue) {
    //: The line under the puzzle board; the clue follows
    return say(QT_TRANSLATE_NOOP("GameMessages", "Clue: %1")).arg(clue);
}

QString GameMessages::spoken(SpokenOutcome outcome, const QStringList& args) {
    switch (outcome) {
    case SpokenOutcome::SpinResult:
        return say(QT_TRANSLATE_NOOP("GameMessages", "Spin result: %1")).arg(Wheel::valueName(args.value(0)));
    case SpokenOutcome::LetterNotFound:
        return say(QT_TRANSLATE_NOOP("GameMessages", "Letter %1 not found")).arg(args.value(0));
    case SpokenOutcome::LetterFound: {
        const int times = args.value(1).toInt();
        return times == 1
                   ? say(QT_TRANSLATE_NOOP("GameMessages", "Letter %1 found once")).arg(args.value(0))
                   //: Said for 2 or more
                   : QCoreApplication::translate("GameMessages", "Letter %1 found %n times", nullptr, times)
                         .arg(args.value(0));
    }
    case SpokenOutcome::Solved:
        return say(QT_TRANSLATE_NOOP("GameMessages", "Solved"));
    case SpokenOutcome::None:
        break;
    }
    return QString();
}

// Past the first hundred words, which is more than anyone listens to, only the number of
// words left is said, so that the longest puzzle a set can hold costs no more to name than a
// short one.
QString GameMessages::spokenBoard(const QString& board) {
    if (board.isEmpty())
        return say(QT_TRANSLATE_NOOP("GameMessages", "Puzzle board: no game"));
    constexpr int MostWords = 100;
    //: Between two words of the spoken board
    const QString gap = say(QT_TRANSLATE_NOOP("GameMessages", ", gap, "));
    //: A hidden letter of the spoken board
    const QString blank = say(QT_TRANSLATE_NOOP("GameMessages", "blank"));
    QString spoken;
    int words = 0;
    bool inWord = false;
    for (const QChar c : board) { // words are runs of cells; only the gaps hold blanks
        if (c == u' ') {
            inWord = false;
            continue;
        }
        if (!inWord)
            ++words;
        if (words <= MostWords) {
            if (!inWord && words > 1)
                spoken += gap;
            else if (inWord)
                spoken += u' ';
            spoken += c == u'-' ? blank : QString(c);
        }
        inWord = true;
    }
    if (words > MostWords)
        spoken += say(QT_TRANSLATE_NOOP("GameMessages", ", and %1 more words")).arg(words - MostWords);
    //: The board's letters, blanks and gaps follow
    return say(QT_TRANSLATE_NOOP("GameMessages", "Puzzle board: %1")).arg(spoken);
}
