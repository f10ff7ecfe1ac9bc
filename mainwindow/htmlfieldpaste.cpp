#include "mainwindow/htmlfieldpaste.h"

#include "color/colortext.h"
#include "color/notation.h"
#include "exchange/colormime.h"
#include "controls/languagechange.h"
#include "platform/clipboard.h"
#include "rules/editorinput.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalBlocker>
#include <QToolTip>

namespace Tintara {

HtmlFieldPaste::HtmlFieldPaste(QLineEdit* field, Clipboard& clipboard, std::function<TColor()> activeColor,
                               QObject* parent)
    : QObject(parent), m_field(field), m_clipboard(clipboard), m_activeColor(std::move(activeColor))
{
    field->installEventFilter(this);
    keepTranslated(field, [field] { field->setToolTip(htmlFieldHint()); });
}

// The pasted text alone, or completing what is typed already, as a plain insert would.
void HtmlFieldPaste::paste(const QString& text)
{
    QString read = text;
    auto color = colorFromText(text.toStdString());
    if (!color) {
        read = m_field->text();
        const int start = m_field->hasSelectedText() ? m_field->selectionStart() : m_field->cursorPosition();
        read.replace(start, m_field->selectedText().size(), text);
        color = colorFromText(read.toStdString());
    }
    if (namesTransparency(text.toStdString()))
        Q_EMIT transparencyRefused();
    take(color, read);
}

void HtmlFieldPaste::take(std::optional<TColor> color, const QString& text)
{
    if (color) {
        Q_EMIT colorPasted(*color);
        if (const auto note = opacityNote(text)) {
            QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), *note, m_field);
            Q_EMIT opacityLeftOut(*note);
        }
        return;
    }
    const QSignalBlocker blocker(m_field);
    m_field->setText(QString::fromStdString(ColorNotation(m_activeColor(), NotationHtml)));
    m_field->selectAll();
}

bool HtmlFieldPaste::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        paste(m_clipboard.text());
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        drag->setAccepted(drag->mimeData()->hasText() || drag->mimeData()->hasColor());
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->acceptProposedAction();
        const auto color = colorFromMimeData(*drop->mimeData());
        const QString text = drop->mimeData()->text();
        if (!color && namesTransparency(text.toStdString()))
            Q_EMIT transparencyRefused();
        take(color, drop->mimeData()->hasColor() ? QString() : text);
        return true;
    }
    default: return false;
    }
}

} // namespace Tintara
