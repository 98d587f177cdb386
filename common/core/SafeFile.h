// The one place where either program touches a file's bytes. Everything else (game sets,
// the high-score table, help files) reads and writes through here, so that every file gets
// the same care:
//  - a read opens without blocking and refuses anything but a regular file (a FIFO, a device,
//    a folder, a socket) at once, and checks the size before reading a byte;
//  - a write goes to a temporary file beside the target, checks every write, the flush to
//    disk and the close, and only then renames it over the target; on any failure the old
//    file stays byte for byte and the temporary file is removed;
//  - a temporary file left by a killed program is cleared by the next save in that folder;
//  - failures carry the system's own reason ("No space left on device").
// Qt Core only, so that fuzzers and stress tests can link it without any window.
#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

namespace SafeFile {

// What a read does with a file longer than it takes.
enum class Longer {
    Refuse,   // a failure: the file is larger than the limit
    ReadStart // the first maxBytes bytes, the rest unread
};

// Reads a regular file of at most maxBytes bytes.
FileResult<QByteArray> read(const QString& path, qint64 maxBytes, Longer longer = Longer::Refuse);

// Replaces the file with exactly these bytes, or leaves it as it was. A target that exists
// but is not a regular file is refused; a link to a regular file writes that file.
FileResult<> write(const QString& path, const QByteArray& bytes);

// Makes a folder and any missing folders above it; the system's reason when it cannot.
FileResult<> makeFolders(const QString& folder);

// "It is a folder", "It is a named pipe (FIFO)", ... for a path that exists but is not a
// regular file; empty for a regular file or a path that does not exist.
QString notRegularReason(const QString& path);

// Our temporary files in a folder whose writer is no longer running; each save clears them.
void removeStaleTemporaries(const QString& folder);

} // namespace SafeFile
