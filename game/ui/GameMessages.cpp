// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameMessages.h"

#include "TextFormat.h"

namespace {
struct Box {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

Box boxFor(GameMessage id, const QStringList& args) {
    const QString& crlf = TextFormat::CrLf;
    const auto arg = [&](qsizetype i) { return args.value(i); };
    switch (id) {
    case GameMessage::NoSetLoaded:
        return {QStringLiteral("There is not a Game Set Loaded!") + crlf +
                    QStringLiteral("Please load a game set first!"),
                QStringLiteral("No Game Set Loaded!"), MsgButtons::Ok, MsgIcon::Stop};
    case GameMessage::ReallyQuit:
        return {QStringLiteral("There is already a game in progress!") + crlf +
                    QStringLiteral("Are you sure you want to quit?"),
                QStringLiteral("Really Quit?"), MsgButtons::YesNo};
    case GameMessage::PickALetter:
        return {QStringLiteral("Please guess a letter before spinning again."),
                QStringLiteral("Pick A Letter")};
    case GameMessage::AllLettersShowing:
        return {
            QStringLiteral("All of the letters in the puzzle have been uncovered.  Please solve the puzzle!"),
            QStringLiteral("All Letters Are Showing")};
    case GameMessage::AllPointsLost:
        return {QStringLiteral("I am sorry but you have lost all of your points!") + crlf +
                    QStringLiteral("Please roll again"),
                QStringLiteral("All Points Lost!")};
    case GameMessage::SpinFirst:
        return {QStringLiteral("Before you can guess a letter, you must spin!"),
                QStringLiteral("Please Spin First")};
    case GameMessage::LetterNotFound:
        return {QStringLiteral("I am sorry, that letter was not found!"), QStringLiteral("Letter Not Found")};
    case GameMessage::Congratulations:
        return {QStringLiteral("You Got It!") + crlf + crlf + QStringLiteral("It took ") + arg(0) +
                    QStringLiteral(" spin(s) for you") + crlf + QStringLiteral("to solve this ") + arg(1) +
                    QStringLiteral(" letter puzzle.") + crlf +
                    QStringLiteral("Your final (adjusted) score is ") + arg(2),
                QStringLiteral("congratulations")};
    case GameMessage::Sorry:
        return {QStringLiteral("Sorry, but that was not it.") + crlf + QStringLiteral("You Entered: ") +
                    arg(0) + crlf + QStringLiteral("The Puzzle was: ") + arg(1),
                QStringLiteral("Sorry!")};
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
    return ui.inputBox(parent, QStringLiteral("Please Enter Your Guess (And Watch Your Spelling!)"),
                       QStringLiteral("Enter Your Answer"));
}

QString GameMessages::askName(UiLayer& ui, QWidget* parent) {
    return ui.inputBox(parent,
                       QStringLiteral("Please Enter Your Name IN CASE You Qualify For The High Score Board."),
                       QStringLiteral("High Score?"));
}

QString GameMessages::caption() {
    return QStringLiteral("Kazoola");
}

QString GameMessages::caption(int gameNumber, int count) {
    return QStringLiteral("Kazoola - Game %1 of %2").arg(gameNumber).arg(count);
}

QString GameMessages::clueLine(const QString& clue) {
    return QStringLiteral("Clue: ") + clue;
}

QString GameMessages::spoken(SpokenOutcome outcome, const QStringList& args) {
    switch (outcome) {
    case SpokenOutcome::SpinResult:
        return QStringLiteral("Spin result: ") + args.value(0);
    case SpokenOutcome::LetterNotFound:
        return QStringLiteral("Letter %1 not found").arg(args.value(0));
    case SpokenOutcome::LetterFound:
        return args.value(1) == QLatin1String("1")
                   ? QStringLiteral("Letter %1 found once").arg(args.value(0))
                   : QStringLiteral("Letter %1 found %2 times").arg(args.value(0), args.value(1));
    case SpokenOutcome::Solved:
        return QStringLiteral("Solved");
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
        return QStringLiteral("Puzzle board: no game");
    constexpr int MostWords = 100;
    QString spoken = QStringLiteral("Puzzle board: ");
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
                spoken += QStringLiteral(", gap, ");
            else if (inWord)
                spoken += u' ';
            spoken += c == u'-' ? QStringLiteral("blank") : QString(c);
        }
        inWord = true;
    }
    if (words > MostWords)
        spoken += QStringLiteral(", and %1 more words").arg(words - MostWords);
    return spoken;
}
