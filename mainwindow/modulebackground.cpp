#include "mainwindow/modulebackground.h"

#include "model/documentmodel.h"
#include "pages/modulepage.h"
#include "platform/systemcolors.h"

#include <utility>
#include <QStackedWidget>

namespace Tintara {

ModuleBackground::ModuleBackground(QWidget* panel, QStackedWidget* pages, DocumentModel& model,
                                   std::function<bool()> onUserBackgroundPage, QObject* parent)
    : QObject(parent), m_panel(panel), m_pages(pages), m_model(model),
      m_onUserBackgroundPage(std::move(onUserBackgroundPage))
{
}

TColor ModuleBackground::standardBackground()
{
    return ShadeColor(clBtnFace, -5);
}

void ModuleBackground::setUserBackground(TColor color)
{
    m_model.setCustomBackground(1);
    m_model.setStoredBackground(color);
    if (m_onUserBackgroundPage())
        HintergrundWechsel(color);
}

void ModuleBackground::resetToStandard()
{
    m_model.setCustomBackground(0);
    HintergrundWechsel(standardBackground());
}

void ModuleBackground::follow(BackgroundUse use)
{
    switch (backgroundRule(use, m_model.customBackground())) {
    case BackgroundRule::Custom: HintergrundWechsel(m_model.storedBackground()); break;
    case BackgroundRule::Standard: HintergrundWechsel(standardBackground()); break;
    case BackgroundRule::Unchanged: break;
    }
}

void ModuleBackground::restore(int customFlag, TColor storedBackground)
{
    m_model.setCustomBackground(customFlag);
    if (customFlag == 1)
        setUserBackground(storedBackground);
}

void ModuleBackground::HintergrundWechsel(TColor color)
{
    if (m_moduleBackground == color)
        return;
    m_moduleBackground = color;
    m_standardShown = color == standardBackground();
    QPalette panelPalette = m_panel->palette();
    panelPalette.setColor(QPalette::Window, toQColor(color));
    m_panel->setPalette(panelPalette);

    m_captionColor = clWindowText;
    if (color != standardBackground()) {
        m_model.setStoredBackground(color);
        m_captionColor = BestFontColor(color);
    }
    // Captions that sit directly on the background stay readable on it.
    for (const ModulePage* page : m_pages->findChildren<ModulePage*>(Qt::FindDirectChildrenOnly))
        pageAdded(*page);
}

void ModuleBackground::chromeChanged()
{
    // The standard is a shade of the chrome, and changes with it; the user's colour stays.
    if (const auto shown = std::exchange(m_moduleBackground, std::nullopt))
        HintergrundWechsel(m_standardShown ? standardBackground() : *shown);
}

void ModuleBackground::pageAdded(const ModulePage& page)
{
    for (QWidget* caption : page.backgroundCaptions())
        setTextColor(caption, m_captionColor);
}

} // namespace Tintara
