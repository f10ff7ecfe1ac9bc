#pragma once

#include <QObject>

#include <functional>
#include <optional>
#include <utility>

#include "color/tcolor.h"

class QAction;
class QWidget;

namespace Tintara {

class ContextMenu;

// "Vollbild" in the context menu of a swatch shows its colour over the whole screen; on the
// contrast page's two fields, "Vollbild: Text auf Hintergrund" shows the pair with a sample text.
class FullScreenPreview : public QObject
{
    Q_OBJECT

public:
    // `pairOf` gives the text and background colours where `control` is a field of the pair.
    using PairOf = std::function<std::optional<std::pair<TColor, TColor>>(const QObject* control)>;
    FullScreenPreview(QWidget& window, ContextMenu& menu, PairOf pairOf);

    // Shows `background`, with `text` on it where given, on the window's screen.
    void show(TColor background, std::optional<TColor> text = std::nullopt);

private:
    void retranslate();

    QWidget& m_window;
    ContextMenu& m_menu;
    PairOf m_pairOf;
    const QObject* m_pairControl = nullptr; // the field the menu opened on
    QAction* m_colour;
    QAction* m_pair;
};

} // namespace Tintara
