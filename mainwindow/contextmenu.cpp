#include "mainwindow/contextmenu.h"

#include "model/documentmodel.h"

#include "color/notation.h"
#include "controls/languagechange.h"
#include "controls/tcolorshape.h"
#include "mainwindow/wideswatches.h"
#include "platform/platform.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace Tintara {

namespace {

QAction* addItem(QMenu* menu, const char* name, bool enabled = true)
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(QLatin1String(name));
    item->setEnabled(enabled);
    return item;
}

} // namespace

// Every control hands the request on to this menu; edit fields show no menu of their own.
void ContextMenu::watchControls(const QWidget& area)
{
    for (QWidget* control : area.findChildren<QWidget*>())
        control->installEventFilter(this);
}

void ContextMenu::watch(QWidget& area)
{
    area.installEventFilter(this);
    watchControls(area);
}

ContextMenu::ContextMenu(QWidget& window, QLineEdit* htmlField, const std::array<TColorShape*, 5>& buffers,
                         DocumentModel& model, const Platform& platform, std::function<int()> copyFormat,
                         EmptySlotCheck isEmptySlot, const WideSwatches& wide)
    : QObject(&window)
    , m_platform(platform)
    , m_htmlField(htmlField)
    , m_copyFormat(std::move(copyFormat))
    , m_isEmptySlot(std::move(isEmptySlot))
    , m_wide(wide)
    , m_buffers(buffers)
    , m_model(model)
{
    watchControls(window);
    std::array<TColor, 5> fromForm{};
    for (std::size_t i = 0; i < fromForm.size(); ++i) {
        fromForm[i] = m_buffers[i]->color();
        connect(m_buffers[i], &TColorShape::colorChanged, this, [this, i] {
            if (m_showingHistory)
                return;
            std::array<TColor, 5> colours = m_model.colourHistory();
            colours[i] = m_buffers[i]->color();
            m_model.setColourHistory(colours);
        });
    }
    m_model.setColourHistory(fromForm);
    connect(&m_model, &DocumentModel::colourHistoryChanged, this, &ContextMenu::showHistory);

    m_popup = new QMenu(&window);
    m_popup->setObjectName(QStringLiteral("Popupmenue"));
    m_popup->setFont(window.font());
    m_puPaste = addItem(m_popup, "puPaste", false);
    m_puCopy = addItem(m_popup, "puCopy", false);
    m_popup->addSeparator();
    m_puInsert = addItem(m_popup, "puInsert", false);
    m_puFarbwert = addItem(m_popup, "puFarbwert");
    m_puFarbwerte = m_popup->addMenu(QString());
    m_puFarbwerte->setObjectName(QStringLiteral("puFarbwerte"));
    m_puFarbwerte->setEnabled(false);
    for (const NotationRow& row : notationTable)
        m_notationActions[row.notation] = addItem(m_puFarbwerte, notationMenuItems[row.notation]);
    m_popup->addSeparator();
    m_puHintergrund = addItem(m_popup, "puHintergrund");
    m_puHintergrundStandard = addItem(m_popup, "puHintergrundStandard");
    m_popup->addSeparator();
    m_puHilfe = addItem(m_popup, "puHilfe");
    keepTranslated(m_popup, [this] { retranslate(); });
    connect(m_popup, &QMenu::triggered, this, &ContextMenu::PopupmenueClick);
}

// Which menu a control asks for: editable swatches take colours, read-only ones only give them.
ContextMenu::MenuContext ContextMenu::menuContextFor(QObject* control) const
{
    if (control == m_htmlField)
        return MenuContext::HtmlField;
    const auto* swatch = qobject_cast<const TColorShape*>(control);
    if (!swatch || swatch->role() == TColorShape::Role::Decoration)
        return MenuContext::None;
    return swatch->role() == TColorShape::Role::Source ? MenuContext::ReadOnlySwatch : MenuContext::EditableSwatch;
}

bool ContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    const MenuContext context = menuContextFor(watched);
    // The menu acts on the swatch it was opened on, an empty slot too.
    m_openedOnSwatch = context == MenuContext::EditableSwatch || context == MenuContext::ReadOnlySwatch;
    if (m_openedOnSwatch) {
        m_target = static_cast<TColorShape*>(watched);
        m_targetColor = m_wide.colorOf(m_target);
    }
    bool anyAdded = false;
    for (const auto& [entry, shownOn] : m_added) {
        entry->setVisible(shownOn(watched));
        anyAdded = anyAdded || entry->isVisible();
    }
    if (m_addedEntries)
        m_addedEntries->setVisible(anyAdded);
    PopupmenuePopup(context);
    m_popup->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

