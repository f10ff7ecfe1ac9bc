#include "pages/numberentry.h"

#include "rules/editorinput.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace Tintara {

std::optional<QChar> typedKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: return backspaceKey;
    case Qt::Key_Return:
    case Qt::Key_Enter: return enterKey;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: return std::nullopt;
    default:
        // Delete carries the text "\x7f" under X11: only printable text counts as typed.
        if (event->text().isEmpty() || !event->text().front().isPrint())
            return std::nullopt;
        return event->text().front();
    }
}

NumberEntry::NumberEntry(QLineEdit* field, QScrollBar* bar, int top, int offset)
    : QObject(field)
    , m_field(field)
    , m_bar(bar)
    , m_top(top)
    , m_offset(offset)
{
    field->installEventFilter(this);
}

bool NumberEntry::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::KeyPress && Zahleneingabe(static_cast<QKeyEvent*>(event));
}

bool NumberEntry::Zahleneingabe(const QKeyEvent* event)
{
    const auto key = typedKey(event);
    if (!key)
        return false;
    if (ZahleneingabeRule(m_field->text(), *key).swallow)
        return true;
    if (*key != enterKey)
        return false;
    if (const auto value = clampedNumber(m_field->text(), 0, m_top)) {
        if (*value != m_field->text().trimmed().toInt())
            m_field->setText(QString::number(*value));
        m_bar->setValue(*value - m_offset);
    } else {
        m_field->setText(QString::number(m_bar->value() + m_offset)); // no number: what the bar says
    }
    m_field->selectAll();
    return true;
}

} // namespace Tintara
