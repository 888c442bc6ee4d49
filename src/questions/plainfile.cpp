// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/plainfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace worksheets {

namespace {

PlainFileOpen failure(int error) {
    if (error == ENOENT || error == ENOTDIR)
        return {PlainFileOpen::Outcome::NotFound, QString()};
    return {PlainFileOpen::Outcome::Failed, QString::fromLocal8Bit(std::strerror(error))};
}

} // namespace

PlainFileOpen openPlainFile(QFile& file, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return failure(errno);
    if (!S_ISREG(info.st_mode))
        return {PlainFileOpen::Outcome::NotAFile, QString()};
    // Something may take the file's place between the look and the opening:
    // opened without waiting, it is looked at again.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {PlainFileOpen::Outcome::NotAFile, QString()};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {PlainFileOpen::Outcome::Failed, file.errorString()};
    }
    return {PlainFileOpen::Outcome::Opened, QString()};
}

} // namespace worksheets
