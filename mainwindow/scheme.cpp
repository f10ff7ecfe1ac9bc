#include "mainwindow/tform1.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"

#include "ui_tform1.h"
#include "ui_z_paletteninfo.h"

#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>

namespace Tintara {

namespace {

constexpr int infoTypingLimit = 30;

// The header's numbers stand 30 pixels apart, under the scheme slots, whatever widths the font
// gives its digits and blanks. How many blanks of a run take the extra spacing is the text
// engine's business, so it is measured.
void spaceHeaderLikeTheSlots(QLabel* header)
{
    const QString step = QStringLiteral("01    ");
    QFont font = header->font();
    font.setWordSpacing(0);
    const qreal plain = QFontMetricsF(font).horizontalAdvance(step);
    font.setWordSpacing(1);
    const qreal perUnit = QFontMetricsF(font).horizontalAdvance(step) - plain;
    font.setWordSpacing(perUnit > 0 ? (30 - plain) / perUnit : 0);
    header->setFont(font);
}

} // namespace

void TForm1::connectScheme()
{
    for (int n = 1; n <= 16; ++n) {
        m_slots[n - 1] = ui->Panel3->findChild<TColorShape*>(QStringLiteral("Palette%1").arg(n));
        m_infoFields[n - 1] = ui->Z_Paletteninfo->findChild<QLineEdit*>(QStringLiteral("edPalInfo%1").arg(n));
        m_infoFields[n - 1]->setMaxLength(infoTypingLimit);
    }
    spaceHeaderLikeTheSlots(uiPaletteninfo->lbPalInfoKopf);
    connect(uiPaletteninfo->PalettenInfosSetzen, &QPushButton::clicked, this, &TForm1::PalInfossetzen);
    connect(uiPaletteninfo->PalettenInfosLesen, &QPushButton::clicked, this, &TForm1::PalInfoslesen);
    m_dlOpen.options = m_dlSave.options = {QStringLiteral("TintaraStudio Farbschema|*.tsf"), QStringLiteral("tsf"), {}};
}

int TForm1::PalettenCheck(const QObject* control) const
{
    const auto found = std::find(m_slots.begin(), m_slots.end(), control);
    return found == m_slots.end() ? 0 : static_cast<int>(found - m_slots.begin()) + 1;
}

// A used slot can be dragged; an empty one cannot.
void TForm1::setSlot(int slot, TColor color, int used)
{
    m_slots[slot - 1]->setColor(color);
    m_used[slot - 1] = used;
    m_slots[slot - 1]->setDragMode(used == 1 ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
}

void TForm1::PaletteNeu()
{
    if (m_platform.messages.askYesNo(QStringLiteral("Soll das aktuelle Farbschema durch ein neues ersetzt werden?\n\n"
                                                    "(Dieser Vorgang kann nicht rückgängig gemacht werden)"))) {
        for (int n = 1; n <= 16; ++n)
            setSlot(n, clBtnFace, 0);
        Q_EMIT schemeChanged();
    }
    m_dlSave.options.fileName.clear();
}

void TForm1::AufShape(TColorShape* swatch)
{
    const int slot = PalettenCheck(swatch);
    if ((slot > 0 && m_used[slot - 1] != 1) || !swatch->isVisible())
        return;
    m_hoverColor = swatch->color();
    m_hoverSwatch = swatch;
    Farbwerte(m_hoverColor);
}

void TForm1::Farbwerte(TColor color)
{
    const ValuePanelTexts texts = valuePanelTexts(color);
    ui->lbHex->setText(QString::fromStdString(texts.html));
    ui->lbRGB->setText(QString::fromStdString(texts.rgb));
    ui->lbDelphi->setText(QString::fromStdString(texts.delphi));
    ui->lbCpp->setText(QString::fromStdString(texts.cpp));
}

void TForm1::PalInfossetzen()
{
    for (int n = 0; n < 16; ++n) {
        const QString text = m_infoFields[n]->text();
        m_slots[n]->setHint(text);
        m_slots[n]->setShowHint(!text.isEmpty());
    }
    m_platform.messages.showMessage(
        QStringLiteral("Informationen wurden übernommen. Zur dauerhaften Hinterlegung bitte Palette speichern."));
}

void TForm1::PalInfoslesen()
{
    // Typing stops at 30 characters; a longer text from a file stays whole and takes no more.
    for (int n = 0; n < 16; ++n) {
        const QString text = m_slots[n]->hint();
        m_infoFields[n]->setMaxLength(std::max(infoTypingLimit, static_cast<int>(text.size())));
        m_infoFields[n]->setText(text);
    }
}

} // namespace Tintara
