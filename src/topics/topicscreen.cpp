#include "topics/topicscreen.h"

#include "app/adapt.h"
#include "app/intro0.h"
#include "app/sharedstate.h"
#include "app/sound.h"
#include "platform/mediapaths.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "quiz/multiple.h"
#include "topics/teacher.h"
#include "worksheets/questionfile.h"

#include <QFile>
#include <QTimer>

namespace topics {

using app::state;

TopicScreen::TopicScreen(Topic topic)
    : Screen(topicInfo(topic).screenName, Kind::FullSize), info_(topicInfo(topic)) {
    using platform::PictureBox;
    Image1 = addPicture(QStringLiteral("Image1"), int(PictureBox::Mode::AutoSize),
                        info_.pictureLeft, info_.pictureTop, 0, 0);

    Label1 = addText(QStringLiteral("Label1"), 0, 120, 0, 6120, info_.titleHeight,
                     QStringLiteral("Times New Roman"), 27.75, true, Qt::yellow);
    Label1->setCaption(info_.title);

    struct Command {
        const char* caption;
        double left, top, width;
    };
    const Command commands[] = {
        {"Multiple Choice", 120, 7920, 3195}, {"Labelling Activity", 3600, 7920, 3195},
        {"Exit", 10560, 7920, 1245},          {"Ordering Activity", 7080, 7920, 3195},
        {"Key Facts", 6360, 120, 1995},       {"Teacher's Notes", 8640, 120, 3195},
    };
    for (int i = 0; i < 6; ++i) {
        const Command& c = commands[i];
        Label3[size_t(i)] = addButton(QStringLiteral("Label3"), i, c.left, c.top, c.width, 495,
                                      QString::fromLatin1(c.caption), 15.75, info_.highlight,
                                      [this](int index) { Label3_Click(index); });
        highlightOnHover(Label3[size_t(i)]);
    }
}

void TopicScreen::Form_Load() {
    app::adaptScreen(*this);
    setBackColor(info_.background);
    Image1->setPicture(info_.picture);
    if (info_.centred)
        Image1->move((platform::twipsToPixels(12000) - Image1->width()) / 2, Image1->y());
}

void TopicScreen::Label3_Click(int index) {
    switch (index) {
    case 0:
        openQuiz();
        break;
    case 1:
        if (!info_.hasActivities)
            noActivity(QStringLiteral("labelling"));
        break;
    case 3:
        if (!info_.hasActivities)
            noActivity(QStringLiteral("ordering"));
        break;
    case 4:
        openNotes(info_.keyFacts);
        break;
    case 5:
        openNotes(info_.teachersNotes);
        break;
    case 2:
        app::intro0().Timer2->start();
        app::intro0().showScreen();
        unload();
        break;
    default:
        break;
    }
    app::playSound(QStringLiteral("wav\\click.wav"));
}

void TopicScreen::openNotes(const NotesSet& set) {
    state().numpages = int16_t(set.numpages);
    state().notesfile = set.notesfile;
    teacher().Image1->setPicture(set.firstPage);
    teacher().Image2->setPicture(set.firstPrint);
    teacher().showScreen();
}

void TopicScreen::openQuiz() {
    QFile file(platform::resolveContentPath(info_.questionFile));
    std::optional<QString> error;
    if (!file.open(QIODevice::ReadOnly))
        error = QStringLiteral("The questions for \"%1\" could not be found.").arg(info_.title);
    else if (worksheets::loadquest(file))
        error = QStringLiteral("The questions for \"%1\" could not be read: the question file "
                               "seems to be damaged.")
                    .arg(info_.title);
    file.close();
    if (error) {
        const QString message = *error;
        // After the click sound, like every other click on this screen.
        QTimer::singleShot(0, [message] { platform::messages().ok(message); });
        return;
    }
    quiz::multiple().Picture1->setPicture(info_.quizPicture);
    quiz::multiple().Label5->setCaption(QString::fromLatin1(app::kProductTitle));
    quiz::multiple().showScreen();
}

void TopicScreen::noActivity(const QString& activity) {
    const QString message =
        QStringLiteral("\"%1\" has no %2 activity. You will find one in \"Life on Earth\" and in "
                       "\"The Sun and other Stars\".")
            .arg(info_.title, activity);
    QTimer::singleShot(0, [message] { platform::messages().ok(message); });
}

TopicScreen& tides() {
    return platform::touch<TidesScreen>(QStringLiteral("tides"));
}
TopicScreen& sun() {
    return platform::touch<SunScreen>(QStringLiteral("sun"));
}
TopicScreen& life() {
    return platform::touch<LifeScreen>(QStringLiteral("life"));
}

} // namespace topics
