// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Small file helpers the tests share: a file's bytes, written or read whole.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TestFiles {
// The file's bytes, or nothing when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// Writes exactly these bytes; false when that failed.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace TestFiles
