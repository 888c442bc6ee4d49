#include "topics/pagedscreen.h"

#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "quiz/scoring.h"

namespace topics {

QString pageLabel(int page, int count) {
    return QStringLiteral("Page") + quiz::formatNumber(page) + QStringLiteral(" of") +
           quiz::formatNumber(count);
}

PagedScreen::PagedScreen(const QString& name, double image2Left, double image2Top)
    : Screen(name, Kind::FullSize) {
    using platform::PictureBox;
    Image1 =
        addPicture(QStringLiteral("Image1"), int(PictureBox::Mode::AutoSize), 120, 0, 10485, 11955);
    Image2 = addPicture(QStringLiteral("Image2"), int(PictureBox::Mode::AutoSize), image2Left,
                        image2Top, 10485, 11955);
    Image2->hide();

    Label1 = addLabel(QStringLiteral("Label1"), 0, 4200, 7920, 2295, 495);
    Label1->setFontSpec(QStringLiteral("Tahoma"), 15.75, true);
    Label1->setForeColor(Qt::black);
    Label1->setBackColor(Qt::white);
    Label1->setOpaque(true);
    Label1->setAlignment(Qt::AlignCenter);

    struct Command {
        const char* caption;
        double left, width;
    };
    const Command commands[] = {{"Print", 10680, 1125},
                                {"Exit", 10680, 1125},
                                {"Next Page", 6720, 2685},
                                {"Previous Page", 1320, 2685}};
    for (int i = 0; i < 4; ++i) {
        const double top = i == 0 ? 120 : 7920;
        auto* label =
            addLabel(QStringLiteral("Label3"), i, commands[i].left, top, commands[i].width, 495);
        label->setClickable(true);
        label->setCaption(QString::fromLatin1(commands[i].caption));
        label->setFontSpec(QStringLiteral("Tahoma"), 15.75, true);
        label->setForeColor(Qt::yellow);
        label->setBackColor(Qt::black);
        label->setOpaque(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        connect(label, &platform::TextLabel::clicked, this, [this](int i) { Label3_Click(i); });
        Label3[size_t(i)] = label;
    }
    Label3[3]->setEnabled(false);
}

} // namespace topics
