// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KazCreateMod.h"

#include "TextFormat.h"

#include <QDir>

namespace KazCreateMod {

PuzzleTable SetEntries;

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
           TextFormat::trimBlanks(clueText) == Texts::CluePrompt ||
           TextFormat::trimBlanks(puzzleText) == Texts::PuzzlePrompt;
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
    if (TextFormat::trimBlanks(texts.author) == Texts::AuthorPrompt)
        texts.author = Texts::NoneGiven;
    if (TextFormat::trimBlanks(texts.title) == Texts::TitlePrompt)
        texts.title = Texts::NoneGiven;
    if (TextFormat::trimBlanks(removeLineBreaks(texts.info)) == Texts::InfoPrompt)
        texts.info = Texts::NoInformationGiven;
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
        return QStringLiteral("it holds more than %1 pairs").arg(MaxPuzzles);
    return QString();
}

int firstPairWithoutClue(const GameSet& set) {
    for (qsizetype k = 0; k < set.pairs.size(); ++k)
        if (set.pairs[k].Clue.isEmpty())
            return int(k) + 1;
    return 0;
}

QString partlyLoadedText(const QString& path, int pair) {
    const QString loaded = pair == 1 ? QStringLiteral("No pair was loaded")
                                     : QStringLiteral("Pairs 1 to %1 were loaded").arg(pair - 1);
    return QStringLiteral("Pair %1 of this game set has an empty clue:").arg(pair) + TextFormat::CrLf +
           QDir::toNativeSeparators(path) + TextFormat::CrLf + loaded +
           QStringLiteral("; pair %1 and the pairs after it were not.").arg(pair);
}

void installPairs(const GameSet& set, PuzzleTable& entries) {
    clearSetEntries(entries);
    for (qsizetype k = 0; k < set.pairs.size() && k < MaxPuzzles; ++k)
        entries[k] = set.pairs[k];
}

} // namespace KazCreateMod
