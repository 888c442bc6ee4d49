// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Content paths such as "wav\click.wav" or "images\tidesm.jpg" name files in
// the content folder. Backslashes separate folders, and each folder and file
// name falls back to a case-insensitive match when no exact match exists,
// since content copied from other systems comes in any case.

#include <QString>

namespace platform {

// The content folder: $CORVELLA_HOME when set, else the first of
// <program>/media, <program>/../share/corvella/media and the source tree's
// media folder that exists.
QString contentRoot();
// Whether the content folder is the installation's own
// (<program>/../share/corvella/media): it belongs to the system, and nothing
// is written into it even when it could be.
bool contentFolderIsInstalled();
// Overrides the content folder (tests run on a copy).
void setContentRoot(const QString& folder, bool installed = false);

// The file a content path names, or, when nothing matches, the path the file
// would have (matched folders kept, the rest as written).
QString resolveContentPath(const QString& contentPath);
// Whether the content path names an existing file.
bool contentFileExists(const QString& contentPath);

} // namespace platform
