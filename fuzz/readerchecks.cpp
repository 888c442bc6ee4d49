// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerchecks.h"

#include "activities/activitylayouts.h"
#include "common/contentfile.h"
#include "common/sharedstate.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/sounddecoder.h"
#include "platform/twips.h"
#include "questions/fields.h"
#include "questions/questionfile.h"
#include "topics/topicinfo.h"
#include "worksheets/worksheetlist.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

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

QString checkTopicFile(const QByteArray& bytes, const QString& scratch) {
    platform::setContentRoot(scratch);
    // The shipped activity files exist, so that seeds naming them are accepted.
    QDir(scratch).mkpath(QStringLiteral("activities"));
    for (const char* name : {"sun order", "sun label", "life order", "life label"})
        if (!writeFile(QDir(scratch).filePath(QStringLiteral("activities/%1.json").arg(name)), {}))
            return QStringLiteral("cannot write the scratch file");
    const topics::TopicRead read = topics::readTopicInfo(bytes, QStringLiteral("topics\\t.json"));
    if (!read.info)
        return read.problem.startsWith(QStringLiteral("The file \"topics\\t.json\""))
                   ? QString()
                   : QStringLiteral("a refusal that does not name the file");
    const topics::TopicInfo& t = *read.info;
    static const QRegularExpression name(QStringLiteral("^[a-z][A-Za-z0-9]*Screen$"));
    if (!name.match(t.screenName).hasMatch())
        return QStringLiteral("screen name \"%1\"").arg(t.screenName);
    if (t.title.trimmed().isEmpty())
        return QStringLiteral("an empty title");
    for (const topics::NotesSet* set : {&t.keyFacts, &t.teachersNotes})
        if (set->pageCount < 1 || set->pageCount > topics::kMaxNotesPages)
            return QStringLiteral("%1 pages").arg(set->pageCount);
    if (!(t.pictureLeft >= 0 && t.pictureLeft <= platform::kClientWidthTwips && t.pictureTop >= 0 &&
          t.pictureTop <= platform::kClientHeightTwips))
        return QStringLiteral("the picture outside the window");
    for (const QString& file : {t.ordering, t.labelling})
        if (!file.isEmpty() && !platform::contentFileExists(file))
            return QStringLiteral("a missing activity file \"%1\"").arg(file);
    return {};
}

QString checkActivityFile(const QByteArray& bytes) {
    using activities::TwipRect;
    const activities::ActivityRead read =
        activities::readActivityLayout(bytes, QStringLiteral("activities\\a.json"));
    if (!read.layout)
        return read.problem.startsWith(QStringLiteral("The file \"activities\\a.json\""))
                   ? QString()
                   : QStringLiteral("a refusal that does not name the file");
    const activities::ActivityLayout& a = *read.layout;
    const int n = a.size();
    if (n < 1 || n > activities::kMaxBoxes || int(a.starts.size()) != n)
        return QStringLiteral("%1 boxes and %2 starting places").arg(n).arg(a.starts.size());
    QSet<QString> answers;
    const auto inside = [](const TwipRect& r) {
        return r.left >= 0 && r.top >= 0 && r.left + r.width <= platform::kClientWidthTwips &&
               r.top + r.height <= platform::kClientHeightTwips;
    };
    for (int i = 0; i < n; ++i) {
        const QString& answer = a.boxes[size_t(i)].answer;
        if (answer.trimmed().isEmpty() || answers.contains(answer))
            return QStringLiteral("box %1 has an empty or repeated answer").arg(i);
        answers.insert(answer);
        if (!inside(a.boxRect(i)) || !inside(a.startRect(i)))
            return QStringLiteral("box or starting place %1 outside the window").arg(i);
    }
    const int texts = int(a.texts.size());
    if (texts > common::kMaxContentItems || a.lines.size() > size_t(common::kMaxContentItems) ||
        a.pictures.size() > size_t(common::kMaxContentItems))
        return QStringLiteral("too many items");
    if (a.textAboveLabels < -1 || a.textAboveLabels >= texts)
        return QStringLiteral("text above the labels %1 of %2").arg(a.textAboveLabels).arg(texts);
    if (a.wordMark &&
        (a.wordMark->text < 0 || a.wordMark->text >= texts || a.wordMark->marker < 0 ||
         a.wordMark->marker >= texts || a.wordMark->text == a.wordMark->marker))
        return QStringLiteral("a word mark of texts that do not exist");
    if (a.makeBoard().size() != n)
        return QStringLiteral("a board of another size");
    return {};
}

} // namespace fuzzchecks
