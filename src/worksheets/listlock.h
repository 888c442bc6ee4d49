// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that keeps teachers' changes to one worksheets folder apart: the
// file "track.lock" beside the list, held through the system's file lock
// while one save or deletion runs. The system lets go of that lock when its
// holder ends, however it ends, so a file left behind by a program that was
// killed, an empty one or one another user left holds nothing. Anything
// else in its place (a folder, a pipe, a link, a file that cannot be opened)
// is removed at once. The holder removes the file when it lets go.

#include <QString>
#include <functional>

namespace worksheets {

// The longest a change waits for another teacher's to finish.
constexpr int kLockWaitMs = 5000;

class ListLock {
public:
    // Called while waiting with the milliseconds to pause before the next
    // try; sleeps when empty. A screen keeps painting and answering instead.
    using Pause = std::function<void(int ms)>;

    ListLock(const QString& folder, Pause pause = {});
    ~ListLock();
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

    enum class Outcome { Taken, Busy, Failed };
    // Takes the lock, waiting at most kLockWaitMs while another holds it.
    Outcome take();
    // For Busy and Failed: the reason, in words for the teacher.
    QString reason() const { return reason_; }

    QString path() const { return path_; }

private:
    enum class Attempt { Taken, Held, Again, Failed };
    Attempt attempt();
    // Removes what stands in the lock's place and cannot be a lock.
    Attempt removeInTheWay();

    QString path_;
    Pause pause_;
    QString reason_;
    int fd_ = -1;
};

} // namespace worksheets
