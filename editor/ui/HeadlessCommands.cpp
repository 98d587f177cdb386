#include "HeadlessCommands.h"

#include "GameSetFile.h"
#include "ImportRules.h"
#include "SheetPrinter.h"
#include "WordList.h"

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
    say(QStringLiteral("Usage:") + helpText());
    return 2;
}

int fail(const QString& path, const QString& reason) {
    say(path + QStringLiteral(": ") + reason);
    return 1;
}

int importList(const QString& listPath, const QString& setPath) {
    const auto read = WordList::readFile(listPath);
    if (!read.ok)
        return fail(listPath, read.error);
    const ImportRules::Outcome outcome = ImportRules::apply(read.value.records, 0);
    for (const ImportRules::Refusal& r : outcome.refused)
        say(QStringLiteral("%1:%2: %3").arg(listPath).arg(r.line).arg(r.reason));
    if (outcome.added.isEmpty())
        return fail(listPath, QStringLiteral("no pair could be imported, so no game set was written"));
    GameSet set;
    set.title = read.value.title.isEmpty() ? QFileInfo(listPath).completeBaseName() : read.value.title;
    set.author = read.value.author;
    set.info = read.value.info;
    set.date = QDate::currentDate();
    set.pairs = outcome.added;
    if (const FileResult<> written = GameSetFile::writeFile(setPath, set); !written.ok)
        return fail(setPath, written.error);
    return 0;
}

FileResult<GameSet> readSet(const QString& path) {
    return GameSetFile::readFile(path);
}

int exportCsv(const QString& setPath, const QString& csvPath) {
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
        return usage(QStringLiteral("--pdf takes key or worksheet, not \"%1\"").arg(kindName));
    const auto set = readSet(setPath);
    if (!set.ok)
        return fail(setPath, set.error);
    if (const FileResult<> written = SheetPrinter::writePdf(pdfPath, kind, set.value); !written.ok)
        return fail(pdfPath, written.error);
    return 0;
}
} // namespace

QString helpText() {
    return QStringLiteral("\n  KazCreate --import WORDLIST --output SET.kazset\n"
                          "      makes a game set of a word list (CSV, TSV, .txt or KVTML)\n"
                          "  KazCreate --export-csv SET.kazset OUT.csv\n"
                          "      writes a game set's pairs as CSV\n"
                          "  KazCreate --pdf key|worksheet SET.kazset OUT.pdf\n"
                          "      writes a game set's answer key or worksheet as PDF");
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
    return usage(QStringLiteral("these options do not make a command: ") + a.join(u' '));
}

} // namespace HeadlessCommands
