// SPDX-License-Identifier: GPL-3.0-or-later
// The content check: reads every topic and activity file of a content folder
// as the program does and checks what the program cannot check as it runs.
// Each problem is one line that names its file; the exit status is 1 when
// there are problems. See media/README.md.
//
//   check_content CONTENT_FOLDER [FILE...]

#include "activities/activityscreen.h"
#include "activities/dragboard.h"
#include "common/contentfile.h"
#include "platform/fonts.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "topics/topicinfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonDocument>
#include <QPainter>
#include <QSet>
#include <cstdio>

namespace {

constexpr double kMinPoints = 11;

class Checker {
public:
    explicit Checker(QString credits) : credits_(std::move(credits)) {}

    void checkTopic(const QString& file);
    void checkActivity(const QString& file, const QString& expectedKind = QString());
    int problems() const { return problems_; }

private:
    void problem(const QString& file, const QString& what) {
        std::printf("%s: %s\n", qPrintable(QString(file).replace('\\', '/')), qPrintable(what));
        ++problems_;
    }
    void needFile(const QString& file, const QString& named, const QString& role);
    void needCredit(const QString& file, const QString& picture);
    void needPage(const QString& file, const QString& page);
    void checkKeys(const QString& file);
    void checkScreenName(const QString& file, const QString& screen);
    void checkLabelsFit(const QString& file, const activities::ActivityLayout& layout);
    void checkCompletable(const QString& file, const activities::ActivityLayout& layout);

    QString credits_;
    QHash<QString, QString> screens_; // screen name -> file
    QSet<QString> activitiesChecked_;
    int problems_ = 0;
};

void Checker::needFile(const QString& file, const QString& named, const QString& role) {
    if (!platform::contentFileExists(named))
        problem(file, QStringLiteral("%1 \"%2\" does not exist").arg(role, named));
}

// A picture or sound is credited when CREDITS.md names its file.
void Checker::needCredit(const QString& file, const QString& picture) {
    const QString name = picture.section(QLatin1Char('\\'), -1);
    if (!credits_.contains(name, Qt::CaseInsensitive))
        problem(file, QStringLiteral("\"%1\" is not credited in CREDITS.md (name the file "
                                     "\"%2\" there with its source)")
                          .arg(picture, name));
}

void Checker::needPage(const QString& file, const QString& page) {
    if (!platform::contentFileExists(page)) {
        problem(file, QStringLiteral("notes page \"%1\" does not exist").arg(page));
        return;
    }
    const platform::Picture picture = platform::Picture::load(page);
    if (!picture.isMetafile() || picture.naturalSize().isEmpty()) {
        problem(file, QStringLiteral("notes page \"%1\" is not a readable metafile").arg(page));
        return;
    }
    QImage image(794, 577, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(image.rect()));
    painter.end();
    // A page that draws nothing at all is as good as missing.
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return;
    problem(file, QStringLiteral("notes page \"%1\" draws nothing").arg(page));
}

// Keys the program does not know are ignored by it, so a misspelt optional
// key ("labeling") would pass unnoticed.
void Checker::checkKeys(const QString& file) {
    static const QHash<QString, QStringList> known = {
        {QString(), {"format",          "screen",   "title",        "titleHeight", "background",
                     "highlight",       "picture",  "questionFile", "quizPicture", "keyFacts",
                     "teachersNotes",   "ordering", "labelling",    "kind",        "label",
                     "texts",           "lines",    "pictures",     "boxes",       "starts",
                     "textAboveLabels", "wordMark"}},
        {"picture", {"path", "left", "top", "centred"}},
        {"keyFacts", {"pages", "stem"}},
        {"teachersNotes", {"pages", "stem"}},
        {"label", {"width", "height", "points"}},
        {"title", {"rect", "points", "align"}},
        {"texts", {"text", "rect", "font", "points", "bold", "colour", "align"}},
        {"pictures", {"path", "rect", "stretched"}},
        {"boxes", {"answer", "left", "top", "standsBy"}},
        {"wordMark", {"text", "marker"}},
    };
    QFile f(platform::resolveContentPath(file));
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QJsonObject top = QJsonDocument::fromJson(f.read(common::kMaxContentFileBytes)).object();
    const auto check = [&](const QJsonObject& object, const QString& where) {
        for (const QString& key : object.keys())
            if (!known.value(where).contains(key))
                problem(file, QStringLiteral("unknown key \"%1%2\" (misspelt?)")
                                  .arg(where.isEmpty() ? QString() : where + '.', key));
    };
    check(top, QString());
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it->isObject() && known.contains(it.key()))
            check(it->toObject(), it.key());
        if (it->isArray() && known.contains(it.key()))
            for (const QJsonValue& item : it->toArray())
                if (item.isObject())
                    check(item.toObject(), it.key());
    }
}

