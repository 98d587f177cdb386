// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KazCreateMod.h"

#include "TextFormat.h"

#include <QCoreApplication>
#include <QDir>

namespace KazCreateMod {

PuzzleTable SetEntries;

namespace Texts {
// Each text is looked up when it is shown, so it follows a change of language.
QString AuthorPrompt() {
    //: Stands in the author box until the teacher types a name.
    return QCoreApplication::translate("KazCreateMod", "Your Name");
}
QString TitlePrompt() {
    //: Stands in the title box until the teacher types a title.
    return QCoreApplication::translate("KazCreateMod", "Title For Set");
}
QString InfoPrompt() {
    //: Stands in the information box; the box holds at most 255 characters.
    return QCoreApplication::translate(
        "KazCreateMod", "Enter whatever you want here.  Email, web pages, why you made the set, "
                        "etc., etc. Up to 255 characters.");
}
QString NoneGiven() {
    //: Saved as the author or title when the teacher left the box as it was.
    return QCoreApplication::translate("KazCreateMod", "None Given");
}
QString NoInformationGiven() {
    return QCoreApplication::translate("KazCreateMod", "No information given");
}
QString CluePrompt() {
    return QCoreApplication::translate("KazCreateMod", "Enter a clue to help the player solve the puzzle.");
}
QString PuzzlePrompt() {
    return QCoreApplication::translate("KazCreateMod", "Enter the puzzle to be solved here.");
}

QString EmptyCountLabel() {
    return QCoreApplication::translate("KazCreateMod", "Number of Clues in Set: 0");
}
QString countLabel(int pairs) {
    return QCoreApplication::translate("KazCreateMod", "Number of clues in set: %1").arg(pairs);
}

Message AreYouSure() {
    return {QCoreApplication::translate(
                "KazCreateMod", "Are You Sure?\r\nAll unsaved puzzle data entered thus far will be lost!"),
            QCoreApplication::translate("KazCreateMod", "ARE YOU SURE?")};
}
Message EmptyEntry() {
    return {
        QCoreApplication::translate("KazCreateMod", "An entry is empty!\r\nPlease check them and try again!"),
        QCoreApplication::translate("KazCreateMod", "ERROR IN DATA")};
}
Message BadSpacing() {
    return {QCoreApplication::translate(
                "KazCreateMod",
                "Your Puzzle is over 25 characters long and it \r\n"
                "does not have at LEAST one space every 25 character.\r\n"
                "I am sorry, but I must ask that you modifiy it to allow for proper display."),
            QCoreApplication::translate("KazCreateMod", "Bad Spacing")};
}
Message SetFull() {
    return {QCoreApplication::translate("KazCreateMod",
                                        "This set already holds 101 clues.\r\nNo more can be added."),
            QCoreApplication::translate("KazCreateMod", "Set Is Full")};
}
QString NotSavedTitle() {
    return QCoreApplication::translate("KazCreateMod", "Game Set Not Saved");
}

QString SaveDialogTitle() {
    return QCoreApplication::translate("KazCreateMod", "Save Your Game Set");
}
QString LoadDialogTitle() {
    return QCoreApplication::translate("KazCreateMod", "Select a Game Set to Edit");
}
QString FileFilter() {
    //: The name of the file type in the file dialogs.
    return QCoreApplication::translate("KazCreateMod", "KAZ Game Set") +
           QStringLiteral(" (*.kazset)|*.kazset");
}
} // namespace Texts

namespace {
bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

} // namespace

QString BlankNonLetters(const QString& text) {
    QString copy = text;
    for (QChar& c : copy)
        if (!isLetter(c))
            c = u' ';
    return TextFormat::trimBlanks(copy);
}

void CompactSetEntries(PuzzleTable& entries) {
    for (int i = 0; i < MaxPuzzles - 1; ++i) {
        if (entries[i].Clue.isEmpty()) {
            entries[i] = entries[i + 1];
            entries[i + 1] = PuzzleEntry{};
        }
    }
}

int pairCount(const PuzzleTable& entries) {
    for (int i = 0; i < MaxPuzzles; ++i)
        if (entries[i].Clue.isEmpty())
            return i;
    return MaxPuzzles;
}

void clearSetEntries(PuzzleTable& entries) {
    entries.fill(PuzzleEntry{});
}

QString removeLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != u'\r' && c != u'\n' && c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            out.append(c);
    return out;
}

