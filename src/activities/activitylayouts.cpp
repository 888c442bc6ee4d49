// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activitylayouts.h"

#include "common/style.h"

namespace activities {
namespace {

using common::style::kTahoma;
using common::style::kTimes;
using common::style::kYellow;

const QColor kGreen(0, 255, 0);
const QColor kLightCyan(128, 255, 255);
const QColor kDarkRed(192, 0, 0);
const QString kDragHint = QStringLiteral("Drag the labels into the correct boxes.");

TextSpec text(const char* words, TwipRect rect, const QString& font, double points, bool bold,
              const QColor& colour, Qt::Alignment align) {
    return {QString::fromUtf8(words), rect, font, points, bold, colour, align};
}

// The title's text is whatever the opener sets.
TextSpec title(TwipRect rect, double points, Qt::Alignment align) {
    return {QString(), rect, kTimes, points, false, kYellow, align};
}

TextSpec heading(const char* words, TwipRect rect) {
    return text(words, rect, kTimes, 20.25, false, kGreen, Qt::AlignHCenter);
}

TextSpec instruction(TwipRect rect) {
    return {kDragHint, rect, kTahoma, 12, true, kLightCyan, Qt::AlignHCenter};
}

// A description beside a picture on the labelling screens.
TextSpec description(const char* words, TwipRect rect) {
    return text(words, rect, kTimes, 14.25, false, kYellow, Qt::AlignHCenter);
}

QString byPicture(const TextSpec& described) {
    return QStringLiteral("the picture described as \"%1\"").arg(described.text);
}

ActivityLayout makeLifeTimeline() {
    ActivityLayout a;
    a.screenName = QStringLiteral("lifeTimelineScreen");
    a.labelWidth = 1755;
    a.labelHeight = 975;
    a.labelPoints = 11.25;
    a.title = title({120, 240, 2985, 705}, 24, Qt::AlignHCenter);
    a.texts = {
        heading("Label the timeline with the significant events in the evolution of life on "
                "Earth.",
                {4320, 120, 6825, 1545}),
        instruction({120, 7800, 2625, 705}),
    };
    struct Caption {
        const char* words;
        float left, top;
    };
    const Caption captions[] = {
        {"4,500 million years ago", 480, 3240},  {"3,500 million years ago", 2400, 4380},
        {"1,000 million years ago", 7200, 3240}, {"360 million years ago", 8100, 4380},
        {"220 million years ago", 9240, 3240},   {"100 thousand years ago", 9840, 4380},
    };
    for (const Caption& c : captions)
        a.texts.push_back(text(c.words, {c.left, c.top, 1575, 615}, kTahoma, 11.25, true, kYellow,
                               Qt::AlignHCenter));
    // Marks the word "thousand" of the last caption in dark red.
    a.texts.push_back(text("thousand", {10335, 4380, 1095, 615}, kTahoma, 11.25, true, kDarkRed,
                           Qt::AlignHCenter));
    a.wordMark = WordMark{int(a.texts.size()) - 2, int(a.texts.size()) - 1};

    a.lines = {{1200, 4080, 10200, 4080}};
    const float tickX[] = {1200, 3195, 8205, 9475, 9765, 10200};
    for (int i = 0; i < 6; ++i) {
        const bool above = i % 2 == 0;
        a.lines.push_back({tickX[i], above ? 3840.f : 4080.f, tickX[i], above ? 4080.f : 4320.f});
    }

    a.boxes = {
        {QStringLiteral("The first creatures with many cells."), 7080, 2160,
         QStringLiteral("1,000 million years ago")},
        {QStringLiteral("The Sun, Earth, Moon and planets formed"), 360, 2160,
         QStringLiteral("4,500 million years ago")},
        {QStringLiteral("The first mammals evolved."), 9120, 2160,
         QStringLiteral("220 million years ago")},
        {QStringLiteral("The earliest known life. Bacteria"), 2280, 4980,
         QStringLiteral("3,500 million years ago")},
        {QStringLiteral("The first land animals evolved."), 7980, 4980,
         QStringLiteral("360 million years ago")},
        {QStringLiteral("The first human beings evolved."), 9840, 4980,
         QStringLiteral("100 thousand years ago")},
    };
    a.starts = {{6000, 6720}, {7800, 6720}, {9600, 6720}, {600, 6720}, {4200, 6720}, {2400, 6720}};
    return a;
}

ActivityLayout makeBigNumbers() {
    ActivityLayout a;
    a.screenName = QStringLiteral("bigNumbersScreen");
    a.background = QColor(39, 55, 131);
    a.labelWidth = 3795;
    a.labelHeight = 495;
    a.labelPoints = 15.75;
    a.title = title({120, 120, 3465, 1185}, 24, Qt::AlignHCenter);
    a.texts = {
        heading("When studying the stars and planets we come across lots of enormous numbers. "
                "Match these numbers to their names.",
                {120, 2400, 4560, 2385}),
        instruction({120, 7920, 2745, 705}),
    };
    const char* figures[] = {"1,000,000,000,000", "1,000,000,000", "100,000,000",
                             "10,000,000",        "1,000,000",     "100,000"};
    for (int i = 0; i < 6; ++i) {
        const float top = 300 + 1080.f * float(i);
        a.texts.push_back(text(figures[i], {4200, top, 3225, 345}, kTahoma, 15.75, true, kYellow,
                               Qt::AlignRight));
        // A short connector from the number to its box.
        const float y = 480 + 1080.f * float(i);
        a.lines.push_back({7560, y, 7800, y});
    }

    a.boxes = {
        {QStringLiteral("One hundred million"), 8040, 2400, QStringLiteral("100,000,000")},
        {QStringLiteral("One trillion"), 8040, 240, QStringLiteral("1,000,000,000,000")},
        {QStringLiteral("One million"), 8040, 4560, QStringLiteral("1,000,000")},
        {QStringLiteral("One billion"), 8040, 1320, QStringLiteral("1,000,000,000")},
        {QStringLiteral("Ten million"), 8040, 3480, QStringLiteral("10,000,000")},
        {QStringLiteral("One hundred thousand"), 8040, 5640, QStringLiteral("100,000")},
    };
    a.starts = {{7920, 6600}, {240, 6600}, {4080, 6600}, {7920, 7200}, {240, 7200}, {4080, 7200}};
    return a;
}

ActivityLayout makeStarLife() {
    ActivityLayout a;
    a.screenName = QStringLiteral("starLifeScreen");
    a.background = QColor(0, 51, 154);
    a.labelWidth = 1680;
    a.labelHeight = 375;
    a.labelPoints = 11.25;
    a.title = title({0, 0, 12000, 825}, 27.75, Qt::AlignHCenter);
    const TextSpec redGiant = description(
        "In a few billion years time the Sun will swell up into an enormous red giant that will "
        "swallow up the inner planets.",
        {4440, 840, 4425, 1065});
    const TextSpec gasCloud = description("The Sun formed when part of a huge gas cloud collapsed.",
                                          {240, 120, 2385, 945});
    const TextSpec sun =
        description("The Sun has been steadily burning its nuclear fuel for 4.5 billion years.",
                    {2340, 4200, 2235, 1425});
    const TextSpec whiteDwarf =
        description("After throwing off its outer layers of gas, the remains of the star will be "
                    "crushed down into a white dwarf. A star that is no bigger than a planet.",
                    {8940, 2400, 2865, 2025});
    a.texts = {
        text("Label the stages in the life cycle of the Sun and other similar stars.",
             {120, 5280, 2055, 1305}, kTimes, 14.25, false, kYellow, Qt::AlignLeft),
        redGiant,
        gasCloud,
        sun,
        whiteDwarf,
        description("The stages in the life cycle are not shown to scale.",
                    {9480, 120, 2235, 1425}),
    };
    a.textAboveLabels = 5;

    a.pictures = {
        {QStringLiteral("Images\\sunsm.jpg"), {2520, 5520, 1800, 1800}, false},
        {QStringLiteral("Images\\gascloud.jpg"), {120, 1200, 2760, 2820}, true},
        {QStringLiteral("Images\\redgiant.jpg"), {4320, 1800, 4590, 4485}, false},
        {QStringLiteral("Images\\whitedwa.jpg"), {9000, 4440, 2790, 2760}, true},
    };
    a.boxes = {
        {QStringLiteral("White Dwarf"), 9600, 7260, byPicture(whiteDwarf)},
        {QStringLiteral("Red Giant"), 5760, 6240, byPicture(redGiant)},
        {QStringLiteral("Gas Cloud"), 600, 4080, byPicture(gasCloud)},
        {QStringLiteral("The Sun"), 2580, 7320, byPicture(sun)},
    };
    a.starts = {{300, 6600}, {300, 8040}, {300, 7560}, {300, 7080}};
    return a;
}

ActivityLayout makeInnerPlanets() {
    ActivityLayout a;
    a.screenName = QStringLiteral("innerPlanetsScreen");
    a.background = QColor(0, 51, 154);
    a.labelWidth = 1680;
    a.labelHeight = 375;
    a.labelPoints = 11.25;
    a.title = title({240, 120, 2985, 705}, 27.75, Qt::AlignLeft);
    const TextSpec sun = description("Far too hot for life to exist and with no solid surface.",
                                     {120, 1320, 3105, 585});
    const TextSpec mercury =
        description("Very hot and too close to the Sun for life.", {3240, 1920, 1785, 945});
    const TextSpec venus = description(
        "Extremely hot with a thick heavy atmosphere. Any life would be roasted and crushed.",
        {4860, 3000, 2745, 1185});
    const TextSpec earth = description(
        "Plenty of water and atmosphere, and just the right temperature for life to thrive.",
        {7020, 1080, 3345, 1185});
    const TextSpec moon = description("No atmosphere and no water. Impossible for life to survive.",
                                      {7440, 4920, 2505, 1065});
    const TextSpec mars = description("Thin atmosphere and not much water. Not ideal, but might "
                                      "have been home to simple life in the distant past.",
                                      {9900, 2400, 1905, 2265});
    a.texts = {
        text("Conditions must be very special for life to exist. Label these bodies in the "
             "inner solar system.",
             {3720, 120, 7905, 945}, kTimes, 18, true, kYellow, Qt::AlignLeft),
        sun,
        mercury,
        venus,
        earth,
        moon,
        mars,
    };

    // The sun picture starts beyond the screen's left edge.
    a.pictures = {
        {QStringLiteral("Images\\sun.jpg"), {-120, 1920, 3600, 3600}, false},
        {QStringLiteral("Images\\mercurysm.jpg"), {3360, 2880, 1470, 1425}, false},
        {QStringLiteral("Images\\venussm.jpg"), {4980, 4320, 2250, 2040}, false},
        {QStringLiteral("Images\\earth2sm.jpg"), {7560, 2040, 2250, 2310}, false},
        {QStringLiteral("Images\\moonsm.jpg"), {8040, 5880, 1290, 1275}, false},
        {QStringLiteral("Images\\marssm.jpg"), {10200, 4680, 1545, 1500}, false},
    };
    a.boxes = {
        {QStringLiteral("The Earth"), 7860, 4320, byPicture(earth)},
        {QStringLiteral("The Moon"), 7800, 7200, byPicture(moon)},
        {QStringLiteral("Mercury"), 3240, 4320, byPicture(mercury)},
        {QStringLiteral("The Sun"), 840, 5400, byPicture(sun)},
        {QStringLiteral("Venus"), 5250, 6360, byPicture(venus)},
        {QStringLiteral("Mars"), 10080, 6240, byPicture(mars)},
    };
    a.starts = {{120, 7440}, {120, 6960}, {3720, 7440}, {1920, 6960}, {1920, 7440}, {3720, 6960}};
    return a;
}

} // namespace

TwipRect ActivityLayout::boxRect(int i) const {
    const BoxSpec& b = boxes[size_t(i)];
    return {b.left, b.top, labelWidth, labelHeight};
}

TwipRect ActivityLayout::startRect(int i) const {
    const TwipPoint& p = starts[size_t(i)];
    return {p.left, p.top, labelWidth, labelHeight};
}

DragBoard ActivityLayout::makeBoard() const {
    std::vector<TwipRect> boxRects, startRects;
    for (int i = 0; i < size(); ++i) {
        boxRects.push_back(boxRect(i));
        startRects.push_back(startRect(i));
    }
    return DragBoard(std::move(boxRects), std::move(startRects));
}

const ActivityLayout& lifeTimelineLayout() {
    static const ActivityLayout layout = makeLifeTimeline();
    return layout;
}
const ActivityLayout& bigNumbersLayout() {
    static const ActivityLayout layout = makeBigNumbers();
    return layout;
}
const ActivityLayout& starLifeLayout() {
    static const ActivityLayout layout = makeStarLife();
    return layout;
}
const ActivityLayout& innerPlanetsLayout() {
    static const ActivityLayout layout = makeInnerPlanets();
    return layout;
}

} // namespace activities
