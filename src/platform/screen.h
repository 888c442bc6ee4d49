// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen: a window of named controls laid out in twips. Full-size screens
// stack inside the one program window, so the one shown last covers the
// others; a dialog screen and the backdrop are windows of their own.

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

class QTimer;

namespace platform {

class TextLabel;
class PictureBox;

class Screen : public QWidget {
    Q_OBJECT
public:
    enum class Kind { FullSize, Dialog, Backdrop };

    Screen(const QString& name, Kind kind);
    ~Screen() override;

    const QString& name() const { return name_; }
    Kind kind() const { return kind_; }

    // Makes the screen visible, non-modally, in front.
    void showScreen();
    // Whether the screen has been shown (and not unloaded). A full-size screen
    // that another covers stays shown but is not drawn, so that neither the
    // painting nor assistive technology spends time on what cannot be seen.
    bool isShown() const { return shown_; }
    // Destroys the screen (safely, also from inside its own handlers); the
    // next touch of its accessor makes a fresh one.
    void unload();
    bool isUnloading() const { return unloading_; }

    void setBackColor(const QColor& colour);
    QColor backColor() const { return back_; }
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    // Places a control, given in twips, on the screen (or a parent control).
    void placeTwips(QWidget* control, double left, double top, double width, double height);

    // Control factories. `name` becomes the object name: the member's name, or
    // the row's name for a row of buttons told apart by `index`.
    TextLabel* addLabel(const QString& name, int index, double left, double top, double width,
                        double height, QWidget* parent = nullptr);
    PictureBox* addPicture(const QString& name, int mode, double left, double top, double width,
                           double height, QWidget* parent = nullptr);
    QTimer* addTimer(const QString& name, int intervalMs, std::function<void()> onTick);

    // A text label with its font, colour and alignment in one go.
    TextLabel* addText(const QString& name, int index, double left, double top, double width,
                       double height, const QString& font, double points, bool bold,
                       const QColor& colour, Qt::Alignment align = Qt::AlignLeft,
                       QWidget* parent = nullptr);
    // A text button: a clickable label in yellow bold Tahoma, centred, with
    // its background colour (drawn only while opaque). Clicks go to `onClick`
    // with the button's index.
    TextLabel* addButton(const QString& name, int index, double left, double top, double width,
                         double height, const QString& caption, double points, const QColor& back,
                         std::function<void(int)> onClick);
    // Hover highlighting: the button turns opaque under the pointer, and the
    // pointer on the bare screen turns every such button transparent again.
    void highlightOnHover(TextLabel* button);

    // Runs the screen's load steps; called once by the registry.
    void runLoad() { onLoad(); }

protected:
    // The load steps, run once when the screen is first touched.
    virtual void onLoad() {}
    // The pointer moved over the bare screen, not over a control.
    virtual void onBareScreenMouseMove() {}

    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QPaintEngine* paintEngine() const override;

private:
    QString name_;
    Kind kind_;
    QColor back_{39, 55, 131};
    // Filled by the window system rather than painted (see serverbackground.h).
    bool serverFilled_ = false;
    QString caption_;
    bool unloading_ = false;
    bool shown_ = false;
    QList<TextLabel*> hoverButtons_;
};

// Called after a screen's first paint; the start-up probe listens here.
using FirstPaintHook = std::function<void(Screen&)>;
void setFirstPaintHook(FirstPaintHook hook);

} // namespace platform
