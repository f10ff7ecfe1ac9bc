#include "mainwindow/tform1.h"

#include "mainwindow/schemefiles.h"
#include "mainwindow/schemeswatches.h"

#include "ui_tform1.h"

namespace Tintara {

void TForm1::connectScheme()
{
    m_scheme = std::make_unique<SchemeSwatches>(*ui->Panel3);
    m_files = new SchemeFiles(*m_scheme, m_platform, this);
    connect(m_files, &SchemeFiles::cleared, &m_events, &PageEvents::schemeChanged);
    connect(m_files, &SchemeFiles::loaded, &m_events, &PageEvents::schemeLoaded);
}

SchemeSlots TForm1::schemeSlots() const
{
    return m_scheme->snapshot();
}

FileDialog& TForm1::schemeOpenDialog()
{
    return m_files->openDialog();
}

FileDialog& TForm1::schemeSaveDialog()
{
    return m_files->saveDialog();
}

void TForm1::setInfoTexts(const std::array<QString, 16>& texts)
{
    m_scheme->setInfoTexts(texts);
    Q_EMIT m_events.schemeChanged();
}

} // namespace Tintara
