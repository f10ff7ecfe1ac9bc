#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "pages/z_abstufungen.h"
#include "pages/z_paletteninfo.h"
#include "rules/schemeformat.h"
#include "platform/inifile.h"


namespace Tintara {

SchemeSlots TForm1::schemeSlots() const
{
    SchemeSlots scheme;
    for (int n = 0; n < 16; ++n) {
        scheme.colors[n] = m_slots[n]->color();
        scheme.used[n] = m_used[n];
        scheme.infos[n] = m_slots[n]->hint();
    }
    return scheme;
}

// An empty text keeps the tooltip switch as it was.
void TForm1::setSlotInfo(int slot, const QString& text)
{
    m_slots[slot - 1]->setHint(text);
    if (!text.isEmpty())
        m_slots[slot - 1]->setShowHint(true);
}

void TForm1::PaletteLaden(const QString& path)
{
    const SchemeSlots scheme = readSchemeSlots(IniFile(path));
    for (int n = 1; n <= 16; ++n) {
        m_slots[n - 1]->setColor(scheme.colors[n - 1]);
        m_used[n - 1] = scheme.used[n - 1];
        if (scheme.used[n - 1] == 1)
            m_slots[n - 1]->setDragMode(TColorShape::DragMode::Automatic);
        setSlotInfo(n, scheme.infos[n - 1]);
    }
    m_dlSave.options.fileName = path;
    m_abstufungen->Helligkeitsabstufungen();
    m_paletteninfo->PalInfoslesen();
}

void TForm1::PaletteOeffnen()
{
    if (m_dlOpen.execute())
        PaletteLaden(m_dlOpen.options.fileName);
}

void TForm1::PaletteSpeichern()
{
    if (m_dlSave.execute()) {
        IniFile ini(m_dlSave.options.fileName);
        writeSchemeSlots(ini, schemeSlots());
        if (const auto error = ini.save())
            m_platform.messages.showError(*error);
    }
    m_dlOpen.options.fileName = m_dlSave.options.fileName;
}

} // namespace Tintara
