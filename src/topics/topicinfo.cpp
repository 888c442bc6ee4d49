// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/topicinfo.h"

#include "common/contentfile.h"
#include "platform/mediapaths.h"
#include "platform/twips.h"

#include <QRegularExpression>

namespace topics {

using common::ContentFields;
using common::refuse;

namespace {

NotesSet notesSet(const ContentFields& set) {
    const int pages = set.integer("pages", 1, kMaxNotesPages);
    const QString stem = set.text("stem", common::kMaxContentName);
    if (stem.contains(QLatin1Char('\\')) || stem.contains(QLatin1Char('/')))
        refuse(QStringLiteral("\"%1\" must be a file name without folders").arg(set.name("stem")));
    const QString first = stem + QLatin1Char('a') + QStringLiteral(".wmf");
    return {pages, stem, QStringLiteral("wmf\\") + first, QStringLiteral("wmf2\\") + first};
}

// An activity file named by the topic; it must exist.
QString activityFile(const ContentFields& topic, const char* key) {
    if (!topic.has(key))
        return QString();
    const QString path = topic.contentPath(key);
    if (!platform::contentFileExists(path))
        refuse(
            QStringLiteral("\"%1\" names \"%2\", which does not exist").arg(topic.name(key), path));
    return path;
}

TopicInfo read(const QByteArray& bytes) {
    const ContentFields topic(common::parseContentObject(bytes));
    TopicInfo info;
    info.screenName = topic.text("screen", 64);
    static const QRegularExpression identifier(QStringLiteral("^[a-z][A-Za-z0-9]*Screen$"));
    if (!identifier.match(info.screenName).hasMatch())
        refuse(QStringLiteral("\"screen\" must be a name such as \"solarSystemScreen\": letters "
                              "and digits, ending in \"Screen\""));
    info.title = topic.text("title", 60);
    info.titleHeight = topic.number("titleHeight", 1, platform::kClientHeightTwips);
    info.background = topic.colour("background");
    info.highlight = topic.colour("highlight");
    const ContentFields picture = topic.object("picture");
    info.picture = picture.contentPath("path");
    info.pictureLeft = picture.number("left", 0, platform::kClientWidthTwips);
    info.pictureTop = picture.number("top", 0, platform::kClientHeightTwips);
    info.centred = picture.flag("centred");
    info.questionFile = topic.contentPath("questionFile");
    info.quizPicture = topic.contentPath("quizPicture");
    info.keyFacts = notesSet(topic.object("keyFacts"));
    info.teachersNotes = notesSet(topic.object("teachersNotes"));
    info.ordering = activityFile(topic, "ordering");
    info.labelling = activityFile(topic, "labelling");
    return info;
}

} // namespace

QString topicFilePath(const QString& title) {
    return QStringLiteral("topics\\%1.json").arg(title);
}

TopicRead readTopicInfo(const QByteArray& bytes, const QString& contentPath) {
    try {
        return {read(bytes), QString()};
    } catch (const common::ContentRefusal& refusal) {
        return {std::nullopt, common::refusalMessage(contentPath, refusal.problem)};
    }
}

TopicRead loadTopicInfo(const QString& title) {
    const QString path = topicFilePath(title);
    try {
        TopicRead read = readTopicInfo(common::readContentBytes(path), path);
        // The menu finds a topic's file by the title it shows.
        if (read.info && read.info->title.compare(title, Qt::CaseInsensitive) != 0)
            refuse(QStringLiteral("its \"title\" is \"%1\", but the file is named after \"%2\"")
                       .arg(read.info->title, title));
        return read;
    } catch (const common::ContentRefusal& refusal) {
        return {std::nullopt, common::refusalMessage(path, refusal.problem)};
    }
}

} // namespace topics
