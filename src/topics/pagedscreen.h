#pragma once
// The common build of the notes screen and the teachers' guide: the page on
// screen, its print version, the page label and four command labels, with
// printing and paging.

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

    // Print, Exit, Next Page, Previous Page. No click here plays a sound.
    void Label3_Click(int index);

protected:
    virtual int pageCount() const = 0;
    // The content path of a page's screen ("wmf") or print ("wmf2") version.
    virtual QString pageFile(const QString& folder, int page) const = 0;

private:
    // Shows the page `pagenum`: both files, the label, and "Previous Page"
    // usable except on the first page, "Next Page" except on the last.
    void pageChange();
};

// "Page 2 of 3"
QString pageLabel(int page, int count);

} // namespace topics
