// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a fuzz target over files instead of under libFuzzer: every file named, and every file in
// every folder named, once, in name order. A failing input aborts the run with the target's
// message, after the name of the file that caused it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
int replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return -1;
    }
    const QByteArray bytes = file.readAll();
    std::fprintf(stderr, "replaying %s\n", qPrintable(path));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int count = 0;
    for (const QString& arg : app.arguments().mid(1)) {
        const QFileInfo info(arg);
        if (info.isDir()) {
            const QDir dir(arg);
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
                const int n = replay(dir.filePath(name));
                if (n < 0)
                    return 1;
                count += n;
            }
        } else {
            const int n = replay(arg);
            if (n < 0)
                return 1;
            count += n;
        }
    }
    std::printf("%d inputs replayed without a failure\n", count);
    return count > 0 ? 0 : 1;
}
