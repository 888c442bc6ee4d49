// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screenregistry.h"

namespace platform {

ScreenRegistry& ScreenRegistry::instance() {
    static ScreenRegistry registry;
    return registry;
}

Screen* ScreenRegistry::find(const QString& name) const {
    auto it = screens_.constFind(name);
    if (it == screens_.constEnd() || it->isNull() || (*it)->isUnloading())
        return nullptr;
    return it->data();
}

void ScreenRegistry::add(Screen* screen) {
    screens_.insert(screen->name(), screen);
}

void ScreenRegistry::forget(Screen* screen) {
    auto it = screens_.find(screen->name());
    if (it != screens_.end() && (it->isNull() || it->data() == screen))
        screens_.erase(it);
}

void ScreenRegistry::unload(const QString& name) {
    if (Screen* screen = find(name))
        screen->unload();
}

void ScreenRegistry::unloadAll() {
    for (Screen* screen : loaded())
        screen->unload();
}

QList<Screen*> ScreenRegistry::loaded() const {
    QList<Screen*> result;
    for (const auto& p : screens_)
        if (!p.isNull() && !p->isUnloading())
            result.append(p.data());
    return result;
}

} // namespace platform
