#pragma once
// What tells the three topic screens apart.

#include <QColor>
#include <QString>

namespace topics {

enum class Topic { Tides, Sun, Life };

struct NotesSet {
    int numpages;
    QString notesfile;  // the stem of the page files
    QString firstPage;  // screen version, "wmf\..."
    QString firstPrint; // print version, "wmf2\..."
};

struct TopicInfo {
    QString screenName;
    QString title;
    double titleHeight;
    QColor background;
    QColor highlight; // command labels' background while highlighted
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
