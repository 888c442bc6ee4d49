#pragma once
// The common build of the notes screen and the teachers' guide: the page on
// screen, its print version, the page label and four command labels.

#include "platform/screen.h"

#include <array>

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace topics {

class PagedScreen : public platform::Screen {
    Q_OBJECT
public:
    PagedScreen(const QString& name, double image2Left, double image2Top);

    platform::PictureBox* Image1;
    platform::PictureBox* Image2;
    platform::TextLabel* Label1;
    std::array<platform::TextLabel*, 4> Label3{}; // Print, Exit, Next Page, Previous Page

    virtual void Label3_Click(int index) = 0;
};

// "Page 2 of 3"
QString pageLabel(int page, int count);

} // namespace topics
