#include "mainwindow/tform1.h"

#include "platform/systemcolors.h"

#include "ui_tform1.h"
#include "controls/eventhook.h"
#include "mainwindow/contextmenu.h"
#include "pages/z_optionen.h"


namespace Tintara {

void TForm1::connectCopyFormat()
{
    auto* clicks = new EventHook([this](QObject* watched, QEvent* event) { return valuePanelClick(watched, event); }, this);
    for (QWidget* label : {ui->Label6, ui->lbHex, ui->Label8, ui->lbRGB, ui->Label3, ui->lbDelphi, ui->Label7, ui->lbCpp})
        label->installEventFilter(clicks);
    connect(m_optionen, &Z_Optionen::copyFormatChanged, this, &TForm1::cbTrayFormatChange);
}

// The value panel's captions and values choose the copy format when clicked.
bool TForm1::valuePanelClick(QObject* watched, QEvent* event)
{
    if (!m_clicks.isClick(watched, event))
        return false;
    FormatZwischenablage(watched);
    return true;
}

void TForm1::FormatZwischenablage(QObject* sender)
{
    const std::array<std::pair<QWidget*, QObject*>, 4> fields = {{
        {ui->Label6, ui->lbHex}, {ui->Label8, ui->lbRGB}, {ui->Label3, ui->lbDelphi}, {ui->Label7, ui->lbCpp}}};
    constexpr int indexes[] = {0, 2, 3, 4};
    for (const auto& [caption, value] : fields)
        setTextColor(caption, clWindowText);
    for (int i = 0; i < 4; ++i) {
        if (sender == fields[i].first || sender == fields[i].second) {
            setTextColor(fields[i].first, 0xFF0000);
            m_optionen->selectCopyFormat(indexes[i]);
        }
    }
    m_menu->showCopyFormat(m_optionen->copyFormat());
}

void TForm1::cbTrayFormatChange()
{
    // Formats without a caption of their own come from the list itself, which highlights none.
    QObject* const senders[] = {ui->Label6, nullptr, ui->Label8, ui->Label3, ui->Label7};
    const int index = m_optionen->copyFormat();
    FormatZwischenablage(index >= 0 && index <= 4 ? senders[index] : nullptr);
}

} // namespace Tintara
