#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "rules/modulerules.h"

namespace Tintara {

void TForm1::WebsavePalette()
{
    const std::vector<TColorShape*>& grid = m_grids.value(QStringLiteral("WS"));
    for (int n = 1; n <= 216; ++n)
        grid[n - 1]->setColor(webSafeColor(n));
}

// Asks first unless the active colour is still the last random one.
void TForm1::RandomColor()
{
    if (activeColor() != m_lastRandomColor
        && !m_platform.messages.askYesNo(QStringLiteral("Soll die aktive Farbe durch eine Zufallsfarbe ersetzt werden?\n\n"
                                                        "(Dieser Vorgang ist nicht rückgängig zu machen)")))
        return;
    m_platform.random.randomize();
    const int blue = m_platform.random.random(256);
    const int green = m_platform.random.random(256);
    const int red = m_platform.random.random(256);
    setActiveColor(RGB(red, green, blue));
    m_lastRandomColor = activeColor();
}

} // namespace Tintara
