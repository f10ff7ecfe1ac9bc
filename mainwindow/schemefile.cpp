#include "mainwindow/tform1.h"

#include "mainwindow/schemeswatches.h"
#include "controls/tcolorshape.h"
#include "pages/z_abstufungen.h"
#include "pages/z_paletteninfo.h"
#include "rules/schemeformat.h"
#include "platform/inifile.h"

namespace Tintara {

SchemeSlots TForm1::schemeSlots() const
{
    return m_scheme->snapshot();
}

void TForm1::PaletteLaden(const QString& path)
{
    m_scheme->load(readSchemeSlots(IniFile(path)));
    m_dlSave.options.fileName = path;
    page<Z_Abstufungen>().Helligkeitsabstufungen();
    page<Z_Paletteninfo>().PalInfoslesen();
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
