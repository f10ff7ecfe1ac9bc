#include "mainwindow/schemefiles.h"

#include "mainwindow/schemeswatches.h"
#include "platform/inifile.h"
#include "platform/platform.h"
#include "rules/schemeformat.h"

#include <QFileInfo>

namespace Tintara {

SchemeFiles::SchemeFiles(SchemeSwatches& scheme, const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_scheme(scheme)
    , m_platform(platform)
    , m_dlOpen(FileDialogKind::Open, platform.fileDialogs)
    , m_dlSave(FileDialogKind::Save, platform.fileDialogs)
{
    m_dlOpen.options = m_dlSave.options = {schemeFilter(), QStringLiteral("tsf"), {}};
}

// Given again at each use, in the language of the moment.
QString SchemeFiles::schemeFilter()
{
    return tr("TintaraStudio Farbschema|*.tsf");
}

void SchemeFiles::PaletteNeu()
{
    if (m_platform.messages.askYesNo(tr("Soll das aktuelle Farbschema durch ein neues ersetzt werden?"))) {
        for (int n = 1; n <= 16; ++n)
            m_scheme.setSlot(n, clBtnFace, 0);
        Q_EMIT cleared();
    }
    m_dlSave.options.fileName.clear();
}

// A file that is there but is no scheme or cannot be read whole is refused: the scheme stays, and
// the file becomes neither the save target nor a recent file. A name with no file behind it starts
// a new scheme there, and enters the recent list only once it is saved.
void SchemeFiles::PaletteLaden(const QString& path)
{
    if (const auto refusal = schemeFileRefusal(path)) {
        Q_EMIT refused(*refusal);
        return;
    }
    const bool exists = QFileInfo::exists(path);
    m_scheme.load(readSchemeSlots(IniFile(path)));
    m_dlSave.options.fileName = path;
    Q_EMIT loaded();
    if (exists)
        Q_EMIT fileUsed(path);
}

void SchemeFiles::PaletteOeffnen()
{
    m_dlOpen.options.filter = schemeFilter();
    if (m_dlOpen.execute())
        PaletteLaden(m_dlOpen.options.fileName);
}

void SchemeFiles::PaletteSpeichern()
{
    m_dlSave.options.filter = schemeFilter();
    if (m_dlSave.execute())
        writeTo(m_dlSave.options.fileName);
    m_dlOpen.options.fileName = m_dlSave.options.fileName;
}

void SchemeFiles::saveInPlace()
{
    if (m_dlSave.options.fileName.isEmpty())
        PaletteSpeichern();
    else
        writeTo(m_dlSave.options.fileName);
}

void SchemeFiles::writeTo(const QString& path)
{
    IniFile ini(path);
    writeSchemeSlots(ini, m_scheme.snapshot());
    if (const auto error = ini.save())
        m_platform.messages.showError(*error);
    else
        Q_EMIT fileUsed(path);
}

} // namespace Tintara
