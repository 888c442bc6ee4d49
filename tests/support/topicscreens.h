// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipped topics' and activities' screens, loaded as the menu loads them; refusal is fatal.

#include "activities/activityscreen.h"
#include "topics/topicscreen.h"

#include <QtGlobal>

namespace testenv {

inline topics::TopicScreen& topicNamed(const QString& title) {
    QString problem;
    topics::TopicScreen* screen = topics::topicScreen(title, &problem);
    if (!screen)
        qFatal("%s", qPrintable(problem));
    return *screen;
}
inline topics::TopicScreen& tidesScreen() {
    return topicNamed(QStringLiteral("The Tides"));
}
inline topics::TopicScreen& sunScreen() {
    return topicNamed(QStringLiteral("The Sun and other Stars"));
}
inline topics::TopicScreen& lifeScreen() {
    return topicNamed(QStringLiteral("Life on Earth"));
}

inline activities::ActivityScreen& activityNamed(const QString& contentPath) {
    QString problem;
    activities::ActivityScreen* screen = activities::activityScreen(contentPath, &problem);
    if (!screen)
        qFatal("%s", qPrintable(problem));
    return *screen;
}

} // namespace testenv
