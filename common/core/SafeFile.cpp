#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporary files are hidden, carry the writer's process id so that a later save can tell a
// crashed writer's leftovers from a live one's, and do not repeat the target's name, so a
// target whose name is near the system's limit can still be saved.
const QString TempPrefix = QStringLiteral(".kaz-save-");

QString systemReason(int error) {
    return qt_error_string(error);
}

QString kindReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    return QStringLiteral("it is not a regular file");
}

QString sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024));
    return QStringLiteral("%1 bytes").arg(bytes);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
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

} // namespace

QString SafeFile::notRegularReason(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    return kindReason(st.st_mode);
}

FileResult<QByteArray> SafeFile::read(const QString& path, qint64 maxBytes, Longer longer) {
    using Result = FileResult<QByteArray>;
    if (path.isEmpty())
        return Result::failure(QStringLiteral("no file was named"));
    const QByteArray name = QFile::encodeName(path);
    // Look before opening: opening a FIFO waits for a writer, and opening a device may do
    // anything at all.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        const int e = errno;
        // A path through a plain file cannot name a file either: "no such file".
        return Result::failure(QStringLiteral("the file could not be opened (%1)").arg(systemReason(e)),
                               e == ENOENT || e == ENOTDIR);
    }
    if (!S_ISREG(st.st_mode))
        return Result::failure(kindReason(st.st_mode));
    const bool refuseLonger = longer == Longer::Refuse;
    if (refuseLonger && st.st_size > maxBytes)
        return Result::failure(QStringLiteral("the file is larger than %1").arg(sizeText(maxBytes)));

    // Whatever was swapped in since the look is caught here: never block, and check again.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int e = errno;
        return Result::failure(QStringLiteral("the file could not be opened (%1)").arg(systemReason(e)),
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
                        QStringLiteral("the file is larger than %1").arg(sizeText(maxBytes)));
                break;
            }
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(bytes.size() * 2 + 1, limit)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            return Result::failure(QStringLiteral("the file could not be read (%1)").arg(systemReason(e)));
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return Result::success(bytes);
}

FileResult<> SafeFile::makeFolders(const QString& folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    // Each folder from the top down; one that is there already is fine, anything else that
    // stands in the way is not.
    for (qsizetype at = clean.indexOf(u'/', 1);; at = clean.indexOf(u'/', at + 1)) {
        const QByteArray part = QFile::encodeName(at < 0 ? clean : clean.left(at));
        if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            return FileResult<>::failure(systemReason(errno));
        if (at < 0)
            break;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(clean).constData(), &st) != 0)
        return FileResult<>::failure(systemReason(errno));
    if (!S_ISDIR(st.st_mode))
        return FileResult<>::failure(QStringLiteral("it is not a folder"));
    return FileResult<>::success();
}

void SafeFile::removeStaleTemporaries(const QString& folder) {
    static const QRegularExpression pattern(QStringLiteral("^\\.kaz-save-(\\d+)-[0-9a-f]+$"));
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({TempPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& entry : names) {
        const auto m = pattern.match(entry);
        if (m.hasMatch() && processIsGone(m.captured(1).toLongLong()))
            QFile::remove(dir.filePath(entry));
    }
}

FileResult<> SafeFile::write(const QString& path, const QByteArray& bytes) {
    using Result = FileResult<>;
    if (path.isEmpty())
        return Result::failure(QStringLiteral("no file was named"));

    // A link to a regular file writes that file, and the link stays a link.
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink() && link.exists())
        target = link.canonicalFilePath();

    mode_t mode = 0666; // narrowed by the umask, as for any new file
    bool existed = false;
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return Result::failure(kindReason(st.st_mode));
        mode = st.st_mode & 07777;
        existed = true;
    } else if (errno != ENOENT) {
        return Result::failure(systemReason(errno));
    }

    const QString folder = QFileInfo(target).absolutePath();
    removeStaleTemporaries(folder);

    QString temp;
    int rawFd = -1;
    for (int attempt = 0; attempt < 16 && rawFd < 0; ++attempt) {
        temp = folder + u'/' + TempPrefix + QString::number(::getpid()) + u'-' +
               QString::number(QRandomGenerator::global()->generate(), 16);
        rawFd = ::open(QFile::encodeName(temp).constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (rawFd < 0 && errno != EEXIST)
            return Result::failure(systemReason(errno));
    }
    if (rawFd < 0)
        return Result::failure(systemReason(EEXIST));

    Descriptor fd(rawFd);
    const QByteArray tempName = QFile::encodeName(temp);
    auto fail = [&](int error) {
        ::unlink(tempName.constData());
        return Result::failure(systemReason(error));
    };
    int error = 0;
    if (!writeAll(fd.get(), bytes, &error))
        return fail(error);
    // An existing file keeps its permissions, whatever the umask would make of them.
    if (existed && ::fchmod(fd.get(), mode) != 0 && errno != EPERM)
        return fail(errno);
    // A full disk may only show itself when the data is flushed, or even at the close.
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (fd.close() != 0)
        return fail(errno);
    if (::rename(tempName.constData(), QFile::encodeName(target).constData()) != 0)
        return fail(errno);

    // Make the rename itself survive a power cut; the data is safe either way.
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return Result::success();
}
