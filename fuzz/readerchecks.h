// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every reader of outside files must keep, whatever the bytes: each
// check feeds one input to one reader and returns the property it broke, or
// an empty text. The fuzzing targets abort on a broken property; the corpus
// replay test runs the same checks in the normal build.

#include <QByteArray>
#include <QString>

namespace fuzzchecks {

// Accepted sets have right answers "1" to "4" and read back unchanged once
// written; a refused file leaves the loaded set as it was.
QString checkQuestionFile(const QByteArray& bytes);
// A complete list holds at most 1000 titles, each a field (no comma, no line
// end), and reads back unchanged once written.
QString checkWorksheetList(const QByteArray& bytes);
// An accepted sound is mono or stereo, of a sane rate and length, and has
// exactly the samples it claims. `scratch` is a writable folder.
QString checkSound(const QByteArray& bytes, const QString& scratch);
// An accepted raster picture is within the pixel budget; nothing crashes.
// `scratch` is a writable folder, made the content folder.
QString checkPicture(const QByteArray& bytes, const QString& scratch);

// An accepted topic file has a screen name of letters and digits, 1 to 26
// pages per notes set, its picture inside the window and activity files that
// exist; `scratch` is a writable folder, made the content folder.
QString checkTopicFile(const QByteArray& bytes, const QString& scratch);
// An accepted activity file has 1 to 9 boxes, as many starting places, one
// label per box (distinct answers), every box and starting place inside the
// window, and indices of texts that exist.
QString checkActivityFile(const QByteArray& bytes);

} // namespace fuzzchecks
