// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include "platform/messagedialog.h"
#include "platform/textlabel.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace platform {
namespace {

class LabelButtonAccessible : public QAccessibleWidget {
public:
    explicit LabelButtonAccessible(TextLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked(int)"));
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return label()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !label()->isEnabled();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        // Queued, so that the caller's reply goes back before any message
        // box the click opens.
        if (action == pressAction())
            QMetaObject::invokeMethod(label(), "click", Qt::QueuedConnection);
    }

private:
    TextLabel* label() const { return static_cast<TextLabel*>(widget()); }
};

// A message box is an alert: a screen reader reads its title and text out
// when it opens, and its buttons are ordinary push buttons.
class MessageAccessible : public QAccessibleWidget {
public:
    explicit MessageAccessible(MessageDialog* box)
        : QAccessibleWidget(box, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        auto* box = static_cast<MessageDialog*>(widget());
        if (t == QAccessible::Name)
            return box->windowTitle();
        if (t == QAccessible::Description || t == QAccessible::Value)
            return box->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* widgetFactory(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("platform::MessageDialog"))
        return new MessageAccessible(static_cast<MessageDialog*>(object));
    if (className != QLatin1String("platform::TextLabel"))
        return nullptr;
    auto* label = static_cast<TextLabel*>(object);
    if (!label->isClickable())
        return nullptr; // a plain text label keeps Qt's own interface
    return new LabelButtonAccessible(label);
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(widgetFactory);
}

} // namespace platform
