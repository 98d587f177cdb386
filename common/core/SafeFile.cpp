// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Temporary files are hidden and do not repeat the target's name, so a target whose name is
// near the system's limit can still be saved. The process id in the name only keeps names
// apart: whether a writer still holds one is told by its lock, which works across process
// namespaces and hosts where a process id means nothing.
const QString TempPrefix = QStringLiteral(".kaz-save-");

// A temporary file no one holds is left alone this long after its last change (the moment
// between making it and locking it), and one that is held, or that cannot be asked because
// the file system has no locks, is cleared only after an hour.
constexpr qint64 UnheldTempSeconds = 60;
constexpr qint64 AnyTempSeconds = 60 * 60;

// The stand-in lock file, used only where record locks are refused, is cleared when older.
constexpr qint64 StaleLockFileSeconds = 10 * 60;

constexpr int OpenFlags = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;

QString systemReason(int error) {
    return qt_error_string(error);
}

QString kindReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("SafeFile", "it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("SafeFile", "it is a named pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("SafeFile", "it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("SafeFile", "it is a socket, not a regular file");
    return QCoreApplication::translate("SafeFile", "it is not a regular file");
}

QString sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QCoreApplication::translate("SafeFile", "%1 MiB").arg(bytes / (1024 * 1024));
    return QCoreApplication::translate("SafeFile", "%1 bytes").arg(bytes);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) { // keeps errno, which the caller may still want from making fd
        const int error = errno;
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
        errno = error;
    }
    int release() { return std::exchange(fd_, -1); }
    // Closes now, for a caller that must know whether the close worked.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes, int* error) {
    const char* at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (n == 0) { // no progress and no reason: treat it as a full disk
            *error = ENOSPC;
            return false;
        }
        at += n;
        left -= n;
    }
    return true;
}

bool processIsGone(qint64 pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A write lock on the whole file through this descriptor; the system's errno on failure.
bool lockWhole(int fd, short type = F_WRLCK) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    while (::fcntl(fd, F_OFD_SETLK, &fl) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

// Whether another open description holds a lock on the file: 1 yes, 0 no, -1 cannot tell.
int heldByAnother(int fd) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_GETLK, &fl) != 0)
        return -1;
    return fl.l_type == F_UNLCK ? 0 : 1;
}

qint64 ageSeconds(const struct stat& st) {
    return static_cast<qint64>(std::time(nullptr)) - static_cast<qint64>(st.st_mtime);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens what is known to be a regular file without following a link or blocking, and makes
// sure it still is one (anything may have been swapped in since the look).
int openRegularAt(int folder, const QByteArray& name, int flags, struct stat* st, int* error,
                  mode_t mode = 0) {
    const int fd = ::openat(folder, name.constData(), flags | OpenFlags, mode);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (::fstat(fd, st) != 0) {
        *error = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st->st_mode)) {
        *error = 0; // the caller words it from st_mode
        ::close(fd);
        return -1;
    }
    return fd;
}

int openRegular(const QByteArray& name, int flags, struct stat* st, int* error, mode_t mode = 0) {
    return openRegularAt(AT_FDCWD, name, flags, st, error, mode);
}

QString foreignLink() {
    return QCoreApplication::translate(
        "SafeFile", "it is a link that another user made, and such links are not followed");
}

// A link is followed only when the player, root or the owner of the folder holding it made
// it; and, as the kernel's protected_symlinks has it, in a sticky folder that others may
// write, only when the player or that folder's owner did (root's links included: the folder
// belongs to someone who never made them).
bool trustedLink(const struct stat& link, const struct stat& folder) {
    const bool mineOrTheFolders = link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
    if ((folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH))
        return mineOrTheFolders;
    return mineOrTheFolders || link.st_uid == 0;
}

// A file reached through trusted links only. Its folder is held open, so that whatever is
// swapped in along the path afterwards cannot send what is done there anywhere else: every
// later step opens, renames or removes the name relative to that folder, never by path.
struct Place {
    Descriptor folder{-1}; // the final folder (O_PATH)
    QByteArray name;       // the last part, a plain name in that folder; it may not exist
    QString path;          // the whole path, links resolved, for messages and lock files
    int error = 0;         // the system's reason the path could not be walked
    QString refused;       // or the link that was not followed
};

