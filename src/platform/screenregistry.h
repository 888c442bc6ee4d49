// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One application-wide instance per screen, reached by name. Touching a
// screen creates it and runs its load steps without showing it.

#include "platform/screen.h"

#include <QHash>
#include <QPointer>

namespace platform {

class ScreenRegistry {
public:
    static ScreenRegistry& instance();

    Screen* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    void add(Screen* screen);
    void forget(Screen* screen);
    // Unloads the named screen if it is loaded.
    void unload(const QString& name);
    // Unloads every screen; for tests and for the end of the program.
    void unloadAll();
    QList<Screen*> loaded() const;

private:
    QHash<QString, QPointer<Screen>> screens_;
};

// The accessor behind each screen's named function: finds the loaded screen
// or creates and loads a fresh one.
template <class T> T& touch(const QString& name) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    if (Screen* existing = registry.find(name))
        return *static_cast<T*>(existing);
    T* screen = new T();
    registry.add(screen);
    screen->runLoad();
    return *screen;
}

// The same for a screen made from content: `make` creates it when no screen
// of that name is loaded.
template <class T, class Make> T& touch(const QString& name, Make make) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    if (Screen* existing = registry.find(name))
        return *static_cast<T*>(existing);
    T* screen = make();
    registry.add(screen);
    screen->runLoad();
    return *screen;
}

} // namespace platform
