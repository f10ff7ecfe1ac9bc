#include "mainwindow/tform1.h"

#include "mainwindow/schemehistory.h"
#include "mainwindow/schemeswatches.h"
#include "mainwindow/wideswatches.h"
#include "controls/tcolorshape.h"
#include "exchange/colormime.h"
#include "mainwindow/colordrops.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/coloreditor.h"
#include "mainwindow/htmlfieldpaste.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/functionkeys.h"
#include "mainwindow/fullscreenpreview.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/oklcheditor.h"
#include "mainwindow/screenpicker.h"
#include "mainwindow/swatchdrag.h"
#include "mainwindow/traymode.h"
#include "mainwindow/valuepanel.h"
#include "pages/z_optionen.h"
#include "rules/editorinput.h"
#include "pages/z_palette.h"

#include "ui_tform1.h"

namespace Tintara {

// The classes that handle the editor, the mouse, the menus and the value panel for the window.
void TForm1::createHelpers()
{
    m_keys = std::make_unique<FunctionKeys>(*this);
    connect(m_keys.get(), &FunctionKeys::pressed, this, &TForm1::FormKeyDown);
    const auto onUserBackgroundPage = [this] {
        const auto shown = std::find(m_pages.begin(), m_pages.end(), ui->PageControl1->currentWidget());
        return shown != m_pages.end() && *shown
            && commandTable[std::size_t(shown - m_pages.begin())].background == BackgroundUse::User;
    };
    m_background =
        std::make_unique<ModuleBackground>(ui->Panel5, ui->PageControl1, *m_model, onUserBackgroundPage, this);
    const EditorControls editorControls{ui->sbRot,  ui->sbGruen, ui->sbBlau, ui->sbH,   ui->sbS,         ui->sbV,
                                        ui->sbHell, ui->edRot,   ui->edGruen, ui->edBlau, ui->edH,   ui->edS,
                                        ui->edV,    ui->edHTML,  ui->Farbanzeige, ui->shRot, ui->shGruen, ui->shBlau,
                                        ui->shH,    ui->shS,     ui->shV,     ui->Zoom,  ui->Bevel14, ui->cbZoom};
    m_editor = std::make_unique<ColorEditor>(editorControls, *m_model, m_platform, this);
    m_oklch = std::make_unique<OklchEditor>(*ui->Panel2, *m_editor, *m_model);
    connect(m_model.get(), &DocumentModel::activeColorChanged, &m_events, &PageEvents::activeColorChanged);

    const auto isEmptySlot = [this](const TColorShape* swatch) { return m_scheme->isEmptySlot(swatch); };
    const auto copyFormat = [this] { return page<Z_Optionen>().copyFormat(); };
    const std::array<TColorShape*, 5> buffers = {ui->shZwischenspeicher, ui->shZwischenspeicher1,
                                                 ui->shZwischenspeicher2, ui->shZwischenspeicher3,
                                                 ui->shZwischenspeicher4};
    m_menu = std::make_unique<ContextMenu>(*this, ui->edHTML, buffers, *m_model, m_platform, copyFormat, isEmptySlot,
                                           *m_wide);
    connect(m_menu.get(), &ContextMenu::backgroundChosen, m_background.get(), &ModuleBackground::setUserBackground);
    connect(m_menu.get(), &ContextMenu::backgroundReset, m_background.get(), &ModuleBackground::resetToStandard);
    connect(m_menu.get(), &ContextMenu::helpRequested, this, [this] { Toolbar(Command::Hilfe); });
    connect(m_menu.get(), &ContextMenu::colorInserted, this, &TForm1::insertColor);

    const ValuePanelLabels valueLabels{ui->Label6, ui->lbHex,    ui->Label8, ui->lbRGB,
                                       ui->Label3, ui->lbDelphi, ui->Label7, ui->lbCpp};
    m_valuePanel = std::make_unique<ValuePanel>(*this, valueLabels, page<Z_Optionen>(), isEmptySlot);
    connect(m_valuePanel.get(), &ValuePanel::copyFormatShown, m_menu.get(), &ContextMenu::showCopyFormat);

    m_drag = std::make_unique<SwatchDrag>(*this, ui->Image1);
    connect(m_drag.get(), &SwatchDrag::dropped, this, &TForm1::DragDrop);
    connect(m_drag.get(), &SwatchDrag::droppedOnTrash, this, &TForm1::DragDropTrash);
    connect(m_drag.get(), &SwatchDrag::droppedOnMixer, this,
            [this](TColorShape* target, TColorShape* source) { page<Z_Palette>().DragDropPalette(target, source); });
    connect(m_drag.get(), &SwatchDrag::leftWindow, this,
            [this](TColorShape* source) { m_platform.dragOut.start(source, colorMimeData(source->color())); });

    // Colours from other programs.
    m_drops = std::make_unique<ColorDrops>(*this);
    connect(m_drops.get(), &ColorDrops::dropped, this,
            [this](TColorShape* target, TColor color) { dropColor(target, WideColor{color, std::nullopt}, 1); });
    connect(m_drops.get(), &ColorDrops::droppedOnMixer, this,
            [this](TColorShape* target, TColor color) { page<Z_Palette>().mixIn(target, color); });
    m_paste =
        std::make_unique<HtmlFieldPaste>(ui->edHTML, m_platform.clipboard, [this] { return activeColor(); }, this);
    connect(m_paste.get(), &HtmlFieldPaste::colorPasted, this, &TForm1::setActiveColor);
    // Queued: a refused drop is finished first, so that the program it came from does not wait for the box.
    connect(
        m_paste.get(), &HtmlFieldPaste::transparencyRefused, this,
        [this] { m_platform.messages.showMessage(transparencyRefusal()); }, Qt::QueuedConnection);
    connect(m_menu.get(), &ContextMenu::pastedIntoHtmlField, m_paste.get(), &HtmlFieldPaste::paste);

    m_picker = std::make_unique<ScreenPicker>(*this, ui->Zoom, ui->cbZoom, *m_model, m_platform.screen);
    connect(m_picker.get(), &ScreenPicker::picked, m_editor.get(), &ColorEditor::takePickedColor);
    m_picker->offerFollowingIn(*m_menu);
    new FullScreenPreview(*this, *m_menu, [this](const QObject* control) -> std::optional<std::pair<TColor, TColor>> {
        if (!m_pages[static_cast<std::size_t>(Command::Kontrast)] || !page<Z_Kontrast>().holdsPair(control))
            return std::nullopt;
        return page<Z_Kontrast>().textAndBackground();
    });
    connect(m_picker.get(), &ScreenPicker::desktopPickerMissing, this, [this] {
        m_platform.messages.showError(tr(
            "Auf diesem Desktop kann Tintara Studio Farben nur über das Desktop-Portal (xdg-desktop-portal) vom "
            "Bildschirm aufnehmen. Es antwortet nicht; bitte installieren oder starten Sie es."));
    });

    m_tray = std::make_unique<TrayMode>(*this, *this, copyFormat);
    createSchemeHistory();
}

// "Farbwert einfügen" counts like a drop: an empty slot is filled, the active colour is taken.
void TForm1::insertColor(TColorShape* swatch, TColor color)
{
    if (const int slot = m_scheme->PalettenCheck(swatch))
        m_history->record([slot] { return tr("Farbe in Feld %1").arg(slot); },
                          [&] { m_scheme->setSlot(slot, color, 1); });
    if (swatch == ui->Farbanzeige) {
        setActiveColor(color);
        return;
    }
    if (!m_scheme->PalettenCheck(swatch))
        Q_EMIT m_events.colorDropped(swatch, color, 0); // a page's swatch takes it as a drop
    moduleFollowUps(swatch);
}

} // namespace Tintara
