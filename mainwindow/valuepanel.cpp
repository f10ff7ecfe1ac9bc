#include "mainwindow/valuepanel.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "pages/z_optionen.h"
#include "platform/systemcolors.h"

#include <QLabel>

namespace Tintara {

ValuePanel::ValuePanel(QWidget& window, const ValuePanelLabels& labels, Z_Optionen& options,
                       std::function<bool(const TColorShape*)> isEmptySlot)
    : QObject(&window), m_labels(labels), m_options(options), m_isEmptySlot(std::move(isEmptySlot))
{
    watch(window);
    for (QWidget* label : {labels.Label6, labels.lbHex, labels.Label8, labels.lbRGB, labels.Label3, labels.lbDelphi,
                           labels.Label7, labels.lbCpp})
        label->installEventFilter(this);
    connect(&options, &Z_Optionen::copyFormatChanged, this, &ValuePanel::cbTrayFormatChange);
}

void ValuePanel::watch(const QWidget& area)
{
    for (TColorShape* swatch : area.findChildren<TColorShape*>()) {
        if (swatch->role() != TColorShape::Role::Decoration)
            connect(swatch, &TColorShape::mouseEnter, this, &ValuePanel::AufShape);
    }
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
    m_labels.lbHex->setText(QString::fromStdString(texts.html));
    m_labels.lbRGB->setText(QString::fromStdString(texts.rgb));
    m_labels.lbDelphi->setText(QString::fromStdString(texts.delphi));
    m_labels.lbCpp->setText(QString::fromStdString(texts.cpp));
}

// The captions and values choose the copy format when clicked.
bool ValuePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_clicks.isClick(watched, event))
        return false;
    FormatZwischenablage(watched);
    return true;
}

// Each notation with a caption of its own, and the value shown beside it.
std::array<ValuePanel::Field, 4> ValuePanel::fields() const
{
    return {{{m_labels.Label6, m_labels.lbHex, NotationHtml},
             {m_labels.Label8, m_labels.lbRGB, NotationRgb},
             {m_labels.Label3, m_labels.lbDelphi, NotationDelphi},
             {m_labels.Label7, m_labels.lbCpp, NotationCpp}}};
}

void ValuePanel::FormatZwischenablage(QObject* sender)
{
    for (const Field& field : fields()) {
        const bool chosen = sender == field.caption || sender == field.value;
        setChromeTextColor(field.caption, chosen ? 0xFF0000 : clWindowText);
        if (chosen)
            m_options.selectCopyFormat(field.notation);
    }
    Q_EMIT copyFormatShown(m_options.copyFormat());
}

void ValuePanel::cbTrayFormatChange()
{
    // Formats without a caption of their own come from the list itself, which highlights none.
    QObject* caption = nullptr;
    for (const Field& field : fields()) {
        if (field.notation == m_options.copyFormat())
            caption = field.caption;
    }
    FormatZwischenablage(caption);
}

} // namespace Tintara
