#include "app/sound.h"

#include "app/grey.h"
#include "app/sharedstate.h"
#include "platform/services.h"

namespace app {

void playSound(const QString& contentPath) {
    if (state().soundon != 1)
        return;
    Grey().SndDevil1().play(contentPath);
}

} // namespace app
