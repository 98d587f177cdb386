// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnsiText.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// Built once from Qt's own decoder, so both directions agree byte for byte and encoding
// never depends on how a converter reports characters it cannot map.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;

    Tables() {
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            // Fall back to Latin-1 where the decoder has no answer (the five unassigned bytes).
            const char16_t u = (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                                   ? s.at(0).unicode()
                                   : static_cast<char16_t>(b);
            toUnicode[b] = u;
            fromUnicode.insert(u, static_cast<unsigned char>(b));
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

QByteArray AnsiText::encode(const QString& text) {
    const Tables& t = tables();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the code page, one "?"
            out.append('?');
            continue;
        }
        auto it = t.fromUnicode.constFind(c.unicode());
        out.append(it == t.fromUnicode.constEnd() ? '?' : static_cast<char>(it.value()));
    }
    return out;
}

QString AnsiText::decode(const QByteArray& bytes) {
    const Tables& t = tables();
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(QChar(t.toUnicode[static_cast<unsigned char>(b)]));
    return out;
}
