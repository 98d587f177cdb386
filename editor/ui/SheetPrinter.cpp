// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetPrinter.h"

#include "SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace SheetPrinter {

namespace {
using SheetLayout::Style;

QFont fontFor(Style style) {
    // Times New Roman is Liberation Serif here; the board's dashes line up in a fixed-width face.
    QFont font(style == Style::Board ? QStringLiteral("Courier New") : QStringLiteral("Times New Roman"));
    font.setStyleHint(style == Style::Board ? QFont::Monospace : QFont::Serif);
    switch (style) {
    case Style::Title:
        font.setPointSizeF(20);
        font.setBold(true);
        break;
    case Style::Byline:
        font.setPointSizeF(13);
        font.setItalic(true);
        break;
    case Style::Clue:
        font.setPointSizeF(12);
        font.setBold(true);
        break;
    case Style::Board:
        font.setPointSizeF(14);
        break;
    default:
        font.setPointSizeF(12);
    }
    return font;
}

// Indent of a line, in points, so puzzles stand under their clues.
double indentFor(Style style) {
    return style == Style::Answer || style == Style::Board ? 24.0 : 0.0;
}

constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
} // namespace

QPageSize localePageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

bool paint(QPagedPaintDevice& device, SheetLayout::Kind kind, const GameSet& set) {
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double dpi = device.logicalDpiY();
    const double pt = dpi / 72.0; // device units per point
    const QRectF page(0, 0, device.width(), device.height());
    const QFont footFont = fontFor(Style::Info);
    const double footHeight = QFontMetricsF(footFont, &device).height() * 2;
    const double bodyHeight = page.height() - footHeight;
    const double gap = 10 * pt; // between items

    // Measure every line as it will be drawn, cut what cannot fit a page, then break the pages.
    const auto measure = [&](const SheetLayout::Line& line) -> double {
        if (line.text.isEmpty())
            return 0;
        const QFontMetricsF m(fontFor(line.style), &device);
        const double width = page.width() - indentFor(line.style) * pt;
        return m.boundingRect(QRectF(0, 0, width, 1e9), Flags, line.text).height() + 2 * pt;
    };
    const QList<SheetLayout::Item> items =
        SheetLayout::flow(SheetLayout::items(kind, set), bodyHeight - gap, measure);
    QList<QList<double>> lineHeights;
    QList<double> itemHeights;
    for (const SheetLayout::Item& item : items) {
        QList<double> heights;
        double total = gap;
        for (const SheetLayout::Line& line : item) {
            heights.append(measure(line));
            total += heights.last();
        }
        lineHeights.append(heights);
        itemHeights.append(total);
    }
    const QList<int> starts = SheetLayout::pageStarts(itemHeights, bodyHeight);
    const int pages = int(starts.size());
    for (int n = 0; n < pages; ++n) {
        if (n > 0 && !device.newPage())
            return false;
        const int end = n + 1 < pages ? starts[n + 1] : int(items.size());
        double y = 0;
        for (int i = starts[n]; i < end; ++i) {
            for (qsizetype l = 0; l < items[i].size(); ++l) {
                const SheetLayout::Line& line = items[i][l];
                if (line.text.isEmpty())
                    continue;
                p.setFont(fontFor(line.style));
                const double indent = indentFor(line.style) * pt;
                p.drawText(QRectF(indent, y, page.width() - indent, lineHeights[i][l]), Flags, line.text);
                y += lineHeights[i][l];
            }
            y += gap;
        }
        p.setFont(footFont);
        p.drawText(QRectF(0, page.height() - footHeight / 2, page.width(), footHeight / 2),
                   Qt::AlignHCenter | Qt::AlignTop, SheetLayout::footer(n + 1, pages));
    }
    return p.end();
}

QByteArray pdf(SheetLayout::Kind kind, const GameSet& set) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageSize(localePageSize());
        writer.setPageMargins(QMarginsF(20, 20, 20, 15), QPageLayout::Millimeter);
        writer.setTitle(set.title + QStringLiteral(" - ") +
                        (kind == SheetLayout::Kind::AnswerKey ? SheetLayout::AnswerKeyName()
                                                              : SheetLayout::WorksheetName()));
        writer.setCreator(QStringLiteral("KazCreate"));
        if (!paint(writer, kind, set))
            return QByteArray();
    } // the writer finishes the document when it goes
    return buffer.data();
}

FileResult<> writePdf(const QString& path, SheetLayout::Kind kind, const GameSet& set) {
    const QByteArray bytes = pdf(kind, set);
    if (bytes.isEmpty())
        return FileResult<>::failure(
            QCoreApplication::translate("SheetPrinter", "the pages could not be drawn"));
    return SafeFile::write(path, bytes);
}

} // namespace SheetPrinter
