#include "mainwindow/valuepanel.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "pages/z_optionen.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"

namespace Tintara {

ValuePanel::ValuePanel(QWidget& window, Ui::TForm1& ui, Z_Optionen& options,
                       std::function<bool(const TColorShape*)> isEmptySlot)
    : QObject(&window), m_ui(ui), m_options(options), m_isEmptySlot(std::move(isEmptySlot))
{
    for (TColorShape* swatch : window.findChildren<TColorShape*>()) {
        if (swatch->role() != TColorShape::Role::Decoration)
            connect(swatch, &TColorShape::mouseEnter, this, &ValuePanel::AufShape);
    }
    for (QWidget* label : {ui.Label6, ui.lbHex, ui.Label8, ui.lbRGB, ui.Label3, ui.lbDelphi, ui.Label7, ui.lbCpp})
        label->installEventFilter(this);
    connect(&options, &Z_Optionen::copyFormatChanged, this, &ValuePanel::cbTrayFormatChange);
}

void ValuePanel::AufShape(TColorShape* swatch)
{
    if (m_isEmptySlot(swatch) || !swatch->isVisible())
        return;
    m_hoverColor = swatch->color();
    m_hoverSwatch = swatch;
    Farbwerte(m_hoverColor);
}

void ValuePanel::Farbwerte(TColor color)
{
    const ValuePanelTexts texts = valuePanelTexts(color);
    m_ui.lbHex->setText(QString::fromStdString(texts.html));
    m_ui.lbRGB->setText(QString::fromStdString(texts.rgb));
    m_ui.lbDelphi->setText(QString::fromStdString(texts.delphi));
    m_ui.lbCpp->setText(QString::fromStdString(texts.cpp));
}

// The captions and values choose the copy format when clicked.
bool ValuePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_clicks.isClick(watched, event))
        return false;
    FormatZwischenablage(watched);
    return true;
}

void ValuePanel::FormatZwischenablage(QObject* sender)
{
    const std::array<std::pair<QWidget*, QObject*>, 4> fields = {{
        {m_ui.Label6, m_ui.lbHex}, {m_ui.Label8, m_ui.lbRGB}, {m_ui.Label3, m_ui.lbDelphi}, {m_ui.Label7, m_ui.lbCpp}}};
    constexpr int indexes[] = {0, 2, 3, 4};
    for (const auto& [caption, value] : fields)
        setTextColor(caption, clWindowText);
    for (int i = 0; i < 4; ++i) {
        if (sender == fields[i].first || sender == fields[i].second) {
            setTextColor(fields[i].first, 0xFF0000);
            m_options.selectCopyFormat(indexes[i]);
        }
    }
    Q_EMIT copyFormatShown(m_options.copyFormat());
}

void ValuePanel::cbTrayFormatChange()
{
    // Formats without a caption of their own come from the list itself, which highlights none.
    QObject* const senders[] = {m_ui.Label6, nullptr, m_ui.Label8, m_ui.Label3, m_ui.Label7};
    const int index = m_options.copyFormat();
    FormatZwischenablage(index >= 0 && index <= 4 ? senders[index] : nullptr);
}

} // namespace Tintara