void ContextMenu::addEntry(QAction* entry, ControlCheck shownOn)
{
    if (!m_addedEntries)
        m_addedEntries = m_popup->addSeparator();
    m_popup->addAction(entry);
    m_added.emplace_back(entry, std::move(shownOn));
}

bool ContextMenu::givesColour(const QObject* control) const
{
    return m_openedOnSwatch && control == m_target && !m_isEmptySlot(m_target);
}

void ContextMenu::PopupmenuePopup(MenuContext context)
{
    const bool swatch = context == MenuContext::EditableSwatch || context == MenuContext::ReadOnlySwatch;
    // An empty slot has no colour to give, only room to take one.
    const bool givesColour = swatch && !m_isEmptySlot(m_target);
    m_puCopy->setEnabled(context == MenuContext::HtmlField);
    m_puPaste->setEnabled(context == MenuContext::HtmlField);
    m_puHintergrund->setEnabled(givesColour);
    m_puFarbwert->setEnabled(givesColour);
    m_puFarbwerte->setEnabled(givesColour);
    m_puInsert->setEnabled(m_bufferFilled == 1 && context == MenuContext::EditableSwatch);
}

void ContextMenu::PopupmenueClick(QAction* item)
{
    const TColor color = m_targetColor.srgb;
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (item == m_puCopy) {
        if (field && field->hasSelectedText())
            m_platform.clipboard.setText(field->selectedText());
    } else if (item == m_puPaste) {
        if (field == m_htmlField)
            Q_EMIT pastedIntoHtmlField(m_platform.clipboard.text());
        else if (field)
            field->insert(m_platform.clipboard.text());
    } else if (item == m_puHintergrund) {
        Q_EMIT backgroundChosen(color);
    } else if (item == m_puHilfe) {
        Q_EMIT helpRequested();
    } else if (item == m_puHintergrundStandard) {
        Q_EMIT backgroundReset();
    } else if (item == m_puInsert) {
        if (m_target) {
            m_target->setColor(m_buffers[0]->color());
            Q_EMIT colorInserted(m_target, m_buffers[0]->color());
        }
    } else {
        int notation = static_cast<int>(std::find(m_notationActions.begin(), m_notationActions.end(), item)
                                        - m_notationActions.begin());
        if (item == m_puFarbwert)
            notation = m_copyFormat();
        if (notation >= 0 && notation < NotationCount) {
            // The notations that can write a colour beyond sRGB write the wide colour itself.
            m_platform.clipboard.setText(QString::fromStdString(wideNotation(m_targetColor, notation)));
            pushBuffer(color);
        }
    }
    m_puFarbwerte->setEnabled(false);
}

void ContextMenu::retranslate()
{
    m_puPaste->setText(tr("Einfügen"));
    m_puCopy->setText(tr("Kopieren"));
    m_puInsert->setText(tr("Farbwert einfügen"));
    m_puFarbwerte->setTitle(tr("Farbwert kopieren"));
    for (const NotationRow& row : notationTable)
        m_notationActions[row.notation]->setText(QCoreApplication::translate("Notation", row.menuText));
    m_puHintergrund->setText(tr("Als Hintergrundfarbe"));
    m_puHintergrundStandard->setText(tr("Hintergrundfarbe auf Standard zurücksetzen"));
    m_puHilfe->setText(tr("Hilfe"));
    showCopyFormat(m_copyFormatShown);
}

void ContextMenu::showCopyFormat(int index)
{
    m_copyFormatShown = index;
    m_puFarbwert->setText(index >= 0 && index < NotationCount
                              ? tr("Farbwert kopieren (%1)")
                                    .arg(QString::fromUtf8(notationTable[static_cast<std::size_t>(index)].formatName))
                              : tr("Farbwert kopieren ()"));
}

void ContextMenu::pushBuffer(TColor color)
{
    std::array<TColor, 5> colours = m_model.colourHistory();
    std::rotate(colours.rbegin(), colours.rbegin() + 1, colours.rend());
    colours[0] = color;
    m_model.setColourHistory(colours);
    m_bufferFilled = 1;
}

void ContextMenu::showHistory()
{
    m_showingHistory = true;
    const std::array<TColor, 5>& colours = m_model.colourHistory();
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (m_buffers[i]->color() != colours[i])
            m_buffers[i]->setColor(colours[i]);
    }
    m_showingHistory = false;
}

} // namespace Tintara
