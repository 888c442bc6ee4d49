// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetlist.h"

#include "questions/fields.h"
#include "questions/questionfile.h"
#include "questions/safewrite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>

namespace worksheets {
namespace {

// How long a teacher's save waits for another one to finish with the list.
constexpr int kLockWaitMs = 10000;

// A lock left by a writer on another machine that died; a dead writer on
// this machine is recognised at once.
constexpr int kStaleLockMs = 30000;

// Short waits with some spread, so that two writers do not keep meeting.
bool lockList(QLockFile& lock) {
    lock.setStaleLockTime(kStaleLockMs);
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(kLockWaitMs))
            return false;
        QThread::msleep(2 + QRandomGenerator::global()->bounded(8));
    }
    return true;
}

} // namespace

WorksheetTitles readWorksheetTitles(QIODevice& file) {
    WorksheetTitles list;
    const TextEncoding encoding = readEncodingMark(file);
    list.encoding = encoding;
    QString field;
    if (readField(file, field, encoding) != FieldRead::Read)
        return list;
    bool isNumber = false;
    const int count = field.trimmed().toInt(&isNumber);
    if (!isNumber || count < 0 || count > kMaxWorksheets)
        return list;
    list.titles.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (readField(file, field, encoding) != FieldRead::Read)
            return list;
        list.titles << field;
    }
    list.complete = true;
    return list;
}

QByteArray worksheetListBytes(const QStringList& titles, TextEncoding encoding) {
    const bool utf8 = encoding == TextEncoding::Utf8;
    QByteArray bytes = utf8 ? QByteArray(kUtf8Mark) : QByteArray();
    bytes += ' ' + QByteArray::number(titles.size()) + " \r\n";
    for (const QString& title : titles)
        bytes += (utf8 ? title.toUtf8() : encodeWindows1252(title)) + "\r\n";
    return bytes;
}

WorksheetList::WorksheetList(const QString& folder) : folder_(folder) {}

QString WorksheetList::path() const {
    return QDir(folder_).filePath(QStringLiteral("track.txt"));
}

WorksheetTitles WorksheetList::read() const {
    QFile file(path());
    // Read straight from the file: a damaged list is never held whole.
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readWorksheetTitles(file);
}

WorksheetList::Change WorksheetList::change(const std::function<Outcome(QStringList&)>& edit) {
    Change result;
    QLockFile lock(QDir(folder_).filePath(QStringLiteral("track.lock")));
    if (!lockList(lock)) {
        result.error =
            QStringLiteral("The worksheet list is in use or its folder cannot be written.");
        return result;
    }
    // Read again under the lock: another teacher may have changed it since.
    WorksheetTitles current;
    if (QFile::exists(path())) {
        current = read();
        if (!current.complete) {
            // Writing back what could be read would lose the rest.
            result.error = QStringLiteral("The worksheet list cannot be read.");
            return result;
        }
    }
    result.titles = current.titles;
    result.outcome = edit(result.titles);
    if (result.outcome == Outcome::Changed || !QFile::exists(path())) {
        if (auto error = replaceFile(path(), worksheetListBytes(result.titles, current.encoding))) {
            result.outcome = Outcome::Failed;
            result.titles = current.titles;
            result.error = *error;
        }
    }
    return result;
}

WorksheetList::Change WorksheetList::add(const QString& title) {
    return change([&title](QStringList& titles) {
        if (titles.contains(title))
            return Outcome::Unchanged;
        if (titles.size() >= kMaxWorksheets)
            return Outcome::Full;
        titles << title;
        return Outcome::Changed;
    });
}

WorksheetList::Change WorksheetList::remove(const QString& title) {
    return change([&title](QStringList& titles) {
        const qsizetype at = titles.lastIndexOf(title);
        if (at < 0)
            return Outcome::Unchanged;
        titles.removeAt(at);
        return Outcome::Changed;
    });
}

WorksheetList::Change WorksheetList::create() {
    return change([](QStringList&) { return Outcome::Unchanged; });
}

} // namespace worksheets
