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
// it failed, or nothing on success; on failure the old file is untouched
// and nothing is left beside it.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);

// Called after each block of a replacement is written, before the next one;
// lets a test stop a writer half-way. Empty to remove.
void setBlockWrittenHook(std::function<void()> hook);

} // namespace worksheets
