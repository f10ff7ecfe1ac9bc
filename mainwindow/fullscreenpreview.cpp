#include "mainwindow/fullscreenpreview.h"

#include "controls/fullscreenview.h"
#include "controls/languagechange.h"
#include "mainwindow/contextmenu.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

namespace Tintara {

FullScreenPreview::FullScreenPreview(QWidget& window, ContextMenu& menu, PairOf pairOf)
    : QObject(&window), m_window(window), m_menu(menu), m_pairOf(std::move(pairOf))
{
    m_colour = new QAction(this);
    m_colour->setObjectName(QStringLiteral("puVollbild"));
    m_pair = new QAction(this);
    m_pair->setObjectName(QStringLiteral("puVollbildPaar"));
    menu.addEntry(m_colour, [this](const QObject* control) { return m_menu.givesColour(control); });
    menu.addEntry(m_pair, [this](const QObject* control) {
        m_pairControl = control;
        return m_pairOf(control).has_value();
    });
    connect(m_colour, &QAction::triggered, this, [this] { show(m_menu.targetColor().srgb); });
    connect(m_pair, &QAction::triggered, this, [this] {
        if (const auto pair = m_pairOf(m_pairControl))
            show(pair->second, pair->first);
    });
    keepTranslated(&window, [this] { retranslate(); });
}

void FullScreenPreview::retranslate()
{
    m_colour->setText(tr("Vollbild"));
    m_pair->setText(tr("Vollbild: Text auf Hintergrund"));
}

void FullScreenPreview::show(TColor background, std::optional<TColor> text)
{
    auto* view = new FullScreenView(background, text, &m_window); // a window of its own, gone with the window
    if (QScreen* screen = m_window.screen())
        view->setGeometry(screen->geometry());
    view->showFullScreen();
    view->activateWindow();
    view->setFocus();
}

} // namespace Tintara
