// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetlist.h"

#include "questions/fields.h"
#include "questions/plainfile.h"
#include "questions/questionfile.h"
#include "questions/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace worksheets {
WorksheetTitles readWorksheetTitles(QIODevice& file) {
    WorksheetTitles list;
    const TextEncoding encoding = readEncodingMark(file);
    list.encoding = encoding;
    QString field;
    if (readField(file, field, encoding) != FieldRead::Read)
        return list;
    bool isNumber = false;
    const int count = field.trimmed().toInt(&isNumber);
    if (!isNumber || count < 0)
        return list;
    // Of a list longer than the program keeps, the first titles are shown;
    // it stays incomplete, so that it is never written back shortened.
    const int kept = std::min(count, kMaxWorksheets);
    list.titles.reserve(kept);
    for (int i = 0; i < kept; ++i) {
        if (readField(file, field, encoding) != FieldRead::Read)
            return list;
        list.titles << field;
    }
    list.complete = count == kept;
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

WorksheetList::WorksheetList(const QString& folder, ListLock::Pause pause)
    : folder_(folder), pause_(std::move(pause)) {}

QString WorksheetList::path() const {
    return QDir(folder_).filePath(QLatin1String(kListTitle) + QStringLiteral(".txt"));
}

WorksheetTitles WorksheetList::read() const {
    QFile file;
    // Read straight from the file: a damaged list is never held whole. A
    // pipe or a folder in its place reads as a list that cannot be read.
    if (openPlainFile(file, path()).outcome != PlainFileOpen::Outcome::Opened)
        return {};
    return readWorksheetTitles(file);
}

WorksheetList::Change WorksheetList::change(const std::function<Outcome(QStringList&)>& edit,
                                            const BeforeWriting& before) {
    Change result;
    ListLock lock(folder_, pause_);
    if (lock.take() != ListLock::Outcome::Taken) {
        result.error = lock.reason();
        return result;
    }
    // No one else writes now: what a killed writer left is removed.
    removeLeftovers(folder_);
    // Read again under the lock: another teacher may have changed it since.
    const bool exists = QFileInfo::exists(path());
    WorksheetTitles current;
    if (exists) {
        current = read();
        if (!current.complete) {
            // Writing back what could be read would lose the rest.
            result.error = QStringLiteral("The worksheet list cannot be read.");
            return result;
        }
    }
    result.titles = current.titles;
    result.outcome = edit(result.titles);
    const auto fail = [&](const QString& error) {
        result.outcome = Outcome::Failed;
        result.titles = current.titles;
        result.error = error;
        return result;
    };
    if (result.outcome == Outcome::Full)
        return result;
    if (before) {
        if (std::optional<QString> error = before())
            return fail(*error);
    }
    if (result.outcome == Outcome::Changed || !exists) {
        if (auto error = replaceFile(path(), worksheetListBytes(result.titles, current.encoding)))
            return fail(*error);
    }
    return result;
}

WorksheetList::Change WorksheetList::add(const QString& title, const BeforeWriting& before) {
    return change(
        [&title](QStringList& titles) {
            if (titles.contains(title))
                return Outcome::Unchanged;
            if (titles.size() >= kMaxWorksheets)
                return Outcome::Full;
            titles << title;
            return Outcome::Changed;
        },
        before);
}

WorksheetList::Change WorksheetList::remove(const QString& title) {
    return change(
        [&title](QStringList& titles) {
            const qsizetype at = titles.lastIndexOf(title);
            if (at < 0)
                return Outcome::Unchanged;
            titles.removeAt(at);
            return Outcome::Changed;
        },
        {});
}

WorksheetList::Change WorksheetList::create() {
    Change result;
    result.outcome = Outcome::Unchanged;
    // Put in place only where no list is: a teacher's list made meanwhile stays.
    if (auto error = createFile(path(), worksheetListBytes({}))) {
        result.outcome = Outcome::Failed;
        result.error = *error;
    }
    return result;
}

} // namespace worksheets
