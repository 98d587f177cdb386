#include "WordList.h"

#include "AnsiText.h"
#include "KazCreateMod.h"
#include "SafeFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace WordList {

namespace {

using ListResult = FileResult<List>;

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), else Windows-1252,
// which every byte sequence is.
FileResult<QString> decodeText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return FileResult<QString>::failure(QStringLiteral("it holds a NUL byte, so it is not a text file"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = AnsiText::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return FileResult<QString>::success(text);
}

bool isHeader(QStringView firstLine) {
    // "Clue,Puzzle", in any case and with any separator between and around the two words.
    static const QRegularExpression header(QStringLiteral("^[^a-z]*clue[^a-z]+puzzle[^a-z]*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return header.match(firstLine).hasMatch();
}

bool isBlank(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

// One record's fields made into a clue and a puzzle; extra fields that are blank (a
// spreadsheet's empty columns) are allowed.
Record makeRecord(int line, QStringList fields) {
    Record r;
    r.line = line;
    while (fields.size() > 2 && fields.constLast().trimmed().isEmpty())
        fields.removeLast();
    r.clue = fields.value(0);
    r.puzzle = fields.value(1);
    if (fields.size() < 2)
        r.problem = QStringLiteral("there is no puzzle after the clue");
    else if (fields.size() > 2)
        r.problem = QStringLiteral("there are more than two fields");
    return r;
}

// RFC 4180 with the separator given, read leniently where a spreadsheet might stray: a quote
// inside an unquoted field, or text after a closing quote, is kept as it is. Line breaks inside
// a quoted field are removed as the add dialog removes them.
ListResult parseDelimited(const QString& text, QChar separator) {
    List list;
    qsizetype firstEnd = 0;
    while (firstEnd < text.size() && text[firstEnd] != u'\n' && text[firstEnd] != u'\r')
        ++firstEnd;
    const bool header = isHeader(QStringView(text).first(firstEnd));

    QStringList fields;
    QString field;
    bool quoted = false;  // inside a quoted field
    bool inField = false; // the record has begun
    int line = 1;
    int recordLine = 1;
    int quoteLine = 0;
    auto endRecord = [&] {
        fields.append(KazCreateMod::removeLineBreaks(field));
        field.clear();
        const bool skip = isBlank(fields) || (header && recordLine == 1);
        if (!skip)
            list.records.append(makeRecord(recordLine, fields));
        fields.clear();
        inField = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (!inField) {
            inField = true;
            recordLine = line;
        }
        const bool lineEnd = c == u'\n' || c == u'\r';
        if (lineEnd) {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i; // CR LF is one line end
            ++line;
            if (quoted) {
                field += u'\n'; // removed with the other line breaks when the field ends
                continue;
            }
            endRecord();
            continue;
        }
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == separator) {
            fields.append(KazCreateMod::removeLineBreaks(field));
            field.clear();
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted)
        return ListResult::failure(QStringLiteral("line %1: a quoted field is never closed").arg(quoteLine));
    if (inField)
        endRecord();
    return ListResult::success(std::move(list));
}

QString elementText(QXmlStreamReader& xml) {
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

void readInformation(QXmlStreamReader& xml, List& list) {
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == u"title" && list.title.isEmpty())
            list.title = elementText(xml).trimmed();
        else if (name == u"author" && list.author.isEmpty())
            list.author = elementText(xml).trimmed();
        else if (name == u"comment" && list.info.isEmpty())
            list.info = elementText(xml).trimmed();
        else
            xml.skipCurrentElement();
    }
}

Record readEntry(QXmlStreamReader& xml, int number) {
    Record r;
    r.line = number;
    QString secondText;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"translation") {
            xml.skipCurrentElement();
            continue;
        }
        const auto id = xml.attributes().value(QStringLiteral("id"));
        while (xml.readNextStartElement()) {
            const auto name = xml.name();
            if (id == u"0" && name == u"text")
                r.puzzle = elementText(xml);
            else if (id == u"0" && name == u"comment")
                r.clue = elementText(xml); // an empty <comment/> counts as none
            else if (id == u"1" && name == u"text")
                secondText = elementText(xml);
            else
                xml.skipCurrentElement();
        }
    }
    if (r.clue.trimmed().isEmpty())
        r.clue = secondText;
    return r;
}

ListResult parseKvtml(const QByteArray& bytes) {
    List list;
    list.fromKvtml = true;
    QXmlStreamReader xml(bytes);
    if (xml.readNextStartElement()) {
        if (xml.name() != u"kvtml")
            return ListResult::failure(
                QStringLiteral("it is not a KVTML word list (its first element is <%1>)").arg(xml.name()));
        int number = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"information") {
                readInformation(xml, list);
            } else if (xml.name() == u"entries") {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"entry")
                        list.records.append(readEntry(xml, ++number));
                    else
                        xml.skipCurrentElement();
                }
            } else {
                xml.skipCurrentElement();
            }
        }
        // Whatever follows the root must be well-formed too.
        while (!xml.atEnd())
            xml.readNext();
    }
    if (xml.hasError())
        return ListResult::failure(QStringLiteral("it is not valid XML (line %1, column %2: %3)")
                                       .arg(xml.lineNumber())
                                       .arg(xml.columnNumber())
                                       .arg(xml.errorString()));
    return ListResult::success(std::move(list));
}

QByteArray csvField(const QString& text) {
    static const QRegularExpression needsQuotes(QStringLiteral("[\",\r\n]|^\\s|\\s$"));
    if (!needsQuotes.match(text).hasMatch())
        return text.toUtf8();
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

} // namespace

Format formatFor(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"kvtml")
        return Format::Kvtml;
    if (suffix == u"csv")
        return Format::Csv;
    if (suffix == u"tsv" || suffix == u"txt")
        return Format::Tsv;
    QByteArray start = bytes.left(256);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    if (start.trimmed().startsWith('<'))
        return Format::Kvtml;
    const qsizetype lineEnd = bytes.indexOf('\n');
    return bytes.left(lineEnd < 0 ? bytes.size() : lineEnd).contains('\t') ? Format::Tsv : Format::Csv;
}

FileResult<List> parse(const QByteArray& bytes, Format format) {
    if (format == Format::Kvtml)
        return parseKvtml(bytes);
    const FileResult<QString> text = decodeText(bytes);
    if (!text.ok)
        return ListResult::failure(text);
    return parseDelimited(text.value, format == Format::Csv ? QChar(u',') : QChar(u'\t'));
}

FileResult<List> readFile(const QString& path) {
    const FileResult<QByteArray> bytes = SafeFile::read(path, MaxFileBytes);
    if (!bytes.ok)
        return ListResult::failure(bytes);
    return parse(bytes.value, formatFor(path, bytes.value));
}

QByteArray writeCsv(const QList<PuzzleEntry>& pairs) {
    QByteArray out = "Clue,Puzzle\r\n";
    for (const PuzzleEntry& p : pairs)
        out += csvField(p.Clue) + ',' + csvField(p.Puzzle) + "\r\n";
    return out;
}

FileResult<> writeCsvFile(const QString& path, const QList<PuzzleEntry>& pairs) {
    return SafeFile::write(path, writeCsv(pairs));
}

} // namespace WordList
