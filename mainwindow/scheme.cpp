#include "mainwindow/tform1.h"

#include "mainwindow/schemeswatches.h"

#include "ui_tform1.h"

namespace Tintara {

void TForm1::connectScheme()
{
    m_scheme = std::make_unique<SchemeSwatches>(*ui->Panel3);
    m_dlOpen.options = m_dlSave.options = {QStringLiteral("TintaraStudio Farbschema|*.tsf"), QStringLiteral("tsf"), {}};
}

void TForm1::PaletteNeu()
{
    if (m_platform.messages.askYesNo(QStringLiteral("Soll das aktuelle Farbschema durch ein neues ersetzt werden?\n\n"
                                                    "(Dieser Vorgang kann nicht rückgängig gemacht werden)"))) {
        for (int n = 1; n <= 16; ++n)
            m_scheme->setSlot(n, clBtnFace, 0);
        Q_EMIT m_events.schemeChanged();
    }
    m_dlSave.options.fileName.clear();
}

void TForm1::setInfoTexts(const std::array<QString, 16>& texts)
{
    m_scheme->setInfoTexts(texts);
    Q_EMIT m_events.schemeChanged();
}

} // namespace Tintara
