// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scaledaccessibility.h"

#include <QAccessible>
#include <QPointer>
#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

bool creatingInner = false;

// Every question goes to the toolkit's own interface; only positions are
// turned between its pixels and the display's.
class ScaledAccessible : public QAccessibleInterface {
public:
    ScaledAccessible(QAccessibleInterface* inner, QWidget* widget)
        : inner_(inner), widget_(widget) {}

    // The toolkit's cache asks these while it deletes its interfaces, in
    // any order: they must not reach the inner one, which may be gone.
    bool isValid() const override { return !widget_.isNull(); }
    QObject* object() const override { return widget_.data(); }
    QWindow* window() const override { return inner_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return inner_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return inner_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override {
        const double k = scale();
        return inner_->childAt(int(x / k), int(y / k));
    }
    QAccessibleInterface* parent() const override { return inner_->parent(); }
    QAccessibleInterface* child(int index) const override { return inner_->child(index); }
    int childCount() const override { return inner_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return inner_->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return inner_->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { inner_->setText(t, text); }
    QRect rect() const override {
        const QRect r = inner_->rect();
        const double k = scale();
        return QRect(QPoint(qRound(r.x() * k), qRound(r.y() * k)),
                     QSize(qRound(r.width() * k), qRound(r.height() * k)));
    }
    QAccessible::Role role() const override { return inner_->role(); }
    QAccessible::State state() const override { return inner_->state(); }
    QColor foregroundColor() const override { return inner_->foregroundColor(); }
    QColor backgroundColor() const override { return inner_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return inner_->interface_cast(type);
    }
    void virtual_hook(int id, void* data) override { inner_->virtual_hook(id, data); }

private:
    double scale() const { return widget_ ? widget_->devicePixelRatioF() : 1.0; }

    // Owned by the toolkit's cache of interfaces, as this one is; it goes
    // when the cache does, as the object it served is gone by then.
    QAccessibleInterface* inner_;
    QPointer<QWidget> widget_;
};

QAccessibleInterface* scaledFactory(const QString&, QObject* object) {
    if (creatingInner || !object || !object->isWidgetType())
        return nullptr;
    // The toolkit's own interface for the object, made through the other
    // factories; this one stays out of the way meanwhile.
    creatingInner = true;
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    creatingInner = false;
    if (!inner)
        return nullptr;
    return new ScaledAccessible(inner, static_cast<QWidget*>(object));
}

} // namespace

void reportScaledExtents() {
    if (!qApp || qFuzzyCompare(qApp->devicePixelRatio(), 1.0))
        return;
    // Installed last, so asked first for every class of control.
    QAccessible::installFactory(scaledFactory);
}

} // namespace platform
