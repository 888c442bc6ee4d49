// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/listlock.h"

#include "questions/safewrite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace worksheets {
namespace {

const char* const kAnotherTeacher =
    "Another teacher is saving a worksheet. Please try again in a moment.";

constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

ListLock::ListLock(const QString& folder, Pause pause)
    : path_(QDir(folder).filePath(QStringLiteral("track.lock"))), pause_(std::move(pause)) {}

ListLock::~ListLock() {
    if (fd_ < 0)
        return;
    // Removed while still held, so that no one takes a file about to go; a
    // waiter that opened it finds, once it holds it, that it is gone.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

ListLock::Outcome ListLock::take() {
    // The wait ends when the clock or the pauses asked for reach the limit,
    // whichever comes first.
    QElapsedTimer clock;
    clock.start();
    int paused = 0;
    const auto expired = [&] { return paused >= kLockWaitMs || clock.hasExpired(kLockWaitMs); };
    for (;;) {
        switch (attempt()) {
        case Attempt::Taken:
            return Outcome::Taken;
        case Attempt::Failed:
            return Outcome::Failed;
        case Attempt::Again:
            if (!expired())
                continue;
            [[fallthrough]];
        case Attempt::Held: {
            if (expired()) {
                reason_ = QString::fromLatin1(kAnotherTeacher);
                return Outcome::Busy;
            }
            // Short pauses with some spread, so that two writers do not keep
            // meeting; the last one ends at the limit.
            const int ms =
                std::min(5 + int(QRandomGenerator::global()->bounded(10)), kLockWaitMs - paused);
            paused += ms;
            if (pause_)
                pause_(ms);
            else
                QThread::msleep(ms);
            break;
        }
        }
    }
}

ListLock::Attempt ListLock::attempt() {
    const QByteArray name = QFile::encodeName(path_);
    bool writable = true;
    int fd = ::open(name.constData(), O_RDWR | kOpenFlags);
    if (fd < 0 && errno == EACCES) { // another user's: reading is enough to lock it
        writable = false;
        fd = ::open(name.constData(), O_RDONLY | kOpenFlags);
    }
    if (fd < 0 && errno == ENOENT) {
        writable = true;
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0664);
        if (fd < 0 && errno == EEXIST)
            return Attempt::Again; // another writer made it a moment ago
        if (fd >= 0)
            ::fchmod(fd, 0664); // the umask must not keep the other teachers out
    }
    if (fd < 0) {
        // A folder, a link or a file no one may open cannot be a lock.
        if (errno == EACCES || errno == EISDIR || errno == ELOOP || errno == ENXIO)
            return removeInTheWay();
        reason_ = writeFailureReason(errno, path_);
        return Attempt::Failed;
    }
    struct stat held {};
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
        ::close(fd);
        return removeInTheWay();
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK || error == EINTR)
            return Attempt::Held;
        reason_ = writeFailureReason(error, path_);
        return Attempt::Failed;
    }
    // Held: but the file may have been removed by the holder before, and
    // another made in its place.
    struct stat now {};
    if (::stat(name.constData(), &now) != 0 || !sameFile(now, held)) {
        ::close(fd);
        return Attempt::Again;
    }
    fd_ = fd;
    if (writable) { // who holds it, for anyone who finds the file
        const QByteArray holder = QByteArray::number(qint64(::getpid())) + '\n' +
                                  QSysInfo::machineHostName().toUtf8() + '\n';
        if (::ftruncate(fd, 0) == 0 && ::write(fd, holder.constData(), size_t(holder.size()))) {
        }
    }
    return Attempt::Taken;
}

ListLock::Attempt ListLock::removeInTheWay() {
    const QByteArray name = QFile::encodeName(path_);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT)
            return Attempt::Again;
        reason_ = writeFailureReason(errno, path_);
        return Attempt::Failed;
    }
    const bool folder = S_ISDIR(info.st_mode);
    if ((folder ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0 || errno == ENOENT)
        return Attempt::Again;
    int error = errno;
    if (folder && (error == ENOTEMPTY || error == EEXIST)) {
        // A folder with something in it is moved aside, not emptied.
        const QByteArray aside =
            name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        if (::rename(name.constData(), aside.constData()) == 0)
            return Attempt::Again;
        error = errno;
    }
    reason_ = writeFailureReason(error, path_);
    return Attempt::Failed;
}

} // namespace worksheets
