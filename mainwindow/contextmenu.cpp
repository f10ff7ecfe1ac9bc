#include "mainwindow/tform1.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "rules/navigationrules.h"

#include "ui_tform1.h"
#include "pages/z_optionen.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace Tintara {

namespace {

// The copy items of the submenu, in the order of the notations.
constexpr std::array<std::pair<const char*, const char*>, 8> notationItems = {{
    {"puHTML", "HTML-Hexwert"}, {"puHex", "Hexwert"}, {"puRGB", "RGB-Wert"}, {"puDelphi", "Delphi-Farbwert"},
    {"puCpp", "C++-Farbwert"}, {"puVB", "Visual Basic-Farbwert"}, {"puVSN", "Visual Studio .NET-Farbwert"},
    {"puCMYK", "CMYK-Farbwert"},
}};

QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool enabled = true)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setEnabled(enabled);
    return item;
}

} // namespace

void TForm1::connectContextMenu()
{
    for (int i = 0; i < 5; ++i)
        m_buffers[i] = findChild<TColorShape*>(i == 0 ? QStringLiteral("shZwischenspeicher")
                                                      : QStringLiteral("shZwischenspeicher%1").arg(i));
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("Popupmenue"));
    m_popup->setFont(font());
    m_puPaste = addItem(m_popup, "puPaste", QStringLiteral("Einfügen"), false);
    m_puCopy = addItem(m_popup, "puCopy", QStringLiteral("Kopieren"), false);
    m_popup->addSeparator();
    m_puInsert = addItem(m_popup, "puInsert", QStringLiteral("Farbwert einfügen"), false);
    m_puFarbwert = addItem(m_popup, "puFarbwert", QStringLiteral("Farbwert kopieren ()"));
    m_puFarbwerte = m_popup->addMenu(QStringLiteral("Farbwert kopieren"));
    m_puFarbwerte->setObjectName(QStringLiteral("puFarbwerte"));
    m_puFarbwerte->setEnabled(false);
    for (int i = 0; i < NotationCount; ++i)
        m_notationActions[i] = addItem(m_puFarbwerte, notationItems[i].first, QString::fromUtf8(notationItems[i].second));
    m_popup->addSeparator();
    m_puHintergrund = addItem(m_popup, "puHintergrund", QStringLiteral("Als Hintergrundfarbe"));
    m_puHintergrundStandard =
        addItem(m_popup, "puHintergrundStandard", QStringLiteral("Hintergrundfarbe auf Standard zurücksetzen"));
    m_popup->addSeparator();
    m_puHilfe = addItem(m_popup, "puHilfe", QStringLiteral("Hilfe"));
    connect(m_popup, &QMenu::triggered, this, &TForm1::PopupmenueClick);
}

// Which menu a control asks for: editable swatches take colours, read-only ones only give them.
TForm1::MenuContext TForm1::menuContextFor(QObject* control) const
{
    if (control == ui->edHTML)
        return MenuContext::HtmlField;
    const auto* swatch = qobject_cast<const TColorShape*>(control);
    if (!swatch || swatch->role() == TColorShape::Role::Decoration)
        return MenuContext::None;
    return swatch->role() == TColorShape::Role::Source ? MenuContext::ReadOnlySwatch : MenuContext::EditableSwatch;
}

bool TForm1::contextMenuEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != this)
        return false;
    // Every control hands the request on to the window; edit fields show no menu of their own.
    m_menuContext = menuContextFor(watched);
    // The menu acts on the swatch it was opened on, an empty slot too; the value panel keeps
    // showing the swatch last pointed at.
    if (m_menuContext != MenuContext::None && m_menuContext != MenuContext::HtmlField) {
        m_hoverSwatch = static_cast<TColorShape*>(watched);
        m_hoverColor = m_hoverSwatch->color();
    }
    PopupmenuePopup();
    m_popup->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

void TForm1::PopupmenuePopup()
{
    const bool swatch = m_menuContext == MenuContext::EditableSwatch || m_menuContext == MenuContext::ReadOnlySwatch;
    // An empty slot has no colour to give, only room to take one.
    const int slot = PalettenCheck(m_hoverSwatch);
    const bool givesColour = swatch && !(slot > 0 && m_used[slot - 1] != 1);
    m_puCopy->setEnabled(m_menuContext == MenuContext::HtmlField);
    m_puPaste->setEnabled(m_menuContext == MenuContext::HtmlField);
    m_puHintergrund->setEnabled(givesColour);
    m_puFarbwert->setEnabled(givesColour);
    m_puFarbwerte->setEnabled(givesColour);
    m_puInsert->setEnabled(m_bufferFilled == 1 && m_menuContext == MenuContext::EditableSwatch);
    m_menuContext = MenuContext::None;
}

void TForm1::PopupmenueClick(QAction* item)
{
    const TColor color = m_hoverColor;
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (item == m_puCopy) {
        if (field && field->hasSelectedText())
            m_platform.clipboard.setText(field->selectedText());
    } else if (item == m_puPaste) {
        if (field)
            field->insert(m_platform.clipboard.text());
    } else if (item == m_puHintergrund) {
        setUserBackground(color);
    } else if (item == m_puHilfe) {
        Toolbar(ui->ToolButton35);
    } else if (item == m_puHintergrundStandard) {
        m_customBackground = 0;
        HintergrundWechsel(standardBackground());
    } else if (item == m_puInsert) {
        pasteBufferColor();
    } else {
        int notation = static_cast<int>(std::find(m_notationActions.begin(), m_notationActions.end(), item)
                                        - m_notationActions.begin());
        if (item == m_puFarbwert)
            notation = m_optionen->copyFormat();
        if (notation >= 0 && notation < NotationCount) {
            m_platform.clipboard.setText(QString::fromStdString(ColorNotation(color, notation)));
            pushBuffer(color);
        }
    }
    m_puFarbwerte->setEnabled(false);
}

void TForm1::pushBuffer(TColor color)
{
    for (int i = 4; i > 0; --i)
        m_buffers[i]->setColor(m_buffers[i - 1]->color());
    m_buffers[0]->setColor(color);
    m_bufferFilled = 1;
}

// "Farbwert einfügen": the newest buffer colour goes into the swatch the menu was opened on.
void TForm1::pasteBufferColor()
{
    if (!m_hoverSwatch)
        return;
    const TColor color = m_buffers[0]->color();
    m_hoverSwatch->setColor(color);
    if (const int slot = PalettenCheck(m_hoverSwatch))
        setSlot(slot, color, 1); // an empty slot is filled like a drop fills it
    if (m_hoverSwatch == ui->Farbanzeige)
        setActiveColor(color);
    else
        moduleFollowUps(m_hoverSwatch);
}

} // namespace Tintara
