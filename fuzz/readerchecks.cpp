// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerchecks.h"

#include "common/sharedstate.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/sounddecoder.h"
#include "worksheets/fields.h"
#include "worksheets/questionfile.h"
#include "worksheets/worksheetlist.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace fuzzchecks {
namespace {

using worksheets::decodeWindows1252;
using worksheets::encodeWindows1252;

// A text as it comes back from a file written in the code page.
QString inCodePage(const QString& text) {
    return decodeWindows1252(encodeWindows1252(text));
}

common::QuestionSet inCodePage(common::QuestionSet set) {
    set.title = inCodePage(set.title);
    for (int n = 1; n <= worksheets::kQuestionCount; ++n) {
        for (auto* texts : {&set.questionText, &set.optionA, &set.optionB, &set.optionC,
                            &set.optionD, &set.rightAnswer})
            (*texts)[n] = inCodePage((*texts)[n]);
    }
    return set;
}

bool sameSet(const common::QuestionSet& a, const common::QuestionSet& b) {
    if (a.title != b.title)
        return false;
    for (int n = 1; n <= worksheets::kQuestionCount; ++n) {
        if (a.questionText[n] != b.questionText[n] || a.optionA[n] != b.optionA[n] ||
            a.optionB[n] != b.optionB[n] || a.optionC[n] != b.optionC[n] ||
            a.optionD[n] != b.optionD[n] || a.rightAnswer[n] != b.rightAnswer[n])
            return false;
    }
    return true;
}

template <class Read> auto readFrom(QByteArray bytes, Read read) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

QString checkQuestionFile(const QByteArray& bytes) {
    const worksheets::QuestionSetRead read = readFrom(bytes, worksheets::readQuestionSet);
    if (read.set) {
        for (int n = 1; n <= worksheets::kQuestionCount; ++n) {
            const QString& answer = read.set->rightAnswer[n];
            if (answer.size() != 1 || answer[0] < u'1' || answer[0] > u'4')
                return QStringLiteral("accepted right answer \"%1\"").arg(answer);
        }
        const common::QuestionSet expected = inCodePage(*read.set);
        const worksheets::QuestionSetRead again =
            readFrom(worksheets::questionSetBytes(*read.set), worksheets::readQuestionSet);
        if (!again.set)
            return QStringLiteral("written set refused: ") + again.error;
        if (!sameSet(*again.set, expected))
            return QStringLiteral("written set reads back changed");
    } else if (read.error.isEmpty()) {
        return QStringLiteral("refused without a reason");
    }

    common::QuestionSet& loaded = common::state().questions;
    loaded = common::QuestionSet();
    loaded.title = QStringLiteral("\x01previous");
    const std::optional<QString> error = readFrom(bytes, worksheets::loadQuestionSet);
    if (error.has_value() == read.set.has_value())
        return QStringLiteral("loading and reading disagree");
    if (error && loaded.title != QStringLiteral("\x01previous"))
        return QStringLiteral("a refused file changed the loaded set");
    return {};
}

QString checkWorksheetList(const QByteArray& bytes) {
    const worksheets::WorksheetTitles read = readFrom(bytes, worksheets::readWorksheetTitles);
    if (read.titles.size() > worksheets::kMaxWorksheets)
        return QStringLiteral("%1 titles").arg(read.titles.size());
    if (!read.complete)
        return {};
    QStringList expected;
    for (const QString& title : read.titles) {
        if (title.contains(u',') || title.contains(u'\r') || title.contains(u'\n'))
            return QStringLiteral("a title holds a field's end");
        if (title.size() > worksheets::kMaxLineBytes)
            return QStringLiteral("a title beyond the line bound");
        expected << (read.encoding == worksheets::TextEncoding::Utf8 ? title : inCodePage(title));
    }
    const worksheets::WorksheetTitles again =
        readFrom(worksheets::worksheetListBytes(read.titles, read.encoding),
                 worksheets::readWorksheetTitles);
    if (!again.complete || again.titles != expected)
        return QStringLiteral("written list reads back changed");
    return {};
}

QString checkSound(const QByteArray& bytes, const QString& scratch) {
    const QString path = QDir(scratch).filePath(QStringLiteral("sound.wav"));
    if (!writeFile(path, bytes))
        return QStringLiteral("cannot write the scratch file");
    const std::optional<platform::DecodedSound> sound = platform::decodeSoundFile(path);
    if (!sound)
        return {};
    if (sound->channels < 1 || sound->channels > 2)
        return QStringLiteral("%1 channels").arg(sound->channels);
    if (sound->sampleRate < 1000 || sound->sampleRate > 192000)
        return QStringLiteral("rate %1").arg(sound->sampleRate);
    if (sound->samples.size() % (2 * sound->channels) != 0)
        return QStringLiteral("a partial frame");
    if (sound->frameCount() > 48000 * 60)
        return QStringLiteral("%1 frames").arg(sound->frameCount());
    return {};
}

QString checkPicture(const QByteArray& bytes, const QString& scratch) {
    platform::setContentRoot(scratch);
    if (!writeFile(QDir(scratch).filePath(QStringLiteral("picture.jpg")), bytes))
        return QStringLiteral("cannot write the scratch file");
    const platform::Picture picture = platform::Picture::load(QStringLiteral("picture.jpg"));
    const QSize size = picture.image().size();
    if (qint64(size.width()) * size.height() > 2048 * 2048)
        return QStringLiteral("a %1 by %2 picture").arg(size.width()).arg(size.height());
    if (picture.isMetafile())
        (void)picture.naturalSize();
    return {};
}

} // namespace fuzzchecks
