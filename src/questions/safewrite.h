// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file so that a crash, a power cut or a full disk half-way
// leaves the old file as it was: the new bytes go into a file beside it,
// which replaces the old one only when it is complete and on the disk.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace worksheets {

// Writes `bytes` to `path`, keeping the old file's permissions. Returns why
// it failed (as writeFailureReason gives it), or nothing on success; on
// failure the old file is untouched and nothing is left beside it.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);

// Puts `bytes` in place as `path` only when no file has that name, in one
// step, so that a file made meanwhile is never replaced (which is no
// failure). Returns why it failed, or nothing.
std::optional<QString> createFile(const QString& path, const QByteArray& bytes);

// Why writing or replacing `path` failed with the system's error number, in
// words for a teacher: a full disk, a folder that cannot be written, a file
// another user owns in a folder that lets only owners replace their files.
QString writeFailureReason(int error, const QString& path);

// Why this user cannot replace the existing file `path`, or nothing. In a
// folder with the sticky bit (such as one made like /tmp) only a file's
// owner may replace it.
std::optional<QString> replaceRefusal(const QString& path);

// Removes the files an interrupted replacement left in the folder.
void removeLeftovers(const QString& folder);

// Called after each block of a replacement is written, before the next one;
// lets a test stop a writer half-way. Empty to remove.
void setBlockWrittenHook(std::function<void()> hook);

} // namespace worksheets
