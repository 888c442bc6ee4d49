#pragma once
#include "topics/pagedscreen.h"

namespace topics {

// The teachers' guide: five pages, one at a time, each printable.
class GuideScreen : public PagedScreen {
    Q_OBJECT
public:
    GuideScreen();
    void Label3_Click(int index) override;

protected:
    void Form_Load() override;
    void Form_MouseMove() override;

private:
    void pageChange();
};

GuideScreen& guide();

} // namespace topics
