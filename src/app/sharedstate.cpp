#include "app/sharedstate.h"

namespace app {

SharedState& state() {
    static SharedState s;
    return s;
}

void resetState() {
    state() = SharedState();
}

} // namespace app
