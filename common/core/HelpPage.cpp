// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpPage.h"

#include "SafeFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace HelpPage {

namespace {

bool isOneOf(const QByteArray& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

bool isVoid(const QByteArray& name) {
    return isOneOf(name, {"area", "base", "basefont", "br", "col", "embed", "frame", "hr", "img", "input",
                          "keygen", "link", "meta", "param", "source", "track", "wbr"});
}

// Elements whose content is text up to their own end tag, never markup.
bool holdsRawText(const QByteArray& name) {
    return isOneOf(name, {"script", "style", "title", "textarea", "xmp"});
}

// Opening one of these ends an open p, as in a browser.
bool closesParagraph(const QByteArray& name) {
    return isOneOf(name, {"address",  "article", "aside",   "blockquote", "center", "div", "dl",
                          "fieldset", "figure",  "footer",  "form",       "h1",     "h2",  "h3",
                          "h4",       "h5",      "h6",      "header",     "menu",   "nav", "ol",
                          "p",        "pre",     "section", "table",      "ul"});
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isNameChar(char c) {
    return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '_';
}

// Inline elements leave a word whole: "un<b>break</b>able" is one word to the layout.
bool isInline(const QByteArray& name) {
    return isOneOf(name,
                   {"a", "abbr", "b",     "big",  "cite",   "code",   "em",  "font", "i",  "img", "kbd", "q",
                    "s", "samp", "small", "span", "strike", "strong", "sub", "sup",  "tt", "u",   "var"});
}

// Attributes whose values are names or text, not sizes.
bool isTextAttribute(const QByteArray& name) {
    return isOneOf(name, {"href", "name", "id", "src", "alt", "title", "class", "lang", "content",
                          "http-equiv", "charset"});
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

class Scanner {
public:
    explicit Scanner(QByteArrayView html) : html_(html) {}

    QString run() {
        const qsizetype n = html_.size();
        qsizetype i = 0;
        while (i < n) {
            qsizetype lt = html_.indexOf('<', i);
            if (lt < 0)
                lt = n;
            if (const QString why = text(i, lt); !why.isEmpty())
                return why;
            if (lt == n)
                break;
            i = lt + 1;
            if (html_.sliced(i).startsWith("!--")) {
                const qsizetype end = html_.indexOf("-->", i + 3);
                i = end < 0 ? n : end + 3;
                continue;
            }
            if (i < n && (html_[i] == '!' || html_[i] == '?')) {
                const qsizetype end = html_.indexOf('>', i);
                i = end < 0 ? n : end + 1;
                continue;
            }
            const bool closing = i < n && html_[i] == '/';
            if (closing)
                ++i;
            if (i >= n || !isLetter(html_[i]))
                continue; // a bare "<" in the text
            const qsizetype nameStart = i;
            while (i < n && isNameChar(html_[i]))
                ++i;
            const QByteArray name = html_.sliced(nameStart, i - nameStart).toByteArray().toLower();
            Tag tag;
            i = attributes(i, tag);
            if (!tag.refusal.isEmpty())
                return tag.refusal;
            if (!isInline(name))
                word_ = 0;
            if (closing) {
                close(name);
                continue;
            }
            if (const QString why = open(name, tag); !why.isEmpty())
                return why;
            if (holdsRawText(name)) {
                const qsizetype end = indexOfEndTag(name, i);
                i = end < 0 ? n : end;
            }
        }
        return QString();
    }

private:
    struct Tag {
        bool selfClosing = false;
        qint64 span = 1; // colspan times rowspan
        QString refusal;
    };

    // Text between tags: no word longer than the layout copes with.
    QString text(qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k) {
            if (isBlank(html_[k]))
                word_ = 0;
            else if (++word_ > MaxWordLength)
                return QCoreApplication::translate("HelpPage", "it holds a word longer than %1 characters")
                    .arg(MaxWordLength);
        }
        return QString();
    }

    // Reads the attributes up to the tag's ">" and returns the index after it. A size (any
    // attribute but a name, a link or a text) of more digits than MaxSizeDigits is refused.
    qsizetype attributes(qsizetype i, Tag& tag) {
        const qsizetype n = html_.size();
        while (i < n) {
            while (i < n && isBlank(html_[i]))
                ++i;
            if (i >= n)
                break;
            if (html_[i] == '>')
                return i + 1;
            if (html_[i] == '/') {
                tag.selfClosing = i + 1 < n && html_[i + 1] == '>';
                ++i;
                continue;
            }
            const qsizetype nameStart = i;
            while (i < n && !isBlank(html_[i]) && html_[i] != '=' && html_[i] != '>' && html_[i] != '/')
                ++i;
            const QByteArray name = html_.sliced(nameStart, i - nameStart).toByteArray().toLower();
            while (i < n && isBlank(html_[i]))
                ++i;
            if (i >= n || html_[i] != '=')
                continue;
            ++i;
            while (i < n && isBlank(html_[i]))
                ++i;
            qsizetype valueStart = i;
            qsizetype valueEnd = i;
            if (i < n && (html_[i] == '"' || html_[i] == '\'')) {
                const qsizetype close = html_.indexOf(html_[i], i + 1);
                valueStart = i + 1;
                valueEnd = close < 0 ? n : close;
                i = close < 0 ? n : close + 1;
            } else {
                while (i < n && !isBlank(html_[i]) && html_[i] != '>')
                    ++i;
                valueEnd = i;
            }
            if (!isTextAttribute(name))
                value(name, html_.sliced(valueStart, valueEnd - valueStart), tag);
        }
        return n;
    }

    void value(const QByteArray& name, QByteArrayView v, Tag& tag) {
        int digits = 0;
        for (char c : v) {
            digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
            if (digits > MaxSizeDigits) {
                tag.refusal =
                    QCoreApplication::translate("HelpPage", "it holds a size of more than %1 digits")
                        .arg(MaxSizeDigits);
                return;
            }
        }
        if (name == "colspan" || name == "rowspan")
            tag.span *= std::max(1, v.trimmed().toByteArray().toInt());
    }

    qsizetype indexOfEndTag(const QByteArray& name, qsizetype from) const {
        const QByteArray end = "</" + name;
        for (qsizetype at = html_.indexOf("</", from); at >= 0; at = html_.indexOf("</", at + 2))
            if (html_.sliced(at).size() >= end.size() &&
                html_.sliced(at, end.size()).toByteArray().toLower() == end)
                return at;
        return -1;
    }

    // Where the open element named one of `names` stands, searching down from the top and
    // stopping at the first of `bounds`; -1 when none is open there.
    qsizetype openIndex(std::initializer_list<const char*> names,
                        std::initializer_list<const char*> bounds) const {
        for (qsizetype k = stack_.size() - 1; k >= 0; --k) {
            if (isOneOf(stack_[k], names))
                return k;
            if (isOneOf(stack_[k], bounds))
                return -1;
        }
        return -1;
    }

    void closeFrom(qsizetype k) {
        if (k >= 0)
            stack_.resize(k);
    }

    void close(const QByteArray& name) {
        // An end tag with nothing of its name open is ignored, as a browser ignores it.
        for (qsizetype k = stack_.size() - 1; k >= 0; --k)
            if (stack_[k] == name) {
                stack_.resize(k);
                return;
            }
    }

    QString open(const QByteArray& name, const Tag& tag) {
        // Every element costs layout time, a picture or a line break too.
        if (++elements_ > MaxElements)
            return QCoreApplication::translate("HelpPage", "it holds more than %1 elements").arg(MaxElements);
        if ((name == "td" || name == "th") && (cells_ += tag.span) > MaxCells)
            return QCoreApplication::translate("HelpPage", "its tables hold more than %1 cells")
                .arg(MaxCells);
        if (isVoid(name) || tag.selfClosing)
            return QString();

        // What a browser closes for itself. Each search stops at the element that bounds it
        // (a table bounds everything), so a closed element was really open in the same place.
        if (closesParagraph(name))
            closeFrom(openIndex({"p"}, {"table", "td", "th", "caption", "button", "html"}));
        if (name == "li")
            closeFrom(openIndex({"li"}, {"ul", "ol", "menu", "table", "td", "th", "caption", "html"}));
        else if (name == "dt" || name == "dd")
            closeFrom(openIndex({"dt", "dd"}, {"dl", "table", "td", "th", "caption", "html"}));
        else if (name == "td" || name == "th")
            closeFrom(openIndex({"td", "th"}, {"tr", "table", "html"}));
        else if (name == "tr")
            closeFrom(openIndex({"tr"}, {"tbody", "thead", "tfoot", "table", "html"}));
        else if (name == "tbody" || name == "thead" || name == "tfoot")
            closeFrom(openIndex({"tbody", "thead", "tfoot"}, {"table", "html"}));

        if (name == "table") {
            if (++tables_ > MaxTables)
                return QCoreApplication::translate("HelpPage", "it holds more than %1 tables").arg(MaxTables);
            if (stack_.count(name) + 1 > MaxTableDepth)
                return QCoreApplication::translate("HelpPage", "its tables are nested more than %1 deep")
                    .arg(MaxTableDepth);
        }
        if ((name == "ul" || name == "ol" || name == "dl") && ++lists_ > MaxLists)
            return QCoreApplication::translate("HelpPage", "it holds more than %1 lists").arg(MaxLists);
        stack_.append(name);
        if (stack_.size() > MaxDepth)
            return QCoreApplication::translate("HelpPage", "its elements are nested more than %1 deep")
                .arg(MaxDepth);
        return QString();
    }

    QByteArrayView html_;
    QList<QByteArray> stack_; // the open elements, outermost first; never over MaxDepth + 1
    int elements_ = 0;
    int tables_ = 0;
    qint64 cells_ = 0;
    int lists_ = 0;
    int word_ = 0; // characters of the word the text has reached
};

} // namespace

QString refusal(QByteArrayView html) {
    if (html.size() > MaxBytes)
        return QCoreApplication::translate("HelpPage", "the file is larger than %1 KiB").arg(MaxBytes / 1024);
    return Scanner(html).run();
}

FileResult<QString> read(const QString& path) {
    // One byte past the limit is enough to know the page is too large.
    const FileResult<QByteArray> bytes = SafeFile::read(path, MaxBytes + 1, SafeFile::Longer::ReadStart);
    if (!bytes.ok)
        return FileResult<QString>::failure(bytes);
    if (const QString why = refusal(bytes.value); !why.isEmpty())
        return FileResult<QString>::failure(why);
    return FileResult<QString>::success(QString::fromUtf8(bytes.value));
}

} // namespace HelpPage
