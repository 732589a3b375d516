// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "style/Style.h"
#include "style/StyleFile.h"

class QAction;
class QUndoStack;

// The undo history of the style. Every user action that changes the style becomes one step:
// after each input event (a click, a key, a drop) has been handled, the style is compared
// with the one last recorded, and a difference is pushed as a step named after what changed.
// Steps of one kind made within one mouse drag merge, so dragging a bar is one step.
//
// Undoing or redoing a step sets the style's values through the window's own controls, the
// same way a style file's values go in, so the preview, the bars, the fields and the tag
// follow as after the user's own change.
class TStyleHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int kUndoLimit = 200;

    // window sets the values; style is the window's style; showTarget shows the colour
    // panel's target colour again (which shows the active page's tag).
    TStyleHistory(StyleTarget& window, const TStyle& style, std::function<void()> showTarget,
                  QObject* parent);
    ~TStyleHistory() override;

    QUndoStack* Stack() const { return stack_; }
    // "&Undo <step>" and "&Redo <step>" menu items with their shortcuts.
    QAction* MakeUndoAction(QObject* parent);
    QAction* MakeRedoAction(QObject* parent);

    // A new history starting from the style as it is now (a style was opened).
    void Restart();
    // The next step, if any, takes this name instead of the one its change gives it.
    void NameNextStep(std::string name);
    // Records the change made since the last step, if any, now.
    void RecordNow();
    // The style as it is now is the one in its file.
    void MarkSaved();
    // Whether the style has changed since it was opened or last saved (undoing back to that
    // point counts as no change).
    bool HasUnsavedChanges();

    // Sets every value that differs from the style, through the window.
    void Apply(const TStyle& to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Records once the event being handled now is done.
    void RecordSoon();

    StyleTarget& window_;
    const TStyle& style_;
    std::function<void()> showTarget_;
    QUndoStack* stack_;
    TStyle recorded_;
    std::string nextName_;
    bool pending_ = false;
    bool applying_ = false;
    // Counts mouse presses, so that a step knows which drag it belongs to.
    unsigned pressSerial_ = 0;
    // The mouse buttons held, as the last mouse event told; none after a key press.
    Qt::MouseButtons buttons_;
};
