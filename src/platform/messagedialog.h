// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box in the program's own look: its blue, yellow text in Tahoma at
// a readable size, flat text buttons without icons, lines wrapped at an even
// width. Modal; Enter presses OK (or the button that has the focus), Escape
// closes as Cancel. Screen readers meet it as an alert with its text.

#include <QDialog>

class QFontMetrics;
class QLabel;
class QPushButton;

namespace platform {

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    enum class Buttons { Ok, OkCancel };

    MessageDialog(const QString& title, const QString& text, Buttons buttons,
                  QWidget* parent = nullptr);

    QString text() const;
    // Names the two buttons of an OK and Cancel box by their answers; the
    // second becomes the default, so that Enter chooses it too.
    void setChoices(const QString& accept, const QString& reject);
    QLabel* textLabel() const { return text_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; } // null for an OK-only box

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* text_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
};

// The width, from `narrowest` to `widest`, at which `text`, word-wrapped, takes
// the least room (its lines times its longest line): the lines come out about
// equally long, with no word or two left alone at the end of a paragraph. A
// text that fits on one shorter line keeps its own width; a word longer than
// `widest` widens the text to that word.
int evenWrapWidth(const QFontMetrics& metrics, const QString& text, int narrowest, int widest);

} // namespace platform
