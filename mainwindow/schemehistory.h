#pragma once

#include "model/documentmodel.h"
#include "pages/pagehost.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

namespace Tintara {

// Undo and redo of what the user does to the scheme and to the active colour, as states of the
// document model. A scheme step keeps the whole scheme before and after; an active-colour step the
// two colours. The changes of one
// command come as one step, and so does a drag of one bar or the typing in one field, up to the
// release of the mouse or the leaving of the control.
class SchemeHistory : public QObject
{
    Q_OBJECT

public:
    SchemeHistory(DocumentModel& model, QObject* parent);
    ~SchemeHistory() override;

    // Runs `change`; where it changed the scheme, that is one step named `name`.
    void record(const StepName& name, const std::function<void()>& change);
    // A change made elsewhere (a page's own state) as one step; `apply(true)` undoes it.
    void recordStep(const StepName& name, std::function<void(bool before)> apply);
    // A bar drag or the typing in a field ends when these controls let go of the mouse or the focus.
    void endStepsOn(const QList<QWidget*>& controls);
    // A new beginning: nothing to undo, nothing to redo.
    void clear();

    // The window's undo and redo actions, appended to `menu`; their texts name the next step and
    // they are enabled while there is one.
    void addActionsTo(QMenu* menu, QAction& undoAction, QAction& redoAction);
    const QUndoStack& stack() const { return *m_stack; }
    void undo();
    void redo();

Q_SIGNALS:
    // An undo or redo gave the scheme back.
    void schemeRestored();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps taken so far, named again in the language of the moment.
    void renameSteps();
    // The active colour changed; the step is taken once the change is complete.
    void activeColorChanged();
    void takeActiveColorStep();
    void applying(const std::function<void()>& restore);

    DocumentModel& m_model;
    QUndoStack* m_stack;
    WideColor m_active;
    bool m_pending = false;
    bool m_stepEnded = true;
    bool m_applying = false;
};

} // namespace Tintara
