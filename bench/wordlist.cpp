// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Word-list benchmark: importing a KVTML file of 5,000 entries from disk (the set stops at 101
// pairs, the rest are refused as full) and writing the answer key and the worksheet of a
// 101-pair set as PDF. Prints the median of each; the goals are under 100 ms for the import
// and under 500 ms for a PDF. Offscreen, no window.
#include "WordList.h"
#include "ImportRules.h"
#include "SheetPrinter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
template <typename F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(times);
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><information>"
                     "<title>Big list</title></information><entries>\n";
    // Digits are refused on import, so each word is numbered in letters.
    const auto letters = [](int i) {
        QByteArray word;
        do
            word += char('a' + i % 26);
        while ((i /= 26) > 0);
        return word;
    };
    for (int i = 0; i < 5000; ++i)
        xml += "<entry id=\"" + QByteArray::number(i) +
               "\"><inactive>false</inactive><translation id=\"0\"><text>word number " + letters(i) +
               "</text><comment>A clue for a word</comment></translation></entry>\n";
    xml += "</entries></kvtml>\n";
    const QString path = dir.filePath("big.kvtml");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(xml) != xml.size())
        return 1;
    f.close();

    qsizetype added = 0;
    const double importMs = medianMs(15, [&] {
        const auto list = WordList::readFile(path);
        added = ImportRules::apply(list.value, 0).added.size();
    });
    GameSet set{QStringLiteral("Big list"), QStringLiteral("Bench"), {}, QStringLiteral("101 pairs"), {}};
    for (int i = 0; i < MaxPuzzles; ++i)
        set.pairs.append({QStringLiteral("A clue for pair %1").arg(i + 1),
                          QStringLiteral("The puzzle that goes with it")});
    const double keyMs = medianMs(
        9, [&] { SheetPrinter::writePdf(dir.filePath("key.pdf"), SheetLayout::Kind::AnswerKey, set); });
    const double sheetMs = medianMs(
        9, [&] { SheetPrinter::writePdf(dir.filePath("ws.pdf"), SheetLayout::Kind::Worksheet, set); });
    std::printf("Word-list import, 5,000-entry KVTML (%lld pairs added): median %.1f ms (goal < 100 ms)\n",
                static_cast<long long>(added), importMs);
    std::printf(
        "PDF of a 101-pair set: answer key median %.1f ms, worksheet median %.1f ms (goal < 500 ms)\n", keyMs,
        sheetMs);
    return importMs < 100 && keyMs < 500 && sheetMs < 500 ? 0 : 1;
}
