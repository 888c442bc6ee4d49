// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/topicinfo.h"

namespace topics {

const TopicInfo& topicInfo(Topic topic) {
    static const TopicInfo tides{
        QStringLiteral("tidesScreen"),
        QStringLiteral("The Tides"),
        780,
        QColor(39, 63, 137),
        Qt::black,
        QStringLiteral("Images\\tide.jpg"),
        false,
        0,
        0,
        QStringLiteral("multiple\\The Tides.txt"),
        QStringLiteral("images\\tidesm.jpg"),
        false,
        {3, QStringLiteral("key tides"), QStringLiteral("wmf\\key tidesa.wmf"),
         QStringLiteral("wmf2\\key tidesa.wmf")},
        {2, QStringLiteral("tides"), QStringLiteral("wmf\\tidesa.wmf"),
         QStringLiteral("wmf2\\tidesa.wmf")},
    };
    static const TopicInfo sun{
        QStringLiteral("sunScreen"),
        QStringLiteral("The Sun and other Stars"),
        900,
        Qt::black,
        QColor(0, 0, 192),
        QStringLiteral("Images\\spiralgalaxy.jpg"),
        true,
        900,
        0,
        QStringLiteral("multiple\\The Sun and other Stars.txt"),
        QStringLiteral("images\\m51sm.jpg"),
        true,
        {2, QStringLiteral("key sun"), QStringLiteral("wmf\\key suna.wmf"),
         QStringLiteral("wmf2\\key suna.wmf")},
        {2, QStringLiteral("sun"), QStringLiteral("wmf\\suna.wmf"),
         QStringLiteral("wmf2\\suna.wmf")},
    };
    static const TopicInfo life{
        QStringLiteral("lifeScreen"),
        QStringLiteral("Life on Earth"),
        780,
        QColor(39, 63, 137),
        Qt::black,
        QStringLiteral("Images\\babyseal.jpg"),
        true,
        810,
        2160,
        QStringLiteral("multiple\\Life on Earth.txt"),
        QStringLiteral("images\\babysealsm.jpg"),
        true,
        {3, QStringLiteral("key life"), QStringLiteral("wmf\\key lifea.wmf"),
         QStringLiteral("wmf2\\key lifea.wmf")},
        {2, QStringLiteral("life"), QStringLiteral("wmf\\lifea.wmf"),
         QStringLiteral("wmf2\\lifea.wmf")},
    };
    switch (topic) {
    case Topic::Tides:
        return tides;
    case Topic::Sun:
        return sun;
    case Topic::Life:
    default:
        return life;
    }
}

} // namespace topics
