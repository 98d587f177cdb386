// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSetFile.h"

#include "AnsiText.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {

// What a field is, for a reason that names it: "the title", or "clue %1" with its number.
struct What {
    const char* text;
    int number = 0;
    QString worded() const {
        const QString named = QCoreApplication::translate("GameSetFile", text);
        return number > 0 ? named.arg(number) : named;
    }
};

QByteArray quoted(QString text) {
    text.replace(u'"', u'\'');
    text.remove(u'\r');
    text.remove(u'\n');
    return '"' + AnsiText::encode(text) + '"';
}

// Reads fields the way the format's readers always have: a field starts after leading
// blanks; a quoted field runs to the next double quote, anything else to the next comma or
// line end. So values separated by commas read the same as one value a line.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : data_(bytes) {}

    struct Field {
        bool ok = false;
        QByteArray value;
        int line = 0;
        QString error;
    };

    Field next(const What& what) {
        Field f;
        skipBlanks();
        f.line = line_;
        if (pos_ >= data_.size()) {
            f.error =
                QCoreApplication::translate("GameSetFile", "line %1: the file ends where %2 was expected")
                    .arg(QString::number(line_), what.worded());
            return f;
        }
        if (data_[pos_] == '"') {
            // Our writer never breaks a value across lines, so a quote still open at the line
            // end is a damaged value, not one that goes on below.
            qsizetype close = pos_ + 1;
            while (close < data_.size() && data_[close] != '"' && data_[close] != '\n' &&
                   data_[close] != '\r')
                ++close;
            if (close >= data_.size() || data_[close] != '"') {
                f.error =
                    QCoreApplication::translate("GameSetFile", "line %1: %2 has no closing double quote")
                        .arg(QString::number(line_), what.worded());
                return f;
            }
            f.value = data_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            // Whatever stands between the closing quote and the separator is not part of the value.
            while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd())
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd())
                ++pos_;
            f.value = data_.mid(start, pos_ - start).trimmed();
        }
        skipSeparator();
        f.ok = true;
        return f;
    }

private:
    bool atLineEnd() const { return data_[pos_] == '\n' || data_[pos_] == '\r'; }

    void skipBlanks() {
        while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t'))
            ++pos_;
    }

    void skipSeparator() {
        if (pos_ >= data_.size())
            return;
        if (data_[pos_] == ',') {
            ++pos_;
            // A comma at the end of a line separates as the line end would: one separator, not two.
            skipBlanks();
            if (pos_ < data_.size() && atLineEnd())
                skipLineEnd();
            return;
        }
        skipLineEnd();
    }

    void skipLineEnd() {
        if (data_[pos_] == '\r')
            ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

bool parseDate(const QByteArray& raw, QDate* date) {
    // #yyyy-mm-dd#, optionally with a time of day, which we drop: we only keep whole days.
    static const QRegularExpression re(
        QStringLiteral(R"(^#(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T]\d{1,2}:\d{2}(?::\d{2})?)?#$)"));
    const auto m = re.match(QString::fromLatin1(raw));
    if (!m.hasMatch())
        return false;
    *date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return date->isValid();
}

} // namespace

QString GameSetFile::notLoadedText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("GameSetFile", "This file is not a usable game set:") +
           QStringLiteral("\r\n") + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") + reason;
}

QString GameSetFile::notLoadedTitle() {
    return QCoreApplication::translate("GameSetFile", NotLoadedTitleText);
}

QByteArray GameSetFile::dateLiteral(const QDate& date) {
    return '#' + date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + '#';
}

QByteArray GameSetFile::write(const GameSet& set) {
    const QByteArray crlf("\r\n");
    QByteArray out;
    out += quoted(set.title) + crlf;
    out += quoted(set.author) + crlf;
    out += dateLiteral(set.date) + crlf;
    out += quoted(set.info) + crlf;
    out += QByteArray::number(set.pairs.size()) + crlf;
    for (const PuzzleEntry& e : set.pairs) {
        out += quoted(e.Clue) + crlf;
        out += quoted(e.Puzzle) + crlf;
    }
    return out;
}

GameSetReadResult GameSetFile::read(const QByteArray& file) {
    GameSetReadResult r;
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    const bool utf8 = file.startsWith(utf8Mark);
    const QByteArray bytes = utf8 ? file.mid(utf8Mark.size()) : file;
    FieldReader in(bytes);
    auto text = [&](const What& what, QString* into) {
        const auto f = in.next(what);
        if (!f.ok) {
            r.error = f.error;
            return false;
        }
        *into = utf8 ? QString::fromUtf8(f.value) : AnsiText::decode(f.value);
        return true;
    };

    if (!text({QT_TRANSLATE_NOOP("GameSetFile", "the title")}, &r.value.title) ||
        !text({QT_TRANSLATE_NOOP("GameSetFile", "the author")}, &r.value.author))
        return r;

    const auto dateField = in.next({QT_TRANSLATE_NOOP("GameSetFile", "the date")});
    if (!dateField.ok) {
        r.error = dateField.error;
        return r;
    }
    if (!parseDate(dateField.value, &r.value.date)) {
        r.error = QCoreApplication::translate("GameSetFile", "line %1: a date like #2001-02-25# was expected")
                      .arg(dateField.line);
        return r;
    }

    if (!text({QT_TRANSLATE_NOOP("GameSetFile", "the information")}, &r.value.info))
        return r;

    const auto countField = in.next({QT_TRANSLATE_NOOP("GameSetFile", "the number of puzzles")});
    if (!countField.ok) {
        r.error = countField.error;
        return r;
    }
    static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
    const QString countText = QString::fromLatin1(countField.value);
    const int count = digits.match(countText).hasMatch() ? countText.toInt() : -1;
    if (count < 1 || count > MaxPuzzles) {
        r.error = QCoreApplication::translate("GameSetFile",
                                              "line %1: a number of puzzles from 1 to %2 was expected")
                      .arg(countField.line)
                      .arg(MaxPuzzles);
        return r;
    }

    r.value.pairs.reserve(count);
    for (int k = 0; k < count; ++k) {
        PuzzleEntry e;
        if (!text({QT_TRANSLATE_NOOP("GameSetFile", "clue %1"), k + 1}, &e.Clue) ||
            !text({QT_TRANSLATE_NOOP("GameSetFile", "puzzle %1"), k + 1}, &e.Puzzle))
            return r;
        r.value.pairs.append(e);
    }
    // Anything after the last puzzle is ignored.
    r.ok = true;
    return r;
}

GameSetReadResult GameSetFile::readFile(const QString& path) {
    if (path.isEmpty())
        return GameSetReadResult::failure(QCoreApplication::translate("GameSetFile", "no file was chosen"));
    const FileResult<QByteArray> bytes = SafeFile::read(path, MaxFileBytes);
    if (!bytes.ok)
        return GameSetReadResult::failure(bytes);
    return read(bytes.value);
}

FileResult<> GameSetFile::writeFile(const QString& path, const GameSet& set) {
    return SafeFile::write(path, write(set));
}
