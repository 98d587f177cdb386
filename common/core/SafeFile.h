// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where either program touches a file's bytes. Everything else (game sets,
// the high-score table, help files) reads and writes through here, so that every file gets
// the same care:
//  - a read opens without blocking and refuses anything but a regular file (a FIFO, a device,
//    a folder, a socket) at once, and checks the size before reading a byte;
//  - a write goes to a temporary file beside the target, checks every write, the flush to
//    disk and the close, and only then renames it over the target; on any failure the old
//    file stays byte for byte and the temporary file is removed;
//  - a temporary file left by a killed program is cleared by the next save in that folder;
//  - a symbolic link, at any part of a path, is followed only when the player, root or the
//    owner of the folder that holds it made it, and in a sticky folder that others may write
//    only when the player or that folder's owner did (the kernel's protected_symlinks rule),
//    so a link that another user planted in a shared folder cannot send a save into the
//    player's own files; the folder so reached is held open and worked in by descriptor;
//  - no setuid, setgid or sticky bit and no other user's ownership is ever passed on: a file
//    that another user owns is updated in place (when the player may write it), never
//    replaced by one of the player's own;
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
// but is not a regular file is refused; a trusted link to a regular file writes that file,
// beside it. A replaced file keeps its permission bits (0777 only) and, where the player is
// in it, its group. A file that is not the player's own, or that lies in a folder the player
// may not write, is written in place, or not at all.
FileResult<> write(const QString& path, const QByteArray& bytes);

// The file a path names, every link on the way followed by the rule above; a failure naming
// the refused link otherwise.
FileResult<QString> followTrustedLinks(const QString& path);

// Makes a folder and any missing folders above it, with these permission bits less the
// umask; the system's reason when it cannot. A folder that is there keeps its own bits.
FileResult<> makeFolders(const QString& folder, int mode = 0777);

// "It is a folder", "It is a named pipe (FIFO)", ... for a path that exists but is not a
// regular file; empty for a regular file or a path that does not exist.
QString notRegularReason(const QString& path);

// Our temporary files in a folder that no writer holds any more (each writer keeps a lock
// on its own) or that are over an hour old; each save clears them.
void removeStaleTemporaries(const QString& folder);

// Whoever holds it may read, merge and replace the file. It is a record lock on the file
// itself (an open-file-description lock), which the system, or the file server's lock
// manager, drops when the holder dies, so a killed game never leaves anyone locked out.
// A trusted link is followed, so folders whose files link to one file share one lock. On a
// file system that refuses record locks, a lock file beside it stands in, cleared only
// when it names a process of this computer that has ended or is over ten minutes old.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the file, empty, when there is none, so that there is something to lock.
    FileResult<> acquire(const QString& path, int waitMs = 10000);
    // The file was made by this lock and nothing has been written to it yet.
    bool madeTheFile() const { return made_; }

private:
    void release();
    int fd_ = -1;
    bool made_ = false;
    QByteArray target_;
    int folder_ = -1;     // the target's folder, reached through trusted links only
    QByteArray name_;     // the target's name in it
    QByteArray lockFile_; // the stand-in lock file we made, if any
};

} // namespace SafeFile
