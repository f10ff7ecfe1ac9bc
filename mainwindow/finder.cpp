#include "mainwindow/tform1.h"

#include "pages/z_abstufungen.h"
#include "pages/z_vorschlag.h"


namespace Tintara {

Hsv TForm1::currentHsv() const
{
    return m_vorschlag->currentHsv();
}

// The finder's colours become the scheme, after a question where the scheme holds colours.
void TForm1::InPaletteClick()
{
    const bool anyUsed = std::find(m_used.begin(), m_used.end(), 1) != m_used.end();
    if (!anyUsed
        || m_platform.messages.askYesNo(QStringLiteral("Soll das bestehende Farbschema überschrieben werden?\n\n"
                                                       "(Dieser Vorgang ist nicht rückgängig zu machen)"))) {
        const std::array<TColor, 16> colours = m_vorschlag->schemeColours();
        for (int n = 1; n <= 16; ++n)
            setSlot(n, colours[n - 1], 1);
    }
    m_abstufungen->Helligkeitsabstufungen();
}

} // namespace Tintara
