// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordList.h"

#include "AnsiText.h"
#include "KazCreateMod.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace WordList {

namespace {

using ListResult = FileResult<List>;

// UTF-16 when a byte-order mark says so (a spreadsheet's "Unicode Text", Notepad's
// "Unicode"); else UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), else
// Windows-1252, which every byte sequence is.
FileResult<QString> decodeText(const QByteArray& bytes) {
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        const QString text = utf16(QByteArrayView(bytes).sliced(2));
        if (utf16.hasError())
            return FileResult<QString>::failure(QCoreApplication::translate(
                "WordList", "it starts as UTF-16 text, but it is not valid UTF-16"));
        if (text.contains(QChar(0)))
            return FileResult<QString>::failure(QCoreApplication::translate(
                "WordList", "it holds a NUL character, so it is not a text file"));
        return FileResult<QString>::success(text);
    }
    if (bytes.contains('\0'))
        return FileResult<QString>::failure(
            QCoreApplication::translate("WordList", "it holds a NUL byte, so it is not a text file"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = AnsiText::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return FileResult<QString>::success(text);
}

// Extra fields that are blank (a spreadsheet's empty columns) are not fields.
QStringList withoutBlankTail(QStringList fields) {
    while (fields.size() > 2 && fields.constLast().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

// What a column's name says it holds. The term of a vocabulary list is what the pupil must
// find, so it is the puzzle, and its definition the clue.
enum class Role { None, Clue, Puzzle };
Role roleOf(const QString& name) {
    static const QStringList clues = {QStringLiteral("clue"), QStringLiteral("question"),
                                      QStringLiteral("definition"), QStringLiteral("meaning"),
                                      QStringLiteral("front")};
    static const QStringList puzzles = {QStringLiteral("puzzle"), QStringLiteral("answer"),
                                        QStringLiteral("term"), QStringLiteral("word"),
                                        QStringLiteral("back")};
    const QString n = name.trimmed().toLower();
    return clues.contains(n) ? Role::Clue : puzzles.contains(n) ? Role::Puzzle : Role::None;
}

// Where a record's clue and puzzle stand, and how many fields a record may have.
struct Columns {
    qsizetype clue = 0;
    qsizetype puzzle = 1;
    qsizetype fields = 2;
};

// A header names both columns; "Clue 1,Puzzle" is a pair. Named the other way round
// ("Answer,Question"), the columns are read that way.
std::optional<Columns> headerColumns(const QStringList& fields) {
    const QStringList f = withoutBlankTail(fields);
    if (f.size() != 2 || roleOf(f[0]) == Role::None || roleOf(f[1]) == Role::None)
        return std::nullopt;
    if (roleOf(f[0]) == Role::Puzzle && roleOf(f[1]) == Role::Clue)
        return Columns{1, 0, 2};
    return Columns{};
}

bool isBlank(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

// One record's fields made into a clue and a puzzle.
Record makeRecord(int line, const QStringList& allFields, const Columns& columns) {
    Record r;
    r.line = line;
    //: Where a record of a word list stands, as the import report names it: "line 3".
    r.place = QCoreApplication::translate("WordList", "line %1").arg(line);
    const QStringList fields = withoutBlankTail(allFields);
    r.clue = fields.value(columns.clue);
    r.puzzle = fields.value(columns.puzzle);
    if (fields.size() <= std::max(columns.clue, columns.puzzle))
        r.problem = columns.clue < columns.puzzle
                        ? QCoreApplication::translate("WordList", "there is no puzzle after the clue")
                        : QCoreApplication::translate("WordList", "there is no clue after the puzzle");
    else if (fields.size() > columns.fields)
        r.problem = columns.fields == 2
                        ? QCoreApplication::translate("WordList", "there are more than two fields")
                        : QCoreApplication::translate("WordList", "there are more than %1 fields")
                              .arg(columns.fields);
    return r;
}

// How a delimited file is to be read: from its header lines (Anki's "#key:value") and first line.
struct Dialect {
    QChar separator;
    bool html = false;
    std::optional<Columns> columns; // named by the file itself; else a header line may name them
    int firstLine = 1;              // the physical line the records start on
};

// RFC 4180 with the separator given, read leniently where a spreadsheet might stray: a quote
// inside an unquoted field, or text after a closing quote, is kept as it is. Line breaks inside
// a quoted field are removed as the add dialog removes them.
ListResult parseDelimited(QStringView text, const Dialect& dialect,
                          const std::function<void(Record&)>& clean) {
    const QChar separator = dialect.separator;
    Columns columns = dialect.columns.value_or(Columns{});
    List list;
    bool first = true; // no record that is not blank has ended yet
    QStringList fields;
    QString field;
    bool quoted = false;  // inside a quoted field
    bool inField = false; // the record has begun
    int line = dialect.firstLine;
    int recordLine = line;
    int quoteLine = 0;
    auto endRecord = [&] {
        fields.append(KazCreateMod::removeLineBreaks(field));
        field.clear();
        if (!isBlank(fields)) {
            const std::optional<Columns> header = first ? headerColumns(fields) : std::nullopt;
            if (header && !dialect.columns) {
                columns = *header;
            } else if (!header) {
                list.records.append(makeRecord(recordLine, fields, columns));
                clean(list.records.last());
            }
            first = false;
        }
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
        return ListResult::failure(
            QCoreApplication::translate("WordList", "line %1: a quoted field is never closed")
                .arg(quoteLine));
    if (inField)
        endRecord();
    return ListResult::success(std::move(list));
}

// HTML's named characters, which word lists written by hand carry and KVTML's external DTD
// would declare: Latin-1 from U+00A0 on, in order, then common typography. Decoded, they
// meet the letter rule like any character ("&eacute;" is refused as "é", "&nbsp;" is a blank).
constexpr const char* Latin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
constexpr struct {
    const char* name;
    char16_t c;
} OtherEntities[] = {{"OElig", 0x152},  {"oelig", 0x153},  {"Scaron", 0x160}, {"scaron", 0x161},
                     {"Yuml", 0x178},   {"ensp", 0x2002},  {"emsp", 0x2003},  {"thinsp", 0x2009},
                     {"zwnj", 0x200C},  {"zwj", 0x200D},   {"ndash", 0x2013}, {"mdash", 0x2014},
                     {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C},
                     {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"bull", 0x2022},  {"hellip", 0x2026},
                     {"euro", 0x20AC},  {"trade", 0x2122}};

// The character an HTML entity stands for, or nothing for a name HTML does not know.
std::optional<QChar> htmlEntity(QStringView name) {
    for (int i = 0; i < 96; ++i)
        if (name == QLatin1String(Latin1Entities[i]))
            return QChar(char16_t(0xA0 + i));
    for (const auto& e : OtherEntities)
        if (name == QLatin1String(e.name))
            return QChar(e.c);
    return std::nullopt;
}

// Qt bounds what one entity expands to, not the sum: a 4,000-letter entity named 100,000 times
// in a 300 KB file is 400 million characters, built before a single token reaches us. So when
// the DTD declares entities of its own, the whole file's text with every reference expanded
// is measured before Qt expands any. Markup and comments count too: the bound may only be high.
QString expansionProblem(const QXmlStreamReader& xml, const QByteArray& bytes) {
    QHash<QString, QString> values;
    for (const QXmlStreamEntityDeclaration& d : xml.entityDeclarations())
        if (d.systemId().isEmpty() && d.publicId().isEmpty())
            values.insert(d.name().toString(), d.value().toString());
    if (values.isEmpty())
        return QString();
    constexpr qint64 Over = MaxFileBytes + 1;
    QHash<QString, qint64> sizes; // each entity expanded, Over for more than the cap
    // Calls itself once for each level of entities naming entities, at most MaxKvtmlDepth deep.
    std::function<qint64(QStringView, int)> measure = [&](QStringView text, int depth) -> qint64 {
        qint64 total = 0;
        for (qsizetype i = 0; i < text.size() && total < Over; ++i) {
            // A name runs from "&" to ";"; any other mark ends it, so each character is read
            // at most twice.
            qsizetype end = i + 1;
            while (text[i] == u'&' && end < text.size() &&
                   !QStringView(u"&;<>\"' \t\r\n").contains(text[end]))
                ++end;
            const bool named = text[i] == u'&' && end < text.size() && text[end] == u';';
            const auto value =
                named ? values.constFind(text.sliced(i + 1, end - i - 1).toString()) : values.cend();
            if (value == values.cend()) {
                ++total; // a character, or a reference that expands to at most one
                continue;
            }
            auto size = sizes.constFind(value.key());
            if (size == sizes.cend()) {
                sizes.insert(value.key(), Over); // one that names itself is over
                size = sizes.insert(value.key(), depth < MaxKvtmlDepth ? measure(*value, depth + 1) : Over);
            }
            total += *size;
            i = end;
        }
        return std::min(total, Over);
    };
    // Measured in the text Qt reads: the encoding of its byte-order mark, else its declaration.
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes, u'<');
    QStringDecoder decoder = encoding
                                 ? QStringDecoder(*encoding)
                                 : QStringDecoder(xml.documentEncoding().toString().toLatin1().constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    if (measure(QString(decoder(bytes)), 0) < Over)
        return QString();
    return QCoreApplication::translate("WordList", "its entities would expand to more than %1 MiB of text")
        .arg(MaxFileBytes / (1024 * 1024));
}

// Text as KVTML information or a pair's field: the characters of the element and of every
// element inside it, and the first entity reference that could not be read.
struct Field {
    QString text;
    QString unread; // "&name;"
};

enum class Target { None, Title, Author, Comment, Text0, Comment0, Text1 };

bool isInformation(Target t) {
    return t == Target::Title || t == Target::Author || t == Target::Comment;
}

// The open elements: how many, and the names of the outer five, all that KVTML's own
// structure needs. The names are copied, as the reader's views die when it moves on.
struct Path {
    int depth = 0;
    std::array<QString, 5> names;
    bool at(int level, QStringView name) const {
        return level < depth && level < int(names.size()) && names[level] == name;
    }
    bool inEntry() const { return at(1, u"entries") && at(2, u"entry"); }
};

Target targetOf(const Path& path, const QString& translationId) {
    if (path.depth == 3 && path.at(1, u"information"))
        return path.at(2, u"title")     ? Target::Title
               : path.at(2, u"author")  ? Target::Author
               : path.at(2, u"comment") ? Target::Comment
                                        : Target::None;
    if (path.depth != 5 || !path.inEntry() || !path.at(3, u"translation"))
        return Target::None;
    if (translationId == u"0")
        return path.at(4, u"text") ? Target::Text0 : path.at(4, u"comment") ? Target::Comment0 : Target::None;
    return translationId == u"1" && path.at(4, u"text") ? Target::Text1 : Target::None;
}

// The information as the set may hold it: at most 255 characters, and the note when cut.
QString information(const Field& f, const QString& cutNote, QStringList& notes) {
    QString text = f.text.trimmed();
    if (text.size() > KazCreateMod::InfoMaxLength) {
        text.truncate(KazCreateMod::InfoMaxLength -
                      (text[KazCreateMod::InfoMaxLength].isLowSurrogate() ? 1 : 0));
        notes << cutNote.arg(KazCreateMod::InfoMaxLength);
    }
    return text;
}

// One pass over the tokens with the open elements counted, so that nothing recurses however
// deep a file nests; attributes are copied, as the reader's views die when it moves on.
ListResult parseKvtml(const QByteArray& bytes) {
    List list;
    list.fromKvtml = true;
    QXmlStreamReader xml(bytes);
    Path path;
    QString translationId;
    Target target = Target::None;
    Field field, title, author, comment, text0, comment0, text1;
    QString entryId;
    int entries = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (const QString problem = expansionProblem(xml, bytes); !problem.isEmpty())
                return ListResult::failure(problem);
            break;
        case QXmlStreamReader::StartElement: {
            if (path.depth >= MaxKvtmlDepth)
                return ListResult::failure(
                    QCoreApplication::translate("WordList", "line %1: elements are nested more than %2 deep")
                        .arg(xml.lineNumber())
                        .arg(MaxKvtmlDepth));
            if (path.depth < int(path.names.size()))
                path.names[path.depth] = xml.name().toString();
            ++path.depth;
            if (path.depth == 1 && !path.at(0, u"kvtml"))
                return ListResult::failure(
                    QCoreApplication::translate("WordList",
                                                "it is not a KVTML word list (its first element is <%1>)")
                        .arg(path.names[0]));
            if (target != Target::None || path.depth > 5)
                break; // inside a text its elements' characters are part of it; deeper is not KVTML's
            const auto id = [&] { return xml.attributes().value(QStringLiteral("id")).toString(); };
            if (path.depth == 3 && path.inEntry()) {
                ++entries;
                entryId = id();
                text0 = comment0 = text1 = Field();
            } else if (path.depth == 4 && path.at(3, u"translation")) {
                translationId = id();
            }
            target = targetOf(path, translationId);
            field = Field();
            break;
        }
        case QXmlStreamReader::EndElement:
            if (target != Target::None && path.depth == (isInformation(target) ? 3 : 5)) {
                switch (target) {
                case Target::Title:
                    title = title.text.trimmed().isEmpty() ? field : title;
                    break;
                case Target::Author:
                    author = author.text.trimmed().isEmpty() ? field : author;
                    break;
                case Target::Comment:
                    comment = comment.text.trimmed().isEmpty() ? field : comment;
                    break;
                case Target::Text0:
                    text0 = field;
                    break;
                case Target::Comment0:
                    comment0 = field;
                    break;
                case Target::Text1:
                    text1 = field;
                    break;
                case Target::None:
                    break;
                }
                target = Target::None;
            }
            if (path.depth == 3 && path.inEntry()) {
                Record r;
                bool numbered = false;
                entryId.toUInt(&numbered);
                //: A KVTML word list's entry, by its id or else by its position: "entry 7".
                r.place = numbered
                              ? QCoreApplication::translate("WordList", "entry %1").arg(entryId.trimmed())
                              : QCoreApplication::translate("WordList", "entry at position %1").arg(entries);
                // An empty <comment/> counts as none, one that could not be read does not.
                const Field& clue =
                    comment0.text.trimmed().isEmpty() && comment0.unread.isEmpty() ? text1 : comment0;
                r.clue = clue.text;
                r.puzzle = text0.text;
                for (const Field* f : {&clue, static_cast<const Field*>(&text0)})
                    if (r.problem.isEmpty() && !f->unread.isEmpty())
                        r.problem = QCoreApplication::translate("WordList",
                                                                "the entity %1 is not defined in the file")
                                        .arg(f->unread);
                list.records.append(r);
            }
            path.depth = std::max(path.depth - 1, 0);
            break;
        case QXmlStreamReader::Characters:
            if (target != Target::None)
                field.text += xml.text();
            break;
        case QXmlStreamReader::EntityReference:
            // Only a file whose DTD lies elsewhere has these; the DTD is not read.
            if (target != Target::None) {
                const QString name = xml.name().toString();
                if (const std::optional<QChar> c = htmlEntity(name)) {
                    field.text += *c;
                } else {
                    if (field.unread.isEmpty())
                        field.unread = u'&' + name + u';';
                    if (isInformation(target))
                        field.text += u'&' + name + u';'; // information keeps what it cannot read
                }
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return ListResult::failure(
            QCoreApplication::translate("WordList", "it is not valid XML (line %1, column %2: %3)")
                .arg(xml.lineNumber())
                .arg(xml.columnNumber())
                .arg(xml.errorString()));
    list.title = information(
        title, QCoreApplication::translate("WordList", "The title was cut to %1 characters."), list.notes);
    list.author = information(
        author, QCoreApplication::translate("WordList", "The author was cut to %1 characters."), list.notes);
    list.info =
        information(comment, QCoreApplication::translate("WordList", "The comment was cut to %1 characters."),
                    list.notes);
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

// An Anki field with HTML as plain text: a line break or the end of a block is a blank, other
// tags go, and character references are decoded. The first reference HTML does not know is
// returned, and the field is not used.
std::optional<QString> htmlAsText(QString& text) {
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*>"));
    static const QStringList blocks = {QStringLiteral("br"), QStringLiteral("div"), QStringLiteral("p"),
                                       QStringLiteral("li"), QStringLiteral("tr"),  QStringLiteral("td"),
                                       QStringLiteral("h1"), QStringLiteral("h2"),  QStringLiteral("h3"),
                                       QStringLiteral("h4"), QStringLiteral("h5"),  QStringLiteral("h6")};
    QString plain;
    qsizetype from = 0;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        plain += QStringView(text).sliced(from, m.capturedStart() - from);
        const QString name = m.captured(2).toLower();
        if (name == u"br" || (!m.captured(1).isEmpty() && blocks.contains(name)))
            plain += u' ';
        from = m.capturedEnd();
    }
    plain += QStringView(text).sliced(from);

    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z][A-Za-z0-9]*);"));
    static const QHash<QString, QChar> markup = {{QStringLiteral("amp"), u'&'},
                                                 {QStringLiteral("lt"), u'<'},
                                                 {QStringLiteral("gt"), u'>'},
                                                 {QStringLiteral("quot"), u'"'},
                                                 {QStringLiteral("apos"), u'\''}};
    text.clear();
    from = 0;
    for (auto it = reference.globalMatch(plain); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += QStringView(plain).sliced(from, m.capturedStart() - from);
        const QString name = m.captured(1);
        if (name.startsWith(u'#')) {
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            // A character beyond Unicode, or none at all, stands as written and meets the letter rule.
            if (code == 0 || code > 0x10FFFF || QChar::isSurrogate(code))
                text += m.captured(0);
            else
                text += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else if (const auto c = markup.value(name); !c.isNull()) {
            text += c;
        } else if (const std::optional<QChar> named = htmlEntity(name)) {
            text += *named;
        } else {
            return m.captured(0);
        }
        from = m.capturedEnd();
    }
    text += QStringView(plain).sliced(from);
    return std::nullopt;
}

// Anki's text export opens with lines such as "#separator:tab", "#html:true" and
// "#columns:Front	Back"; they describe the file and are not pairs. Without them, the first line
// tells a spreadsheet's semicolons from commas.
FileResult<Dialect> dialectOf(QStringView text, QChar separator) {
    Dialect d;
    d.separator = separator;
    QString columns;
    QHash<QString, int> metaColumns; // "tags column:3" and the like: 1-based columns to leave out
    static const QRegularExpression meta(QStringLiteral("^#([A-Za-z][A-Za-z ]*):(.*)$"));
    qsizetype at = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u'\n', at);
        const QString line = text.sliced(at, (end < 0 ? text.size() : end) - at).toString().remove(u'\r');
        const QRegularExpressionMatch m = meta.match(line);
        if (!m.hasMatch())
            break;
        const QString key = m.captured(1).trimmed().toLower();
        const QString value = m.captured(2).trimmed();
        if (key == u"separator") {
            static const QHash<QString, QChar> names = {{QStringLiteral("tab"), u'\t'},
                                                        {QStringLiteral("comma"), u','},
                                                        {QStringLiteral("semicolon"), u';'},
                                                        {QStringLiteral("pipe"), u'|'},
                                                        {QStringLiteral("space"), u' '}};
            const QString v = m.captured(2); // a blank is a separator too
            if (names.contains(v.trimmed().toLower()))
                d.separator = names.value(v.trimmed().toLower());
            else if (v.size() == 1)
                d.separator = v[0];
            else
                return FileResult<Dialect>::failure(
                    QCoreApplication::translate("WordList", "line %1: \"%2\" names no separator")
                        .arg(d.firstLine)
                        .arg(v));
        } else if (key == u"html") {
            d.html = value.compare(u"true", Qt::CaseInsensitive) == 0;
        } else if (key == u"columns") {
            columns = m.captured(2);
        } else if (key.endsWith(u" column")) {
            metaColumns.insert(key, value.toInt());
        }
        ++d.firstLine;
        if (end < 0)
            return FileResult<Dialect>::success(d);
        at = end + 1;
    }
    if (!columns.isEmpty()) {
        const QStringList names = columns.split(d.separator);
        // Front and Back (or any pair of names a header may use) where the file puts them;
        // names the game does not know leave the first two columns.
        qsizetype clue = -1, puzzle = -1;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (roleOf(names[i]) == Role::Clue && clue < 0)
                clue = i;
            else if (roleOf(names[i]) == Role::Puzzle && puzzle < 0)
                puzzle = i;
        }
        d.columns = clue >= 0 && puzzle >= 0 ? Columns{clue, puzzle, std::max<qsizetype>(names.size(), 2)}
                                             : Columns{0, 1, std::max<qsizetype>(names.size(), 2)};
    } else if (!metaColumns.isEmpty()) {
        // Deck, note type, tags and the like take columns of their own; the first two others
        // are the front and the back.
        Columns c;
        QList<qsizetype> free;
        qsizetype most = 0;
        for (const int column : metaColumns)
            most = std::max<qsizetype>(most, column);
        for (qsizetype i = 0; free.size() < 2; ++i)
            if (!metaColumns.values().contains(int(i + 1)))
                free << i;
        c.clue = free[0];
        c.puzzle = free[1];
        c.fields = std::max({most, c.puzzle + 1, qsizetype(2)});
        d.columns = c;
    }
    if (d.firstLine == 1 && separator == u',') {
        // The first line's separators outside quotes: more semicolons than commas is a
        // spreadsheet's CSV from a locale where the comma is the decimal sign.
        qsizetype commas = 0, semicolons = 0;
        bool quoted = false;
        for (const QChar c : text.first(text.indexOf(u'\n') < 0 ? text.size() : text.indexOf(u'\n'))) {
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && c == u',')
                ++commas;
            else if (!quoted && c == u';')
                ++semicolons;
        }
        if (semicolons > commas)
            d.separator = u';';
    }
    return FileResult<Dialect>::success(d);
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
    else if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        start = decodeText(start.chopped(start.size() % 2)).value.toUtf8();
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
    const FileResult<Dialect> dialect =
        dialectOf(text.value, format == Format::Csv ? QChar(u',') : QChar(u'\t'));
    if (!dialect.ok)
        return ListResult::failure(dialect);
    // Records start after the header lines; their line numbers stay the file's own.
    qsizetype start = 0;
    for (int i = 1; i < dialect.value.firstLine; ++i)
        start = text.value.indexOf(u'\n', start) + 1;
    return parseDelimited(QStringView(text.value).sliced(start), dialect.value, [&](Record& r) {
        if (!dialect.value.html || !r.problem.isEmpty())
            return;
        for (QString* field : {&r.clue, &r.puzzle})
            if (const std::optional<QString> unknown = htmlAsText(*field)) {
                r.problem = QCoreApplication::translate("WordList", "the entity %1 is not one HTML knows")
                                .arg(*unknown);
                return;
            }
    });
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
