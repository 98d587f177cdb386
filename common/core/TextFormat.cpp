// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextFormat.h"

#include <QLocale>

QString TextFormat::generalNumber(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    return locale.toString(value, 'g', 15);
}

QString TextFormat::shortDate(const QDate& date) {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // Locales that abbreviate the year to two digits would make 1999 and 2099 look alike.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale().toString(date, format);
}

QString TextFormat::trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}
