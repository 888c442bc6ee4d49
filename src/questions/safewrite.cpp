// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/safewrite.h"

#include <QFile>
#include <QRandomGenerator>

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

QString systemError(const char* step) {
    return QStringLiteral("%1: %2").arg(QLatin1String(step),
                                        QString::fromLocal8Bit(std::strerror(errno)));
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
        name =
            target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".new";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

void setBlockWrittenHook(std::function<void()> hook) {
    blockWrittenHook() = std::move(hook);
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    mode_t mode = 0666; // less the umask, as for any new file
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing)
        mode = old.st_mode & 07777;

    QByteArray temp;
    const int fd = createBeside(target, mode, temp);
    if (fd < 0)
        return systemError("Cannot create the file");
    if (replacing)
        ::fchmod(fd, mode); // the umask must not narrow who may read a shared file

    const auto fail = [&](const char* step) {
        const QString error = systemError(step);
        ::close(fd);
        ::unlink(temp.constData());
        return error;
    };
    for (qsizetype done = 0; done < bytes.size(); done += kBlockSize) {
        if (!writeAll(fd, bytes.constData() + done, qMin(kBlockSize, bytes.size() - done)))
            return fail("Cannot write the file");
        if (blockWrittenHook())
            blockWrittenHook()();
    }
    if (::fdatasync(fd) != 0)
        return fail("Cannot write the file to the disk");
    if (::close(fd) != 0) {
        const QString error = systemError("Cannot close the file");
        ::unlink(temp.constData());
        return error;
    }
    // The new file is complete on the disk before it takes the old one's name,
    // so after a power cut the name holds either the old or the new file.
    if (::rename(temp.constData(), target.constData()) != 0) {
        const QString error = systemError("Cannot replace the file");
        ::unlink(temp.constData());
        return error;
    }
    return std::nullopt;
}

} // namespace worksheets
