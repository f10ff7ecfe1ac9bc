#include "mainwindow/tform1.h"

#include "platform/systemcolors.h"

#include "ui_tform1.h"
#include "ui_z_optionen.h"

#include <QMenu>

namespace Tintara {

namespace {

constexpr std::array<const char*, 8> formatNames = {"HTML", "Hex", "RGB", "Delphi", "C++", "Visual Basic",
                                                    "Visual Basic.Net", "CMYK"};

} // namespace

void TForm1::connectCopyFormat()
{
    connect(uiOptionen->cbTrayFormat, &QComboBox::currentIndexChanged, this, &TForm1::cbTrayFormatChange);
}

// The value panel's captions and values choose the copy format when clicked.
bool TForm1::valuePanelClick(QObject* watched, QEvent* event)
{
    const QObject* const labels[] = {ui->Label6, ui->lbHex, ui->Label8, ui->lbRGB,
                                     ui->Label3, ui->lbDelphi, ui->Label7, ui->lbCpp};
    if (std::find(std::begin(labels), std::end(labels), watched) == std::end(labels)
        || !m_clicks.isClick(watched, event))
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
            const QSignalBlocker blocker(uiOptionen->cbTrayFormat);
            uiOptionen->cbTrayFormat->setCurrentIndex(indexes[i]);
        }
    }
    const int index = uiOptionen->cbTrayFormat->currentIndex();
    if (index >= 0 && index < static_cast<int>(formatNames.size()))
        m_puFarbwert->setText(QStringLiteral("Farbwert kopieren (%1)").arg(QLatin1String(formatNames[index])));
}

void TForm1::cbTrayFormatChange()
{
    QObject* const senders[] = {ui->Label6, uiOptionen->cbTrayFormat, ui->Label8, ui->Label3, ui->Label7};
    const int index = uiOptionen->cbTrayFormat->currentIndex();
    FormatZwischenablage(index >= 0 && index <= 4 ? senders[index] : uiOptionen->cbTrayFormat);
}

} // namespace Tintara
