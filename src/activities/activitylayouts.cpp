// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activitylayouts.h"

#include "common/contentfile.h"
#include "common/style.h"
#include "platform/twips.h"

#include <QRegularExpression>
#include <QSet>

namespace activities {

using common::ContentFields;
using common::refuse;
namespace style = common::style;

namespace {

constexpr double kWidth = platform::kClientWidthTwips;
constexpr double kHeight = platform::kClientHeightTwips;
constexpr double kMaxPoints = 72;

Qt::Alignment alignment(const ContentFields& fields) {
    const QString align = fields.text("align", 10);
    if (align == QLatin1String("left"))
        return Qt::AlignLeft;
    if (align == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (align == QLatin1String("right"))
        return Qt::AlignRight;
    refuse(QStringLiteral("\"%1\" must be \"left\", \"center\" or \"right\"")
               .arg(fields.name("align")));
}

// A text's or picture's place: some of it must show on the screen.
TwipRect visibleRect(const ContentFields& fields, const char* key) {
    const std::vector<double> r = fields.numbers(key, 4, -kWidth, 2 * kWidth);
    const TwipRect rect{float(r[0]), float(r[1]), float(r[2]), float(r[3])};
    if (rect.width <= 0 || rect.height <= 0 || rect.left + rect.width <= 0 ||
        rect.top + rect.height <= 0 || rect.left >= kWidth || rect.top >= kHeight)
        refuse(QStringLiteral("\"%1\" lies outside the window").arg(fields.name(key)));
    return rect;
}

// A label's or box's corner: the whole label must lie inside the screen.
TwipPoint labelPlace(const std::vector<double>& corner, const QString& path, float width,
                     float height) {
    if (corner[0] < 0 || corner[1] < 0 || corner[0] + width > kWidth ||
        corner[1] + height > kHeight)
        refuse(QStringLiteral("\"%1\" puts a label outside the window (%2 by %3 twips)")
                   .arg(path)
                   .arg(kWidth)
                   .arg(kHeight));
    return {float(corner[0]), float(corner[1])};
}

TextSpec textSpec(const ContentFields& t) {
    TextSpec item;
    item.text = t.text("text");
    item.rect = visibleRect(t, "rect");
    item.font = t.text("font", 40);
    if (item.font != style::kTahoma && item.font != style::kTimes && item.font != style::kArial)
        refuse(QStringLiteral("\"%1\" must be \"Tahoma\", \"Times New Roman\" or \"Arial\"")
                   .arg(t.name("font")));
    item.points = t.number("points", 1, kMaxPoints);
    item.bold = t.flag("bold");
    item.colour = t.colour("colour");
    item.align = alignment(t);
    return item;
}

ActivityLayout read(const QByteArray& bytes) {
    const ContentFields file(common::parseContentObject(bytes));
    ActivityLayout a;
    a.screenName = file.text("screen", 64);
    static const QRegularExpression identifier(QStringLiteral("^[a-z][A-Za-z0-9]*Screen$"));
    if (!identifier.match(a.screenName).hasMatch())
        refuse(QStringLiteral("\"screen\" must be a name such as \"planetsOrderScreen\": "
                              "letters and digits, ending in \"Screen\""));
    const QString kind = file.text("kind", 20);
    if (kind == QLatin1String("ordering"))
        a.kind = ActivityKind::Ordering;
    else if (kind == QLatin1String("labelling"))
        a.kind = ActivityKind::Labelling;
    else
        refuse(QStringLiteral("\"kind\" must be \"ordering\" or \"labelling\""));
    if (file.has("background"))
        a.background = file.colour("background");

    const ContentFields label = file.object("label");
    a.labelWidth = float(label.number("width", 1, kWidth));
    a.labelHeight = float(label.number("height", 1, kHeight));
    a.labelPoints = label.number("points", 1, kMaxPoints);

    const ContentFields title = file.object("title");
    a.title = {QString(),       visibleRect(title, "rect"),
               style::kTimes,   title.number("points", 1, kMaxPoints),
               false,           style::kYellow,
               alignment(title)};

    const QJsonArray texts = file.has("texts") ? file.array("texts") : QJsonArray();
    for (int i = 0; i < texts.size(); ++i)
        a.texts.push_back(textSpec(file.item("texts", texts, i)));

    const QJsonArray lines = file.has("lines") ? file.array("lines") : QJsonArray();
    for (int i = 0; i < lines.size(); ++i) {
        const QString path = QStringLiteral("lines[%1]").arg(i);
        const std::vector<double> l = file.numbers(lines.at(i), path, 4, 0, 2 * kWidth);
        if (l[0] > kWidth || l[2] > kWidth || l[1] > kHeight || l[3] > kHeight)
            refuse(QStringLiteral("\"%1\" lies outside the window").arg(path));
        a.lines.push_back({float(l[0]), float(l[1]), float(l[2]), float(l[3])});
    }

    const QJsonArray pictures = file.has("pictures") ? file.array("pictures") : QJsonArray();
    for (int i = 0; i < pictures.size(); ++i) {
        const ContentFields p = file.item("pictures", pictures, i);
        a.pictures.push_back({p.contentPath("path"), visibleRect(p, "rect"), p.flag("stretched")});
    }

    const QJsonArray boxes = file.array("boxes", kMaxBoxes);
    const QJsonArray starts = file.array("starts", kMaxBoxes);
    if (boxes.isEmpty())
        refuse(QStringLiteral("\"boxes\" is empty: an activity needs at least one box"));
    if (boxes.size() != starts.size())
        refuse(QStringLiteral("there are %1 boxes but %2 starting places: every label needs one "
                              "box (its answer) and one starting place")
                   .arg(boxes.size())
                   .arg(starts.size()));
    QSet<QString> answers;
    for (int i = 0; i < boxes.size(); ++i) {
        const ContentFields b = file.item("boxes", boxes, i);
        const QString answer = b.text("answer", 200);
        if (answers.contains(answer))
            refuse(QStringLiteral("two boxes have the answer \"%1\": each label belongs in "
                                  "exactly one box")
                       .arg(answer));
        answers.insert(answer);
        const QString path = b.name("left") + QStringLiteral(", ") + b.name("top");
        const std::vector<double> corner = {b.number("left", -kWidth, 2 * kWidth),
                                            b.number("top", -kHeight, 2 * kHeight)};
        const TwipPoint at = labelPlace(corner, path, a.labelWidth, a.labelHeight);
        a.boxes.push_back({answer, at.left, at.top, b.text("standsBy", 200)});
        const QString startPath = QStringLiteral("starts[%1]").arg(i);
        a.starts.push_back(labelPlace(file.numbers(starts.at(i), startPath, 2, -kWidth, 2 * kWidth),
                                      startPath, a.labelWidth, a.labelHeight));
    }

    const int textCount = int(a.texts.size());
    if (file.has("textAboveLabels")) {
        if (textCount == 0)
            refuse(QStringLiteral("\"textAboveLabels\" names a text, but there are none"));
        a.textAboveLabels = file.integer("textAboveLabels", 0, textCount - 1);
    }
    if (file.has("wordMark")) {
        if (textCount < 2)
            refuse(QStringLiteral("\"wordMark\" needs two texts"));
        const ContentFields mark = file.object("wordMark");
        a.wordMark = WordMark{mark.integer("text", 0, textCount - 1),
                              mark.integer("marker", 0, textCount - 1)};
        if (a.wordMark->text == a.wordMark->marker)
            refuse(QStringLiteral("\"wordMark\" must name two different texts"));
    }
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

ActivityRead readActivityLayout(const QByteArray& bytes, const QString& contentPath) {
    try {
        ActivityLayout layout = read(bytes);
        layout.source = contentPath;
        return {std::move(layout), QString()};
    } catch (const common::ContentRefusal& refusal) {
        return {std::nullopt, common::refusalMessage(contentPath, refusal.problem)};
    }
}

ActivityRead loadActivityLayout(const QString& contentPath) {
    try {
        return readActivityLayout(common::readContentBytes(contentPath), contentPath);
    } catch (const common::ContentRefusal& refusal) {
        return {std::nullopt, common::refusalMessage(contentPath, refusal.problem)};
    }
}

} // namespace activities
