#include "mainwindow/tform1.h"

#include "mainwindow/commandtable.h"
#include "mainwindow/schemehistory.h"
#include "mainwindow/schemeswatches.h"
#include "pages/z_abstufungen.h"
#include "pages/z_vorschlag.h"

namespace Tintara {

// The finder's colours become the scheme, after a question where the scheme holds colours.
void TForm1::InPaletteClick()
{
    if (!m_scheme->anyUsed()
        || m_platform.messages.askYesNo(tr("Soll das bestehende Farbschema überschrieben werden?"))) {
        const std::array<TColor, 16> colours = page<Z_Vorschlag>().schemeColours();
        m_history->record([] { return tr("Farben des Farbfinders übernommen"); }, [&] {
            for (int n = 1; n <= 16; ++n)
                m_scheme->setSlot(n, colours[n - 1], 1);
        });
    }
    page<Z_Abstufungen>().Helligkeitsabstufungen();
}

} // namespace Tintara