// Walks the path a part at a time, judging every link on the way, the last part's too.
Place reach(const QString& path) {
    Place place;
    std::vector<QByteArray> left; // the parts still to walk, the next one last
    auto push = [&left](const QByteArray& parts) {
        const QList<QByteArray> list = parts.split('/');
        for (auto part = list.rbegin(); part != list.rend(); ++part)
            if (!part->isEmpty() && *part != ".")
                left.push_back(*part);
    };
    auto fromRoot = [&](QByteArrayList* walked) {
        walked->clear();
        place.folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    };
    QByteArrayList walked; // the folders from the root down to place.folder, none a link
    fromRoot(&walked);
    push(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
    int links = 0;
    while (!left.empty() && place.folder.get() >= 0) {
        const QByteArray part = left.back();
        left.pop_back();
        if (part == "..") { // the real parent: no part walked so far is a link
            if (!walked.isEmpty()) {
                walked.removeLast();
                place.folder.reset(::openat(place.folder.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            }
            continue;
        }
        struct stat st {};
        if (::fstatat(place.folder.get(), part.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !left.empty()) {
                place.error = errno;
                return place;
            }
            st.st_mode = S_IFREG; // a file still to be made
        }
        if (S_ISLNK(st.st_mode)) {
            struct stat folder {};
            if (::fstat(place.folder.get(), &folder) != 0) {
                place.error = errno;
                return place;
            }
            if (!trustedLink(st, folder)) {
                place.refused = foreignLink();
                return place;
            }
            QByteArray dest(PATH_MAX, '\0');
            const ssize_t n = ++links > 40 ? (errno = ELOOP, -1)
                                           : ::readlinkat(place.folder.get(), part.constData(), dest.data(),
                                                          static_cast<size_t>(dest.size()));
            if (n < 0) {
                place.error = errno;
                return place;
            }
            dest.truncate(n);
            if (dest.startsWith('/'))
                fromRoot(&walked);
            push(dest);
            continue;
        }
        if (left.empty()) { // what is there (or its absence) is the caller's to judge
            place.name = part;
            place.path = QFile::decodeName('/' + (walked + QByteArrayList{part}).join('/'));
            return place;
        }
        if (!S_ISDIR(st.st_mode)) {
            place.error = ENOTDIR;
            return place;
        }
        place.folder.reset(
            ::openat(place.folder.get(), part.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        walked.append(part);
    }
    if (place.folder.get() < 0)
        place.error = errno;
    else
        place.refused = kindReason(S_IFDIR); // the path ends in a folder: "/", "x/.."
    return place;
}

// The folder itself, opened for what a path-only descriptor cannot do (fsync, listing).
int openFolder(const Place& place) {
    return ::openat(place.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Our temporary files in the folder open as `listing` (taken over) that no writer holds any
// more, or that are old.
void clearStaleTemporaries(int listing) {
    static const QRegularExpression pattern(QStringLiteral("^\\.kaz-save-(\\d+)-[0-9a-f]+$"));
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    const int folder = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!pattern.match(QFile::decodeName(name)).hasMatch())
            continue;
        struct stat st {};
        int error = 0;
        const Descriptor fd(openRegularAt(folder, name, O_RDONLY, &st, &error));
        if (fd.get() < 0)
            continue;
        const int held = heldByAnother(fd.get());
        const qint64 age = ageSeconds(st);
        if (age > AnyTempSeconds || (held == 0 && age > UnheldTempSeconds))
            ::unlinkat(folder, name.constData(), 0);
    }
    ::closedir(dir);
}

// The new file takes the old one's permission bits and group, where the player may keep
// them; never an owner, and never a setuid, setgid or sticky bit.
void keepModeAndGroup(int fd, const struct stat& old) {
    if (old.st_gid != ::getegid())
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid); // refused unless in that group
    (void)::fchmod(fd, old.st_mode & 0777);
}

// Writes another user's file in place, under whatever lock its writer holds: the file stays
// theirs, with its mode and group. Growing room is reserved first, so a full disk is found
// before a byte of the old table changes.
FileResult<> updateInPlace(int folder, const QByteArray& name, const struct stat& seen,
                           const QByteArray& bytes) {
    int error = 0;
    struct stat st {};
    Descriptor fd(openRegularAt(folder, name, O_WRONLY, &st, &error));
    if (fd.get() < 0)
        return FileResult<>::failure(error ? systemReason(error) : kindReason(st.st_mode));
    if (!sameFile(st, seen))
        return FileResult<>::failure(
            QCoreApplication::translate("SafeFile", "the file was replaced while it was being saved"));
    if (bytes.size() > st.st_size) {
        const int rc = ::posix_fallocate(fd.get(), 0, bytes.size());
        if (rc != 0 && rc != EOPNOTSUPP && rc != EINVAL)
            return FileResult<>::failure(systemReason(rc));
    }
    if (::lseek(fd.get(), 0, SEEK_SET) != 0 || !writeAll(fd.get(), bytes, &error))
        return FileResult<>::failure(systemReason(error ? error : errno));
    if (::ftruncate(fd.get(), bytes.size()) != 0 || ::fsync(fd.get()) != 0 || fd.close() != 0)
        return FileResult<>::failure(systemReason(errno));
    return FileResult<>::success();
}

} // namespace

FileResult<QString> SafeFile::followTrustedLinks(const QString& path) {
    const Place place = reach(path);
    if (!place.refused.isEmpty())
        return FileResult<QString>::failure(place.refused);
    if (place.error)
        return FileResult<QString>::failure(systemReason(place.error), place.error == ENOENT);
    return FileResult<QString>::success(place.path);
}

QString SafeFile::notRegularReason(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    return kindReason(st.st_mode);
}

FileResult<QByteArray> SafeFile::read(const QString& path, qint64 maxBytes, Longer longer) {
    using Result = FileResult<QByteArray>;
    if (path.isEmpty())
        return Result::failure(QCoreApplication::translate("SafeFile", "no file was named"));
    const Place place = reach(path);
    if (!place.refused.isEmpty())
        return Result::failure(place.refused);
    // Look before opening: opening a FIFO waits for a writer, and opening a device may do
    // anything at all.
    struct stat st {};
    if (place.error || ::fstatat(place.folder.get(), place.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        const int e = place.error ? place.error : errno;
        // A path through a plain file cannot name a file either: "no such file".
        return Result::failure(
            QCoreApplication::translate("SafeFile", "the file could not be opened (%1)").arg(systemReason(e)),
            e == ENOENT || e == ENOTDIR);
    }
    if (!S_ISREG(st.st_mode))
        return Result::failure(kindReason(st.st_mode));
    const bool refuseLonger = longer == Longer::Refuse;
    if (refuseLonger && st.st_size > maxBytes)
        return Result::failure(
            QCoreApplication::translate("SafeFile", "the file is larger than %1").arg(sizeText(maxBytes)));

    // Whatever was swapped in since the look is caught here: never block, and check again.
    Descriptor fd(::openat(place.folder.get(), place.name.constData(), O_RDONLY | OpenFlags));
    if (fd.get() < 0) {
        const int e = errno;
        return Result::failure(
            QCoreApplication::translate("SafeFile", "the file could not be opened (%1)").arg(systemReason(e)),
            e == ENOENT);
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Result::failure(kindReason(st.st_mode));

    // One byte past the limit, so a file that grew since the look is refused too.
    const qint64 limit = refuseLonger ? maxBytes + 1 : maxBytes;
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(st.st_size + 1, limit)));
    qsizetype got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (got >= limit) {
                if (refuseLonger)
                    return Result::failure(
                        QCoreApplication::translate("SafeFile", "the file is larger than %1")
                            .arg(sizeText(maxBytes)));
                break;
            }
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(bytes.size() * 2 + 1, limit)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            return Result::failure(QCoreApplication::translate("SafeFile", "the file could not be read (%1)")
                                       .arg(systemReason(e)));
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return Result::success(bytes);
}

FileResult<> SafeFile::makeFolders(const QString& folder, int mode) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    // Each folder from the top down; one that is there already is fine, anything else that
    // stands in the way is not.
    for (qsizetype at = clean.indexOf(u'/', 1);; at = clean.indexOf(u'/', at + 1)) {
        const QByteArray part = QFile::encodeName(at < 0 ? clean : clean.left(at));
        if (::mkdir(part.constData(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST)
            return FileResult<>::failure(systemReason(errno));
        if (at < 0)
            break;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(clean).constData(), &st) != 0)
        return FileResult<>::failure(systemReason(errno));
    if (!S_ISDIR(st.st_mode))
        return FileResult<>::failure(QCoreApplication::translate("SafeFile", "it is not a folder"));
    return FileResult<>::success();
}

void SafeFile::removeStaleTemporaries(const QString& folder) {
    const Place place = reach(folder + QStringLiteral("/."));
    if (place.error == 0 && place.refused.isEmpty())
        clearStaleTemporaries(::openat(place.folder.get(), place.name.constData(),
                                       O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FileResult<> SafeFile::write(const QString& path, const QByteArray& bytes) {
    using Result = FileResult<>;
    if (path.isEmpty())
        return Result::failure(QCoreApplication::translate("SafeFile", "no file was named"));

    // A trusted link writes the file it points to, beside it, and the link stays a link.
    const Place place = reach(path);
    if (!place.refused.isEmpty())
        return Result::failure(place.refused);
    if (place.error)
        return Result::failure(systemReason(place.error), place.error == ENOENT);
    const int folder = place.folder.get();
    const QByteArray& targetName = place.name;

    bool existed = false;
    struct stat st {};
    if (::fstatat(folder, targetName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(st.st_mode))
            return Result::failure(kindReason(st.st_mode));
        existed = true;
        // Another user's file stays theirs: written in place where they let us, never
        // replaced by one of ours (which would take it from them, mode and all). So is a
        // file in a folder the player may not write (a class's table in the teacher's
        // program folder).
        if (st.st_uid != ::geteuid() || ::faccessat(folder, ".", W_OK, AT_EACCESS) != 0)
            return updateInPlace(folder, targetName, st, bytes);
        // A file made read-only, or on a read-only mount, is not replaced behind its back.
        if (::faccessat(folder, targetName.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
            return Result::failure(systemReason(errno));
    } else if (errno != ENOENT) {
        return Result::failure(systemReason(errno));
    }

    clearStaleTemporaries(openFolder(place));

    QByteArray tempName;
    int rawFd = -1;
    for (int attempt = 0; attempt < 16 && rawFd < 0; ++attempt) {
        tempName = QFile::encodeName(TempPrefix + QString::number(::getpid()) + u'-' +
                                     QString::number(QRandomGenerator::global()->generate(), 16));
        rawFd = ::openat(folder, tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | OpenFlags,
                         existed ? 0600 : 0666); // a new file: as the umask says
        if (rawFd < 0 && errno != EEXIST)
            return Result::failure(systemReason(errno));
    }
    if (rawFd < 0)
        return Result::failure(systemReason(EEXIST));

    Descriptor fd(rawFd);
    // Held until the rename is done, so that no other save takes this file for a leftover.
    lockWhole(fd.get());
    auto fail = [&](int error) {
        ::unlinkat(folder, tempName.constData(), 0);
        return Result::failure(systemReason(error));
    };
    int error = 0;
    if (!writeAll(fd.get(), bytes, &error))
        return fail(error);
    if (existed)
        keepModeAndGroup(fd.get(), st);
    // A full disk may only show itself when the data is flushed, or even at the close.
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (::renameat(folder, tempName.constData(), folder, targetName.constData()) != 0)
        return fail(errno);
    const int closed = fd.close();
    const int closeError = errno;

    // Make the rename itself survive a power cut; the data is safe either way.
    const Descriptor dirFd(openFolder(place));
    if (dirFd.get() >= 0)
        ::fsync(dirFd.get());
    if (closed != 0)
        return Result::failure(systemReason(closeError));
    return Result::success();
}

SafeFile::FileLock::~FileLock() {
    release();
}

void SafeFile::FileLock::release() {
    const Descriptor folder(std::exchange(folder_, -1)); // closed on every way out
    struct stat held {
    }, now{};
    // A file this lock made and nobody filled is taken away again, while still held.
    if (fd_ >= 0 && made_ && ::fstat(fd_, &held) == 0 && held.st_size == 0 &&
        ::fstatat(folder.get(), name_.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(held, now))
        ::unlinkat(folder.get(), name_.constData(), 0);
    if (!lockFile_.isEmpty())
        ::unlink(lockFile_.constData());
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    made_ = false;
    lockFile_.clear();
}

namespace {

// The stand-in lock file's words: "<pid> <host>".
QByteArray lockFileText() {
    return QByteArray::number(static_cast<qint64>(::getpid())) + ' ' + QSysInfo::machineHostName().toUtf8() +
           '\n';
}

// The lock file that was judged is still the one at its name: its inode and its change time,
// since a file system may give a new file the inode number of one just removed.
bool sameLockFile(const struct stat& a, const struct stat& b) {
    return sameFile(a, b) && a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// Why a lock file in the way may be cleared, or empty when it must be waited for. `judged`
// gets the file the reason is about, and `holder` what is known of who made it, for the
// message when the wait runs out.
QString staleLockFileReason(const QByteArray& name, const QString& table, struct stat* judged,
                            QString* holder) {
    struct stat& st = *judged;
    if (::lstat(name.constData(), &st) != 0)
        return {};
    // Only a regular file can be one of ours; anything else was planted, and goes at once
    // where the folder lets us remove it.
    if (!S_ISREG(st.st_mode)) {
        *holder = QCoreApplication::translate("SafeFile", "its lock file %1 is in the way (%2)")
                      .arg(QFile::decodeName(name),
                           S_ISLNK(st.st_mode) ? QCoreApplication::translate("SafeFile", "it is a link")
                                               : kindReason(st.st_mode));
        return QStringLiteral("it was not a lock file (%1)").arg(kindReason(st.st_mode));
    }
    if (ageSeconds(st) > StaleLockFileSeconds)
        return QStringLiteral("it was more than 10 minutes old");
    // The words are read through one descriptor, and `judged` is that descriptor's file.
    int error = 0;
    const Descriptor fd(openRegular(name, O_RDONLY, &st, &error));
    if (fd.get() < 0)
        return {};
    char buffer[300] = {};
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer - 1);
    const QList<QByteArray> words = QByteArray(buffer, n > 0 ? n : 0).trimmed().split(' ');
    const qint64 pid = words.value(0).toLongLong();
    const QString host = QString::fromUtf8(words.value(1));
    *holder = QCoreApplication::translate(
                  "SafeFile",
                  "another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)")
                  .arg(table, QFile::decodeName(name))
                  .arg(pid)
                  .arg(host);
    if (host == QSysInfo::machineHostName() && processIsGone(pid))
        return QStringLiteral("its game, process %1 on this computer, had ended").arg(pid);
    return {};
}

// Opens the file to be locked, `name` in `folder`, making it, empty, when there is none (`made`
// says so). It looks before opening: a FIFO or a device there is refused, never opened. -1 with
// `error` set, or 0 and `st` giving the kind, when it cannot; EEXIST when another game made it
// just now.
int openToLock(int folder, const QByteArray& name, struct stat* st, bool* made, int* error) {
    *made = false;
    if (::fstatat(folder, name.constData(), st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(st->st_mode)) {
            *error = 0;
            return -1;
        }
        return openRegularAt(folder, name, O_RDWR, st, error);
    }
    if (errno != ENOENT) {
        *error = errno;
        return -1;
    }
    const int fd = openRegularAt(folder, name, O_RDWR | O_CREAT | O_EXCL, st, error, 0666);
    *made = fd >= 0;
    return fd;
}

} // namespace

FileResult<> SafeFile::FileLock::acquire(const QString& path, int waitMs) {
    using Result = FileResult<>;
    release();
    Place place = reach(path);
    if (!place.refused.isEmpty())
        return Result::failure(place.refused);
    if (place.error)
        return Result::failure(systemReason(place.error), place.error == ENOENT);
    target_ = QFile::encodeName(place.path);
    name_ = place.name;
    folder_ = place.folder.release(); // the file is opened, checked and removed only in there
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    auto pause = [&] {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + QRandomGenerator::global()->bounded(20)));
        return true;
    };
    // Anyone who may open the file, a mere reader too, can hold a lock on it: no game is blamed.
    QString busy =
        QCoreApplication::translate("SafeFile", "another program or user holds a lock on %1").arg(place.path);

    struct stat st {}; // the file fd_ holds open
    int error = 0;
    auto openTarget = [&] {
        do
            fd_ = openToLock(folder_, name_, &st, &made_, &error);
        while (fd_ < 0 && error == EEXIST);
        return fd_ >= 0;
    };
    auto cannotOpen = [&] { return error ? systemReason(error) : kindReason(st.st_mode); };
    // The game that held the lock before may have replaced the file, or removed the empty one
    // its lock made.
    auto stillAtPath = [&] {
        struct stat now {};
        return ::fstatat(folder_, name_.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(now, st);
    };
    // Once the lock is held, the file this lock made counts as made only while it is empty:
    // another user's game may have written it in place before we got the lock.
    auto held = [&] {
        made_ = made_ && ::fstat(fd_, &st) == 0 && st.st_size == 0;
        return Result::success();
    };

    while (true) {
        if (!openTarget())
            return Result::failure(cannotOpen());
        if (lockWhole(fd_)) {
            if (stillAtPath())
                return held();
        } else if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL) {
            break;
        } else if (errno != EAGAIN && errno != EACCES) {
            const int e = errno;
            ::close(fd_), fd_ = -1;
            return Result::failure(systemReason(e));
        }
        ::close(fd_), fd_ = -1;
        if (!pause())
            return Result::failure(busy);
    }

    // No record locks here: a lock file made with O_EXCL stands in. It takes the file's own
    // permission bits, so whoever may write the file may also clear a lock left behind. Until
    // it is ours, another game may hold the lock and be reading the file this one made, so
    // that file is not ours to remove.
    auto giveUp = [&](const QString& why) {
        made_ = false;
        release();
        return Result::failure(why);
    };
    const QByteArray lockName = target_ + ".lock";
    while (true) {
        const int lockFd = ::open(lockName.constData(), O_WRONLY | O_CREAT | O_EXCL | OpenFlags, 0600);
        if (lockFd >= 0) {
            (void)::fchmod(lockFd, st.st_mode & 0666);
            error = 0;
            const bool ok = writeAll(lockFd, lockFileText(), &error) && ::close(lockFd) == 0;
            if (!ok) {
                const int e = error ? error : errno;
                ::unlink(lockName.constData());
                return giveUp(systemReason(e));
            }
            lockFile_ = lockName;
            while (!stillAtPath()) {
                ::close(fd_), fd_ = -1;
                if (!openTarget()) {
                    const QString why = cannotOpen();
                    release();
                    return Result::failure(why);
                }
            }
            return held();
        }
        if (errno != EEXIST)
            return giveUp(systemReason(errno));
        struct stat judged {
        }, now{};
        const QString why = staleLockFileReason(lockName, place.path, &judged, &busy);
        // Only the lock file judged goes: another game may have cleared it and made its own.
        if (!why.isEmpty() && ::lstat(lockName.constData(), &now) == 0 && sameLockFile(now, judged) &&
            (S_ISDIR(now.st_mode) ? ::rmdir(lockName.constData()) : ::unlink(lockName.constData())) == 0) {
            qWarning("Cleared the lock file %s: %s", lockName.constData(), qPrintable(why));
            continue;
        }
        if (!pause())
            return giveUp(busy);
    }
}