void Checker::checkScreenName(const QString& file, const QString& screen) {
    const QString other = screens_.value(screen);
    if (!other.isEmpty() && other.compare(file, Qt::CaseInsensitive) != 0)
        problem(file,
                QStringLiteral("screen \"%1\" is also the screen of \"%2\"").arg(screen, other));
    screens_.insert(screen, file);
}

void Checker::checkTopic(const QString& file) {
    checkKeys(file);
    const QString title = QFileInfo(QString(file).replace('\\', '/')).completeBaseName();
    const topics::TopicRead read = topics::loadTopicInfo(title);
    if (!read.info) {
        problem(file, read.problem);
        return;
    }
    const topics::TopicInfo& topic = *read.info;
    checkScreenName(file, topic.screenName);
    for (const QString& picture : {topic.picture, topic.quizPicture}) {
        needFile(file, picture, QStringLiteral("picture"));
        needCredit(file, picture);
    }
    for (const topics::NotesSet* set : {&topic.keyFacts, &topic.teachersNotes})
        for (int page = 0; page < set->pageCount; ++page)
            for (const char* folder : {"wmf\\", "wmf2\\"})
                needPage(file, QLatin1String(folder) + set->notesFile + QChar('a' + page) +
                                   QStringLiteral(".wmf"));
    if (!platform::contentFileExists(topic.questionFile)) {
        problem(file,
                QStringLiteral("question file \"%1\" does not exist").arg(topic.questionFile));
    } else {
        const worksheets::QuestionFileLoad load =
            worksheets::loadQuestionFile(platform::resolveContentPath(topic.questionFile));
        if (load.outcome != worksheets::QuestionFileLoad::Outcome::Loaded)
            problem(file, QStringLiteral("question file \"%1\" breaks the question-file rules: %2")
                              .arg(topic.questionFile, load.reason));
    }
    if (!topic.ordering.isEmpty())
        checkActivity(topic.ordering, QStringLiteral("ordering"));
    if (!topic.labelling.isEmpty())
        checkActivity(topic.labelling, QStringLiteral("labelling"));
}

void Checker::checkActivity(const QString& file, const QString& expectedKind) {
    const activities::ActivityRead read = activities::loadActivityLayout(file);
    if (!read.layout) {
        problem(file, read.problem);
        return;
    }
    const activities::ActivityLayout& layout = *read.layout;
    const QString kind = layout.kind == activities::ActivityKind::Ordering
                             ? QStringLiteral("ordering")
                             : QStringLiteral("labelling");
    if (!expectedKind.isEmpty() && kind != expectedKind)
        problem(file, QStringLiteral("a topic names it as its %1 activity, but its \"kind\" is "
                                     "\"%2\"")
                          .arg(expectedKind, kind));
    if (activitiesChecked_.contains(file.toLower()))
        return;
    activitiesChecked_.insert(file.toLower());
    checkKeys(file);
    checkScreenName(file, layout.screenName);
    for (const activities::PictureSpec& picture : layout.pictures) {
        needFile(file, picture.path, QStringLiteral("picture"));
        needCredit(file, picture.path);
    }
    checkLabelsFit(file, layout);
    checkCompletable(file, layout);
}

