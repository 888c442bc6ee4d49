// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What tells the three topic screens apart.

#include <QColor>
#include <QString>

namespace topics {

enum class Topic { Tides, Sun, Life };

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
    bool hasActivities; // labelling and ordering activities
    NotesSet keyFacts;
    NotesSet teachersNotes;
};

const TopicInfo& topicInfo(Topic topic);

} // namespace topics
