// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace worksheets {
namespace {

constexpr qsizetype kBlockSize = 4096;

std::function<void()>& blockWrittenHook() {
    static std::function<void()> hook;
    return hook;
}

const char* const kOwnedByAnother =
    "The program cannot replace a file another user owns in the worksheets folder.";

QString systemError(const QString& path) {
    return writeFailureReason(errno, path);
}

// The name of a new file beside `target`: "<target>.<hex>.new".
QByteArray besideName(const QByteArray& target) {
    return target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".new";
}

bool isLeftoverName(const QString& name) {
    static const QRegularExpression leftover(QStringLiteral("^.+\\.[0-9a-f]{1,8}\\.new$"));
    return leftover.match(name).hasMatch();
}

// Writes everything, resuming after interrupted and partial writes.
bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A new file beside the target, with a name no other writer uses.
int createBeside(const QByteArray& target, mode_t mode, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = besideName(target);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

QString writeFailureReason(int error, const QString& path) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("The disk is full.");
    case EPERM:
    case EACCES:
        if (replaceRefusal(path))
            return QString::fromLatin1(kOwnedByAnother);
        [[fallthrough]];
    case EROFS:
        return QStringLiteral("The worksheets folder cannot be written.");
    default:
        return QStringLiteral("The file could not be written (%1).")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

std::optional<QString> replaceRefusal(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat fileInfo {};
    struct stat folderInfo {};
    if (::lstat(file.constData(), &fileInfo) != 0 || ::stat(folder.constData(), &folderInfo) != 0)
        return std::nullopt;
    const uid_t me = ::geteuid();
    if ((folderInfo.st_mode & S_ISVTX) && me != 0 && fileInfo.st_uid != me &&
        folderInfo.st_uid != me)
        return QString::fromLatin1(kOwnedByAnother);
    return std::nullopt;
}

void removeLeftovers(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.new")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (isLeftoverName(name))
            ::unlink(QFile::encodeName(dir.filePath(name)).constData());
    }
}

void setBlockWrittenHook(std::function<void()> hook) {
    blockWrittenHook() = std::move(hook);
}

namespace {

// Writes the bytes into a new file beside `path`, complete and on the disk,
// with the permissions of the file it will replace. Names it in `temp`.
std::optional<QString> writeBeside(const QString& path, const QByteArray& bytes, QByteArray& temp) {
    const QByteArray target = QFile::encodeName(path);
    mode_t mode = 0666; // less the umask, as for any new file
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing)
        mode = old.st_mode & 07777;

    const int fd = createBeside(target, mode, temp);
    if (fd < 0)
        return systemError(path);
    if (replacing)
        ::fchmod(fd, mode); // the umask must not narrow who may read a shared file

    const auto fail = [&]() {
        const QString error = systemError(path);
        ::close(fd);
        ::unlink(temp.constData());
        return error;
    };
    for (qsizetype done = 0; done < bytes.size(); done += kBlockSize) {
        if (!writeAll(fd, bytes.constData() + done, qMin(kBlockSize, bytes.size() - done)))
            return fail();
        if (blockWrittenHook())
            blockWrittenHook()();
    }
    if (::fdatasync(fd) != 0)
        return fail();
    if (::close(fd) != 0) {
        const QString error = systemError(path);
        ::unlink(temp.constData());
        return error;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    QByteArray temp;
    if (auto error = writeBeside(path, bytes, temp))
        return error;
    // The new file is complete on the disk before it takes the old one's name,
    // so after a power cut the name holds either the old or the new file.
    if (::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        const QString error = systemError(path);
        ::unlink(temp.constData());
        return error;
    }
    return std::nullopt;
}

std::optional<QString> createFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp;
    if (auto error = writeBeside(path, bytes, temp))
        return error;
    // A second name for the complete file, given only where there is none.
    const bool linked = ::link(temp.constData(), target.constData()) == 0;
    const int error = errno;
    ::unlink(temp.constData());
    if (linked || error == EEXIST)
        return std::nullopt;
    // A file system without such names: made in place, where a few bytes
    // go in one write.
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? std::nullopt : std::optional<QString>(systemError(path));
    const bool written = writeAll(fd, bytes.constData(), bytes.size()) && ::fdatasync(fd) == 0;
    ::close(fd);
    if (!written) {
        const QString reason = systemError(path);
        ::unlink(target.constData());
        return reason;
    }
    return std::nullopt;
}

} // namespace worksheets