// Every text as the screen draws it, after shrinking what does not fit.
void Checker::checkLabelsFit(const QString& file, const activities::ActivityLayout& layout) {
    activities::ActivityScreen screen(layout);
    for (size_t i = 0; i < screen.texts.size(); ++i) {
        const double points = screen.texts[i]->font().pointSizeF();
        if (points < kMinPoints)
            problem(file, QStringLiteral("texts[%1] is drawn at %2 pt (at least %3 pt; give it "
                                         "more room or fewer words)")
                              .arg(i)
                              .arg(points)
                              .arg(kMinPoints));
    }
    if (layout.labelPoints < kMinPoints)
        problem(file, QStringLiteral("label.points is %1 (at least %2)")
                          .arg(layout.labelPoints)
                          .arg(kMinPoints));
    if (layout.title.points < kMinPoints)
        problem(file, QStringLiteral("title.points is %1 (at least %2)")
                          .arg(layout.title.points)
                          .arg(kMinPoints));
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (size_t i = 0; i < screen.dragLabels.size(); ++i) {
        const platform::TextLabel* label = screen.dragLabels[i];
        if (!activities::fitsItsLines(label->font(), label->contentsRect(), flags, label->text()))
            problem(file, QStringLiteral("the label \"%1\" does not fit in its box (%2 by %3 "
                                         "twips)")
                              .arg(label->text())
                              .arg(layout.labelWidth)
                              .arg(layout.labelHeight));
    }
}

bool overlap(const activities::TwipRect& a, const activities::TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

void Checker::checkCompletable(const QString& file, const activities::ActivityLayout& layout) {
    const int n = layout.size();
    for (int i = 0; i < n; ++i) {
        int boxes = 0;
        for (int j = 0; j < n; ++j)
            boxes += layout.boxes[size_t(j)].answer == layout.boxes[size_t(i)].answer;
        if (boxes != 1)
            problem(file, QStringLiteral("the label \"%1\" belongs in %2 boxes")
                              .arg(layout.boxes[size_t(i)].answer)
                              .arg(boxes));
        for (int j = i + 1; j < n; ++j) {
            if (overlap(layout.boxRect(i), layout.boxRect(j)))
                problem(file, QStringLiteral("boxes[%1] and boxes[%2] overlap").arg(i).arg(j));
            if (overlap(layout.startRect(i), layout.startRect(j)))
                problem(file, QStringLiteral("starts[%1] and starts[%2] overlap").arg(i).arg(j));
        }
        // Put in its box as a pupil does, the label must stay there.
        activities::DragBoard board = layout.makeBoard();
        const activities::TwipRect box = layout.boxRect(i);
        board.moveTo(i, box.left, box.top);
        board.drop(i);
        const activities::DragBoard::Where where = board.where(i);
        if (where.place != activities::DragBoard::Place::Box || where.index != i)
            problem(file, QStringLiteral("the label \"%1\" dropped on its box does not stay there")
                              .arg(layout.boxes[size_t(i)].answer));
    }
}

QStringList filesIn(const QString& root, const char* folder) {
    QStringList files;
    for (const QString& name :
         QDir(root + '/' + QLatin1String(folder)).entryList({"*.json"}, QDir::Files, QDir::Name))
        files << QLatin1String(folder) + '\\' + name;
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith('-')) {
        std::fprintf(stderr, "usage: check_content CONTENT_FOLDER [topics/NAME.json | "
                             "activities/NAME.json ...]\n");
        return 2;
    }
    const QString root = args.first();
    if (!QFileInfo(root).isDir()) {
        std::fprintf(stderr, "check_content: %s is not a folder\n", qPrintable(root));
        return 2;
    }
    platform::setContentRoot(root);
    platform::registerFonts();
    QFile creditsFile(root + QStringLiteral("/CREDITS.md"));
    creditsFile.open(QIODevice::ReadOnly);
    Checker checker(QString::fromUtf8(creditsFile.readAll()));

    QStringList files = args.mid(1);
    if (files.isEmpty())
        files = filesIn(root, "topics") + filesIn(root, "activities");
    int checked = 0;
    for (QString file : files) {
        file.replace('/', '\\');
        if (file.startsWith(QLatin1String("topics\\"), Qt::CaseInsensitive))
            checker.checkTopic(file);
        else
            checker.checkActivity(file);
        ++checked;
    }
    std::printf("%d files checked, %d problems\n", checked, checker.problems());
    return checker.problems() == 0 ? 0 : 1;
}
