#include "KazCreateMod.h"

#include "TextFormat.h"

#include <QLabel>
#include <QTableWidget>

namespace KazCreateMod {

PuzzleTable SetEntries;

namespace {
bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

QTableWidgetItem* cellItem(QTableWidget& grid, int row, int column) {
    QTableWidgetItem* item = grid.item(row, column);
    if (!item) {
        item = new QTableWidgetItem();
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        grid.setItem(row, column, item);
    }
    return item;
}

// A column is narrower than most clues and puzzles; pointing at a cell shows its whole text.
void setCellText(QTableWidget& grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = cellItem(grid, row, column);
    item->setText(text);
    item->setToolTip(text);
    // A screen reader says which pair a cell belongs to (grid row r holds pair r + 1).
    item->setData(Qt::AccessibleDescriptionRole,
                  QStringLiteral("%1 of pair %2")
                      .arg(column == 0 ? QStringLiteral("Clue") : QStringLiteral("Puzzle"))
                      .arg(row + 1));
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

int PairCount(const PuzzleTable& entries) {
    for (int i = 0; i < MaxPuzzles; ++i)
        if (entries[i].Clue.isEmpty())
            return i;
    return MaxPuzzles;
}

void ClearSetEntries(PuzzleTable& entries) {
    entries.fill(PuzzleEntry{});
}

QString RemoveLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != u'\r' && c != u'\n' && c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            out.append(c);
    return out;
}

bool IsEntryEmpty(const QString& clueText, const QString& puzzleText) {
    return BlankNonLetters(clueText).isEmpty() || BlankNonLetters(puzzleText).isEmpty() ||
           TextFormat::trimBlanks(clueText) == Texts::CluePrompt ||
           TextFormat::trimBlanks(puzzleText) == Texts::PuzzlePrompt;
}

bool HasProperSpacing(const QString& puzzleText) {
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

SetTexts ReplaceUntouchedPrompts(SetTexts texts) {
    if (TextFormat::trimBlanks(texts.author) == Texts::AuthorPrompt)
        texts.author = Texts::NoneGiven;
    if (TextFormat::trimBlanks(texts.title) == Texts::TitlePrompt)
        texts.title = Texts::NoneGiven;
    if (TextFormat::trimBlanks(RemoveLineBreaks(texts.info)) == Texts::InfoPrompt)
        texts.info = Texts::NoInformationGiven;
    return texts;
}

GameSet SetForSaving(const SetTexts& texts, const PuzzleTable& entries, const QDate& today) {
    GameSet set;
    set.title = TextFormat::trimBlanks(texts.title);
    set.author = TextFormat::trimBlanks(texts.author);
    set.date = today;
    set.info = TextFormat::trimBlanks(RemoveLineBreaks(texts.info));
    const int n = PairCount(entries);
    set.pairs.reserve(n);
    for (int i = 0; i < n; ++i)
        set.pairs.append(entries[i]);
    return set;
}

QString UnholdableReason(const GameSet& set) {
    if (set.pairs.size() > MaxPuzzles)
        return QStringLiteral("it holds more than %1 pairs").arg(MaxPuzzles);
    for (qsizetype k = 0; k < set.pairs.size(); ++k)
        if (set.pairs[k].Clue.isEmpty())
            return QStringLiteral(
                       "pair %1 has an empty clue, and the editor cannot hold a pair without a clue")
                .arg(k + 1);
    return QString();
}

void InstallPairs(const GameSet& set, PuzzleTable& entries) {
    ClearSetEntries(entries);
    for (qsizetype k = 0; k < set.pairs.size() && k < MaxPuzzles; ++k)
        entries[k] = set.pairs[k];
}

int GridRows(const QTableWidget& grid) {
    return grid.rowCount() + 1;
}

int GridCurrentRow(const QTableWidget& grid) {
    const int row = grid.currentRow();
    return row < 0 ? 0 : GridRowOf(row);
}

void RefreshClueGrid(QTableWidget& grid, QLabel& countLabel, const PuzzleTable& entries) {
    grid.setRowCount(MaxPuzzles); // room for every slot below the header
    int n = 0;
    for (int i = 0; i < MaxPuzzles; ++i) {
        if (entries[i].Clue.isEmpty())
            break;
        const int row = TableRowOf(i + 1);
        grid.setCurrentCell(row, 0);
        setCellText(grid, row, 0, entries[i].Clue);
        grid.setCurrentCell(row, 1);
        setCellText(grid, row, 1, entries[i].Puzzle);
        n = i + 1;
    }
    grid.setRowCount(n); // drops every row below the last pair
    countLabel.setText(Texts::CountLabelPrefix + QString::number(n));
}

} // namespace KazCreateMod
