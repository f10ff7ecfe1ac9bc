#include "mainwindow/schemehistory.h"

#include "color/notation.h"
#include "controls/languagechange.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

#include <utility>

namespace Tintara {

namespace {

// Pushing a step that already happened: its first redo has nothing to do.
class Step : public QUndoCommand
{
public:
    // Each step takes its name once it is made, and again when the language changes.
    void rename() { setText(name()); }
    void redo() final
    {
        if (!std::exchange(m_firstRedo, false))
            apply(false);
    }
    void undo() final { apply(true); }

protected:
    virtual QString name() const = 0;
    virtual void apply(bool before) = 0;

private:
    bool m_firstRedo = true;
};

class SchemeStep : public Step
{
public:
    SchemeStep(StepName name, SchemeState before, SchemeState after, std::function<void(const SchemeState&)> restore)
        : m_name(std::move(name)), m_before(std::move(before)), m_after(std::move(after)), m_restore(std::move(restore))
    {
        rename();
    }

private:
    QString name() const override { return m_name(); }
    void apply(bool before) override { m_restore(before ? m_before : m_after); }

    StepName m_name;
    SchemeState m_before, m_after;
    std::function<void(const SchemeState&)> m_restore;
};

class PageStep : public Step
{
public:
    PageStep(StepName name, std::function<void(bool)> apply) : m_name(std::move(name)), m_apply(std::move(apply))
    {
        rename();
    }

private:
    QString name() const override { return m_name(); }
    void apply(bool before) override { m_apply(before); }

    StepName m_name;
    std::function<void(bool)> m_apply;
};

class ActiveColorStep : public Step
{
public:
    ActiveColorStep(WideColor before, WideColor after, const QObject* source, bool continues,
                    std::function<void(const WideColor&)> restore)
        : m_before(before), m_after(after), m_source(source), m_continues(continues), m_restore(std::move(restore))
    {
        rename();
    }

    int id() const override { return 1; }
    // The next change from the same control, while it is still held, joins this step.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ActiveColorStep*>(other);
        if (!next->m_continues || !m_source || next->m_source != m_source)
            return false;
        m_after = next->m_after;
        rename();
        setObsolete(m_after == m_before);
        return true;
    }

private:
    QString name() const override
    {
        return SchemeHistory::tr("Aktive Farbe %1").arg(QString::fromStdString(ColorNotation(m_after.srgb, NotationHtml)));
    }
    void apply(bool before) override { m_restore(before ? m_before : m_after); }

    WideColor m_before, m_after;
    const QObject* m_source;
    bool m_continues;
    std::function<void(const WideColor&)> m_restore;
};

} // namespace

SchemeHistory::SchemeHistory(DocumentModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_stack(new QUndoStack(this))
{
    m_active = m_model.activeWideColor();
    connect(&m_model, &DocumentModel::activeColorChanged, this, &SchemeHistory::activeColorChanged);
}

SchemeHistory::~SchemeHistory() = default;

void SchemeHistory::record(const StepName& name, const std::function<void()>& change)
{
    takeActiveColorStep();
    const SchemeState before = m_model.scheme();
    change();
    SchemeState after = m_model.scheme();
    if (after != before && !m_applying)
        m_stack->push(new SchemeStep(name, before, std::move(after), [this](const SchemeState& scheme) {
            applying([&] {
                m_model.restoreScheme(scheme);
                Q_EMIT schemeRestored();
            });
        }));
}

void SchemeHistory::recordStep(const StepName& name, std::function<void(bool before)> apply)
{
    if (m_applying)
        return;
    takeActiveColorStep();
    m_stack->push(new PageStep(name, [this, apply = std::move(apply)](bool before) {
        applying([&] { apply(before); });
    }));
}

// A command may move the colour several times before it is done; the step waits for the end.
void SchemeHistory::activeColorChanged()
{
    if (m_applying || std::exchange(m_pending, true))
        return;
    QTimer::singleShot(0, this, &SchemeHistory::takeActiveColorStep);
}

void SchemeHistory::takeActiveColorStep()
{
    if (!std::exchange(m_pending, false))
        return;
    const WideColor now = m_model.activeWideColor();
    if (now == m_active)
        return;
    const WideColor before = std::exchange(m_active, now);
    m_stack->push(new ActiveColorStep(before, now, m_model.changeSource(), !std::exchange(m_stepEnded, false),
                                      [this](const WideColor& color) { applying([&] { m_model.setActiveColor(color); }); }));
}

void SchemeHistory::applying(const std::function<void()>& restore)
{
    m_applying = true;
    restore();
    m_applying = false;
    m_active = m_model.activeWideColor();
    m_pending = false;
    m_stepEnded = true;
}

void SchemeHistory::endStepsOn(const QList<QWidget*>& controls)
{
    for (QWidget* control : controls)
        control->installEventFilter(this);
}

bool SchemeHistory::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusOut) {
        takeActiveColorStep();
        m_stepEnded = true;
    }
    return false;
}

void SchemeHistory::clear()
{
    m_stack->clear();
    m_active = m_model.activeWideColor();
    m_pending = false;
    m_stepEnded = true;
}

void SchemeHistory::undo()
{
    takeActiveColorStep();
    m_stack->undo();
}

void SchemeHistory::redo()
{
    takeActiveColorStep();
    m_stack->redo();
}

void SchemeHistory::renameSteps()
{
    // The stack hands out its steps as const; they are this history's own.
    for (int n = 0; n < m_stack->count(); ++n)
        static_cast<Step*>(const_cast<QUndoCommand*>(m_stack->command(n)))->rename();
}

void SchemeHistory::addActionsTo(QMenu* menu, QAction& undoAction, QAction& redoAction)
{
    menu->addSeparator();
    menu->addAction(&undoAction);
    menu->addAction(&redoAction);
    const auto update = [this, undo = &undoAction, redo = &redoAction] {
        undo->setEnabled(m_stack->canUndo());
        undo->setText(m_stack->canUndo() ? tr("Rückgängig: %1").arg(m_stack->undoText()) : tr("Rückgängig"));
        redo->setEnabled(m_stack->canRedo());
        redo->setText(m_stack->canRedo() ? tr("Wiederherstellen: %1").arg(m_stack->redoText())
                                         : tr("Wiederherstellen"));
    };
    connect(m_stack, &QUndoStack::indexChanged, this, update);
    connect(m_stack, &QUndoStack::undoTextChanged, this, update); // a merged step renames itself
    keepTranslated(menu, [this, update] {
        renameSteps();
        update();
    });
}

} // namespace Tintara
