// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What tells topic screens apart, as read from the topic's file
// "topics\<title>.json" (described in the content folder's README.md).

#include <QByteArray>
#include <QColor>
#include <QString>
#include <optional>

namespace topics {

struct NotesSet {
    int pageCount;
    QString notesFile;  // the stem of the page files
    QString firstPage;  // screen version, "wmf\..."
    QString firstPrint; // print version, "wmf2\..."
};

struct TopicInfo {
    QString screenName; // the registry key
    QString title;
    double titleHeight;
    QColor background;
    QColor highlight; // the buttons' background while highlighted
    QString picture;
    bool centred;       // the picture is centred across the window
    double pictureTop;  // design top of the picture
    double pictureLeft; // design left (before centring)
    QString questionFile;
    QString quizPicture;
    NotesSet keyFacts;
    NotesSet teachersNotes;
    QString ordering; // the activity files; empty when the topic has none
    QString labelling;
};

// The most pages a notes set may have: their files are lettered a to z.
constexpr int kMaxNotesPages = 26;

// The topic file's content path: "topics\<title>.json".
QString topicFilePath(const QString& title);

struct TopicRead {
    std::optional<TopicInfo> info;
    QString problem; // why it was refused, naming the file
};

// Reads a topic file's bytes; `contentPath` names it in the problem. The
// activity files it names must exist in the content folder.
TopicRead readTopicInfo(const QByteArray& bytes, const QString& contentPath);
// Reads the topic file of the topic titled so.
TopicRead loadTopicInfo(const QString& title);

} // namespace topics
