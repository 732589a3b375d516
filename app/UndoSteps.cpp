// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UndoSteps.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>
#include <functional>
#include <utility>

#include "platform/Error.h"
#include "style/StyleSteps.h"

namespace {

// One change of the style, held as the whole style before and after it.
class TStyleStep : public QUndoCommand {
public:
    TStyleStep(TStyleHistory& history, TStyle before, TStyle after, const std::string& name, unsigned press,
               bool dragging)
        : QUndoCommand(QString::fromStdString(name)),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          kind_(StepKind(before_, after_)),
          press_(press),
          dragging_(dragging) {}

    // The change has been made already when the step is pushed; only later redos apply it.
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        history_.Apply(after_);
    }
    void undo() override { history_.Apply(before_); }

    int id() const override { return static_cast<int>(kind_); }

    // A step of the same kind in the same drag: the drag so far is one step.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const TStyleStep*>(other);
        if (!dragging_ || !next->dragging_ || next->press_ != press_ || next->kind_ != kind_) return false;
        after_ = next->after_;
        // Dragged back to where it started: nothing to undo.
        setObsolete(after_ == before_);
        return true;
    }

private:
    TStyleHistory& history_;
    TStyle before_;
    TStyle after_;
    TStepKind kind_;
    unsigned press_;
    bool dragging_;
    bool first_ = true;
};

bool IsInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::Drop: return true;
        case QEvent::MouseMove: return static_cast<const QMouseEvent*>(event)->buttons() != Qt::NoButton;
        default: return false;
    }
}

}  // namespace

TStyleHistory::TStyleHistory(StyleTarget& window, const TStyle& style, std::function<void()> showTarget,
                             QObject* parent)
    : QObject(parent),
      window_(window),
      style_(style),
      showTarget_(std::move(showTarget)),
      stack_(new QUndoStack(this)),
      recorded_(style) {
    stack_->setUndoLimit(kUndoLimit);
    QCoreApplication::instance()->installEventFilter(this);
}

TStyleHistory::~TStyleHistory() { QCoreApplication::instance()->removeEventFilter(this); }

namespace {

// An Edit item that follows one end of the history: enabled while there is a step there and
// named by `text` from that step's name, which is empty while there is none.
QAction* StepAction(QObject* parent, QUndoStack* stack, bool undo,
                    std::function<QString(const QString&)> text) {
    auto* action = new QAction(parent);
    const auto name = [action, text](const QString& step) { action->setText(text(step)); };
    name(undo ? stack->undoText() : stack->redoText());
    action->setEnabled(undo ? stack->canUndo() : stack->canRedo());
    QObject::connect(stack, undo ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, action, name);
    QObject::connect(stack, undo ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, action,
                     &QAction::setEnabled);
    QObject::connect(action, &QAction::triggered, stack, undo ? &QUndoStack::undo : &QUndoStack::redo);
    return action;
}

}  // namespace

// The item names the step it takes back ("&Undo Bold") and is the bare command while there is
// none, so that a language that joins the two with a colon leaves no colon hanging.
QAction* TStyleHistory::MakeUndoAction(QObject* parent) {
    QAction* action = StepAction(parent, stack_, true, [](const QString& step) {
        return step.isEmpty() ? tr("&Undo") : tr("&Undo %1", "the step taken back").arg(step);
    });
    action->setShortcut(QKeySequence("Ctrl+Z"));
    return action;
}

QAction* TStyleHistory::MakeRedoAction(QObject* parent) {
    QAction* action = StepAction(parent, stack_, false, [](const QString& step) {
        return step.isEmpty() ? tr("&Redo") : tr("&Redo %1", "the step done again").arg(step);
    });
    action->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    return action;
}

void TStyleHistory::Restart() {
    stack_->clear();
    recorded_ = style_;
    nextName_.clear();
}

bool TStyleHistory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: ++pressSerial_; [[fallthrough]];
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: buttons_ = static_cast<QMouseEvent*>(event)->buttons(); break;
        // A window that closes under a press (Pick from Screen's cover) never hears the
        // release, so a button can seem held long after; a key's change is no drag anyway.
        case QEvent::KeyPress: buttons_ = Qt::NoButton; break;
        default: break;
    }
    // The change is looked at once the event has been handled, so that one action that
    // sets several values (three bars for a swatch, a pasted tag) is one step.
    if (IsInput(event)) RecordSoon();
    return QObject::eventFilter(watched, event);
}

void TStyleHistory::NameNextStep(std::string name) {
    nextName_ = std::move(name);
    RecordSoon();
}

void TStyleHistory::RecordSoon() {
    if (pending_ || applying_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        RecordNow();
    });
}

void TStyleHistory::RecordNow() {
    if (applying_) return;
    // A named command that changed nothing (a tag pasted over its own values) leaves no step,
    // and its name must not fall to the next change.
    if (style_ == recorded_) {
        nextName_.clear();
        return;
    }
    const std::string name = nextName_.empty() ? StepName(recorded_, style_) : nextName_;
    nextName_.clear();
    const bool dragging = buttons_ != Qt::NoButton;
    TStyle before = std::exchange(recorded_, style_);
    stack_->push(new TStyleStep(*this, std::move(before), style_, name, pressSerial_, dragging));
}

void TStyleHistory::MarkSaved() {
    RecordNow();
    stack_->setClean();
}

bool TStyleHistory::HasUnsavedChanges() {
    RecordNow();
    return !stack_->isClean();
}

void TStyleHistory::Apply(const TStyle& to) {
    applying_ = true;
    struct Done {
        TStyleHistory& history;
        ~Done() {
            history.recorded_ = history.style_;
            history.applying_ = false;
        }
    } done{*this};
    const TStyle from = style_;
    for (TColorTarget target : {ctBackground, ctText, ctVisited, ctLink, ctActive, ctFont}) {
        if (TargetField(from, target) != TargetField(to, target))
            window_.SetColor(target, TargetField(to, target));
    }
    if (from.FaceName != to.FaceName) {
        const std::vector<std::string> faces = window_.Faces();
        const auto found = std::find(faces.rbegin(), faces.rend(), to.FaceName);
        window_.SelectFace(found == faces.rend() ? -1
                                                 : static_cast<int>(std::distance(found, faces.rend()) - 1));
    }
    if (from.Centered != to.Centered) window_.SetCentered(to.Centered);
    if (from.Bold != to.Bold) window_.SetBold(to.Bold);
    if (from.Italic != to.Italic) window_.SetItalic(to.Italic);
    if (from.SizeStep != to.SizeStep) window_.SetSizeStep(to.SizeStep);
    if (from.UserText != to.UserText) window_.SetUserText(to.UserText);
    if (from.PicturePath != to.PicturePath || from.PictureName != to.PictureName) {
        window_.SetPicture(to.PicturePath, to.PictureName);
    }
    if (from.PictureMode != to.PictureMode) {
        // Picture mode without a picture would open the picture chooser in the middle of an
        // undo; the mode then stays as it is.
        if (!to.PictureMode) {
            window_.SelectColorMode();
        } else if (!style_.PicturePath.empty()) {
            window_.SelectPictureMode();
        }
    }
    if (from.AltFaces != to.AltFaces) window_.SetAltFaces(to.AltFaces);
    window_.ShowBackColor();
    showTarget_();
}
