// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Word lists a teacher already has, read into records of a clue and a puzzle, and the set's
// pairs written back as CSV. The readers only take a file apart; whether a pair may join the
// set is for the import rules (ImportRules.h). Every read goes through the file layer.
//
//  - CSV (RFC 4180): commas, quoted fields with "" inside, LF, CRLF or a lone CR;
//  - TSV and .txt: clue TAB puzzle on each line, quoted fields as in CSV;
//  - KVTML 2 (KDE's vocabulary format): per entry, translation 0's comment is the clue and
//    its text the puzzle; without a comment, the clue is translation 1's text.
//
//  - Anki's text export: its leading "#key:value" lines are read, not imported: #separator:
//    (Tab, Comma, Semicolon, Pipe, Space or a character), #html:true (tags removed, a line
//    break or block end a blank, character references decoded), #columns: (where Front and
//    Back stand) and the "... column:" lines that give other columns (deck, tags) their place.
//
// Text files are UTF-8 (with or without a byte-order mark), UTF-16 with a byte-order mark (a
// spreadsheet's "Unicode Text"), else Windows-1252. A CSV whose first line has more semicolons
// than commas outside quotes is read with semicolons. The first non-blank record is a header,
// and skipped, only when both its fields name a column ("Clue", "Answer", "Front", ...); one
// that names the puzzle first ("Answer,Question", "Term,Definition") is read in that order.
// A CSV or TSV record is named by the physical line it starts on, a KVTML record by its
// entry's id. A KVTML file is read without recursion and refused whole when it nests
// elements too deep or its entities would expand past MaxFileBytes characters.
// Qt Core only.
#pragma once

#include "FileResult.h"
#include "PuzzleEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace WordList {

inline constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

enum class Format { Csv, Tsv, Kvtml };

// KVTML's own elements nest 5 deep and its lessons a few more; deeper is not a word list.
inline constexpr int MaxKvtmlDepth = 64;

struct Record {
    int line = 0;  // CSV/TSV: physical line the record starts on; 0 in KVTML
    QString place; // how a report names it: "line 3", or "entry 7" (a KVTML entry's id)
    QString clue;
    QString puzzle;
    QString problem; // why the record is not a pair at all (a missing puzzle); empty if it is
};

struct List {
    QList<Record> records;
    bool fromKvtml = false;
    QString title; // KVTML only: the set information it carries, at most 255 characters each
    QString author;
    QString info;
    QStringList notes; // what the reader changed in the information ("The title was cut ...")
};

// The format a file name asks for (.kvtml, .csv, .tsv or .txt); for any other name, what the
// bytes look like.
Format formatFor(const QString& path, const QByteArray& bytes);

// Parses a whole file's bytes. A failure refuses the whole file and nothing is imported.
FileResult<List> parse(const QByteArray& bytes, Format format);

// Reads and parses a file; anything but a regular file of at most MaxFileBytes is refused.
FileResult<List> readFile(const QString& path);

// The pairs as CSV: UTF-8, the header "Clue,Puzzle", RFC 4180 quoting, CRLF line ends.
QByteArray writeCsv(const QList<PuzzleEntry>& pairs);

// Writes that CSV through the file layer: the old file stays whole unless the new one is.
FileResult<> writeCsvFile(const QString& path, const QList<PuzzleEntry>& pairs);

} // namespace WordList
