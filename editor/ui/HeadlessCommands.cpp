// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeadlessCommands.h"

#include "GameSetFile.h"
#include "ImportRules.h"
#include "KazCreateMod.h"
#include "SameFile.h"
#include "SheetPrinter.h"
#include "WordList.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <cstdio>

namespace HeadlessCommands {

namespace {
const QStringList Commands = {QStringLiteral("--import"), QStringLiteral("--output"),
                              QStringLiteral("--export-csv"), QStringLiteral("--pdf")};

void say(const QString& line) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stderr);
}

int usage(const QString& problem) {
    say(QStringLiteral("KazCreate: ") + problem);
    say(QCoreApplication::translate("HeadlessCommands", "Usage:") + helpText());
    return 2;
}

int fail(const QString& path, const QString& reason) {
    say(path + QStringLiteral(": ") + reason);
    return 1;
}

int importList(const QString& listPath, const QString& setPath) {
    if (const QString same = SameFile::overwritesInput(setPath, listPath); !same.isEmpty())
        return fail(setPath, same);
    const auto read = WordList::readFile(listPath);
    if (!read.ok)
        return fail(listPath, read.error);
    const WordList::List& list = read.value;
    const ImportRules::Outcome outcome = ImportRules::apply(list, 0);
    // Refused and changed records alike, as a compiler names lines: "list.csv:3: reason".
    for (const auto* records : {&outcome.refused, &outcome.changed})
        for (const ImportRules::Refusal& r : *records)
            say(r.line > 0 ? QStringLiteral("%1:%2: %3").arg(listPath, QString::number(r.line), r.reason)
                           : QStringLiteral("%1: %2: %3").arg(listPath, r.place, r.reason));
    for (const QString& note : outcome.notes)
        say(listPath + QStringLiteral(": ") + note);
    if (outcome.added.isEmpty())
        return fail(listPath,
                    QCoreApplication::translate("HeadlessCommands",
                                                "no pair could be imported, so no game set was written"));
    // As the window would save it: the boxes hold what the list gives, else their prompts,
    // which Save replaces by "None Given" and "No information given".
    using namespace KazCreateMod;
    const SetTexts texts =
        replaceUntouchedPrompts({list.author.isEmpty() ? Texts::AuthorPrompt() : list.author,
                                 list.title.isEmpty() ? QFileInfo(listPath).completeBaseName() : list.title,
                                 list.info.isEmpty() ? Texts::InfoPrompt() : list.info});
    PuzzleTable entries;
    for (qsizetype i = 0; i < outcome.added.size() && i < MaxPuzzles; ++i)
        entries[i] = outcome.added[i];
    const GameSet set = setForSaving(texts, entries, QDate::currentDate());
    if (const FileResult<> written = GameSetFile::writeFile(setPath, set); !written.ok)
        return fail(setPath, written.error);
    return 0;
}

FileResult<GameSet> readSet(const QString& path) {
    return GameSetFile::readFile(path);
}

int exportCsv(const QString& setPath, const QString& csvPath) {
    if (const QString same = SameFile::overwritesInput(csvPath, setPath); !same.isEmpty())
        return fail(csvPath, same);
    const auto set = readSet(setPath);
    if (!set.ok)
        return fail(setPath, set.error);
    if (const FileResult<> written = WordList::writeCsvFile(csvPath, set.value.pairs); !written.ok)
        return fail(csvPath, written.error);
    return 0;
}

int exportPdf(const QString& kindName, const QString& setPath, const QString& pdfPath) {
    SheetLayout::Kind kind;
    if (kindName == u"key")
        kind = SheetLayout::Kind::AnswerKey;
    else if (kindName == u"worksheet")
        kind = SheetLayout::Kind::Worksheet;
    else
        return usage(
            QCoreApplication::translate("HeadlessCommands", "--pdf takes key or worksheet, not \"%1\"")
                .arg(kindName));
    if (const QString same = SameFile::overwritesInput(pdfPath, setPath); !same.isEmpty())
        return fail(pdfPath, same);
    const auto set = readSet(setPath);
    if (!set.ok)
        return fail(setPath, set.error);
    if (const FileResult<> written = SheetPrinter::writePdf(pdfPath, kind, set.value); !written.ok)
        return fail(pdfPath, written.error);
    return 0;
}
} // namespace

QString helpText() {
    // The commands as they are typed, each with what it does in the language spoken.
    return QStringLiteral("\n  KazCreate --import WORDLIST --output SET.kazset\n      ") +
           QCoreApplication::translate("HeadlessCommands",
                                       "makes a game set of a word list (CSV, TSV, .txt or KVTML)") +
           QStringLiteral("\n  KazCreate --export-csv SET.kazset OUT.csv\n      ") +
           QCoreApplication::translate("HeadlessCommands", "writes a game set's pairs as CSV") +
           QStringLiteral("\n  KazCreate --pdf key|worksheet SET.kazset OUT.pdf\n      ") +
           QCoreApplication::translate("HeadlessCommands",
                                       "writes a game set's answer key or worksheet as PDF");
}

bool wantsHeadless(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (Commands.contains(QString::fromLocal8Bit(argv[i])))
            return true;
    return false;
}

int run(const QStringList& arguments) {
    const QStringList a = arguments.mid(1);
    if (a.size() == 4 && a[0] == u"--import" && a[2] == u"--output")
        return importList(a[1], a[3]);
    if (a.size() == 4 && a[0] == u"--output" && a[2] == u"--import")
        return importList(a[3], a[1]);
    if (a.size() == 3 && a[0] == u"--export-csv")
        return exportCsv(a[1], a[2]);
    if (a.size() == 4 && a[0] == u"--pdf")
        return exportPdf(a[1], a[2], a[3]);
    return usage(QCoreApplication::translate("HeadlessCommands", "these options do not make a command: %1")
                     .arg(a.join(u' ')));
}

} // namespace HeadlessCommands
