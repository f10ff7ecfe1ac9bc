#include "mainwindow/tform1.h"


namespace Tintara {

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
