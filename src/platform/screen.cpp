// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen.h"

#include "platform/appwindow.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/serverbackground.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "platform/windowstacking.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace platform {
namespace {
FirstPaintHook& firstPaintHook() {
    static FirstPaintHook hook;
    return hook;
}
} // namespace

void setFirstPaintHook(FirstPaintHook hook) {
    firstPaintHook() = std::move(hook);
}

Screen::Screen(const QString& name, Kind kind)
    : QWidget(kind == Kind::FullSize ? AppWindow::instance().host() : nullptr), name_(name),
      kind_(kind) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (kind == Kind::FullSize) {
        resize(clientSizePixels());
        hide();
    } else if (kind == Kind::Dialog) {
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    } else {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    }
}

Screen::~Screen() {
    ScreenRegistry::instance().forget(this);
}

void Screen::showScreen() {
    if (unloading_)
        return;
    shown_ = true;
    if (kind_ == Kind::FullSize) {
        raise();
        AppWindow::instance().showFront(this);
    } else if (kind_ == Kind::Backdrop) {
        // Sized by hand: it covers the display as the desktop does, not as a
        // full-screen window, which window managers raise over the others
        // once it has the focus.
        if (QScreen* display = QGuiApplication::primaryScreen())
            setGeometry(display->geometry());
        // The backdrop is one plain colour over the whole display: where the
        // window system can fill it, the title in front appears sooner.
        if (!serverFilled_)
            serverFilled_ = fillByServer(*this, back_);
        keepBelowEverything(*this);
        show();
    } else {
        // A dialog opened over the program window stays in front of it.
        AppWindow* window = AppWindow::existing();
        keepInFrontOf(*this, window && window->isVisible() ? window : nullptr);
        show();
        raise();
        activateWindow();
    }
}

void Screen::unload() {
    if (unloading_)
        return;
    unloading_ = true;
    shown_ = false;
    for (QTimer* timer : findChildren<QTimer*>())
        timer->stop();
    ScreenRegistry::instance().forget(this);
    hide();
    if (kind_ == Kind::FullSize)
        AppWindow::instance().screenHidden(this);
    deleteLater();
}

void Screen::setBackColor(const QColor& colour) {
    back_ = colour;
    if (serverFilled_)
        setServerFill(*this, colour);
    update();
}

void Screen::setCaption(const QString& caption) {
    caption_ = caption;
    if (kind_ == Kind::FullSize)
        AppWindow::instance().setWindowTitle(caption);
    else
        setWindowTitle(caption);
}

void Screen::placeTwips(QWidget* control, double left, double top, double width, double height) {
    control->setGeometry(twipsRect(left, top, width, height));
}

TextLabel* Screen::addLabel(const QString& name, int index, double left, double top, double width,
                            double height, QWidget* parent) {
    auto* label = new TextLabel(parent ? parent : this, index);
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
    return label;
}

PictureBox* Screen::addPicture(const QString& name, int mode, double left, double top, double width,
                               double height, QWidget* parent) {
    auto* box = new PictureBox(parent ? parent : this, static_cast<PictureBox::Mode>(mode));
    box->setObjectName(name);
    placeTwips(box, left, top, width, height);
    return box;
}

QTimer* Screen::addTimer(const QString& name, int intervalMs, std::function<void()> onTick) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    connect(timer, &QTimer::timeout, this, [this, onTick = std::move(onTick)] {
        if (!unloading_)
            onTick();
    });
    return timer;
}

TextLabel* Screen::addText(const QString& name, int index, double left, double top, double width,
                           double height, const QString& font, double points, bool bold,
                           const QColor& colour, Qt::Alignment align, QWidget* parent) {
    TextLabel* label = addLabel(name, index, left, top, width, height, parent);
    label->setFontSpec(font, points, bold);
    label->setForeColor(colour);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

TextLabel* Screen::addButton(const QString& name, int index, double left, double top, double width,
                             double height, const QString& caption, double points,
                             const QColor& back, std::function<void(int)> onClick) {
    TextLabel* button = addLabel(name, index, left, top, width, height);
    button->setClickable(true);
    button->setCaption(caption);
    button->setFontSpec(QStringLiteral("Tahoma"), points, true);
    button->setForeColor(Qt::yellow);
    button->setBackColor(back);
    button->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(button, &TextLabel::clicked, this, std::move(onClick));
    return button;
}

void Screen::highlightOnHover(TextLabel* button) {
    hoverButtons_.append(button);
    connect(button, &TextLabel::mouseMoved, button, [button] { button->setOpaque(true); });
    button->installEventFilter(this);
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    // The pointer may leave a button without crossing the bare screen: onto
    // another window, a message box opening over it, the button hidden.
    if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
        if (auto* button = qobject_cast<TextLabel*>(watched); hoverButtons_.contains(button))
            button->setOpaque(false);
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::changeEvent(QEvent* event) {
    // Another window (a message box) has taken over: nothing stays lit.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        for (TextLabel* button : std::as_const(hoverButtons_))
            button->setOpaque(false);
    }
    QWidget::changeEvent(event);
}

void Screen::mouseMoveEvent(QMouseEvent*) {
    for (TextLabel* button : std::as_const(hoverButtons_))
        button->setOpaque(false);
    onBareScreenMouseMove();
}

QPaintEngine* Screen::paintEngine() const {
    return serverFilled_ ? nullptr : QWidget::paintEngine();
}

void Screen::paintEvent(QPaintEvent*) {
    if (!serverFilled_) {
        QPainter painter(this);
        painter.fillRect(rect(), back_);
        // The text button that has the keyboard focus gets a dotted ring in its
        // text colour just outside it, clear of its letters.
        auto* focused = qobject_cast<TextLabel*>(focusWidget());
        if (focused && focused->hasFocus() && focused->parentWidget() == this &&
            focused->isVisible()) {
            painter.setPen(QPen(focused->palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(focused->focusRingRect());
        }
    }
    if (firstPaintHook()) {
        // Only once per screen object.
        if (!property("corvellaPainted").toBool()) {
            setProperty("corvellaPainted", true);
            firstPaintHook()(*this);
        }
    }
}

} // namespace platform