QString storedBoxText(const QString& held, const QString& boxText) {
    return boxText == held ? held : BlankNonLetters(removeLineBreaks(boxText));
}

bool isEntryEmpty(const QString& clueText, const QString& puzzleText) {
    return BlankNonLetters(clueText).isEmpty() || BlankNonLetters(puzzleText).isEmpty() ||
           TextFormat::trimBlanks(clueText) == Texts::CluePrompt() ||
           TextFormat::trimBlanks(puzzleText) == Texts::PuzzlePrompt();
}

bool hasProperSpacing(const QString& puzzleText) {
    const QString p = BlankNonLetters(puzzleText);
    const qsizetype length = p.size();
    if (length <= 25)
        return true;
    // Indexes below are 0-based: position 26 is index 25, position 51 index 50.
    const qsizetype firstBlank = p.indexOf(u' ');
    if (firstBlank < 0)
        return false;
    if (firstBlank > 25)
        return false;
    if (length > 50 && p.indexOf(u' ', 25) < 0)
        return false;
    if (length > 74 && p.indexOf(u' ', 50) < 0)
        return false;
    return true;
}

SetTexts replaceUntouchedPrompts(SetTexts texts) {
    if (TextFormat::trimBlanks(texts.author) == Texts::AuthorPrompt())
        texts.author = Texts::NoneGiven();
    if (TextFormat::trimBlanks(texts.title) == Texts::TitlePrompt())
        texts.title = Texts::NoneGiven();
    if (TextFormat::trimBlanks(removeLineBreaks(texts.info)) == Texts::InfoPrompt())
        texts.info = Texts::NoInformationGiven();
    return texts;
}

GameSet setForSaving(const SetTexts& texts, const PuzzleTable& entries, const QDate& today) {
    GameSet set;
    set.title = TextFormat::trimBlanks(texts.title);
    set.author = TextFormat::trimBlanks(texts.author);
    set.date = today;
    set.info = TextFormat::trimBlanks(removeLineBreaks(texts.info));
    const int n = pairCount(entries);
    set.pairs.reserve(n);
    for (int i = 0; i < n; ++i)
        set.pairs.append(entries[i]);
    return set;
}

QString unholdableReason(const GameSet& set) {
    if (set.pairs.size() > MaxPuzzles)
        return QCoreApplication::translate("KazCreateMod", "it holds more than %1 pairs").arg(MaxPuzzles);
    return QString();
}

int firstPairWithoutClue(const GameSet& set) {
    for (qsizetype k = 0; k < set.pairs.size(); ++k)
        if (set.pairs[k].Clue.isEmpty())
            return int(k) + 1;
    return 0;
}

QString partlyLoadedText(const QString& path, int pair) {
    const QString loaded =
        pair == 1 ? QCoreApplication::translate("KazCreateMod",
                                                "No pair was loaded; pair 1 and the pairs after it were not.")
                  : QCoreApplication::translate(
                        "KazCreateMod", "Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.")
                        .arg(pair - 1)
                        .arg(pair);
    return QCoreApplication::translate("KazCreateMod", "Pair %1 of this game set has an empty clue:")
               .arg(pair) +
           TextFormat::CrLf + QDir::toNativeSeparators(path) + TextFormat::CrLf + loaded;
}

QString PartlyLoadedTitle() {
    return QCoreApplication::translate("KazCreateMod", "Game Set Partly Loaded");
}

void installPairs(const GameSet& set, PuzzleTable& entries) {
    clearSetEntries(entries);
    for (qsizetype k = 0; k < set.pairs.size() && k < MaxPuzzles; ++k)
        entries[k] = set.pairs[k];
}

} // namespace KazCreateMod
