#include "pages/z_paletteninfo.h"

#include "pages/pagehost.h"

#include "ui_z_paletteninfo.h"

#include <QFontMetricsF>

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

Z_Paletteninfo::Z_Paletteninfo(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Paletteninfo>())
{
    setUpForm(*ui);
    for (int n = 1; n <= 16; ++n) {
        m_fields[n - 1] = findChild<QLineEdit*>(QStringLiteral("edPalInfo%1").arg(n));
        m_fields[n - 1]->setMaxLength(infoTypingLimit);
    }
    spaceHeaderLikeTheSlots(ui->lbPalInfoKopf);
    connect(ui->PalettenInfosSetzen, &QPushButton::clicked, this, &Z_Paletteninfo::PalInfossetzen);
    connect(ui->PalettenInfosLesen, &QPushButton::clicked, this, &Z_Paletteninfo::PalInfoslesen);
    connect(&host.events(), &PageEvents::schemeLoaded, this, &Z_Paletteninfo::PalInfoslesen);
    PalInfoslesen(); // the texts of the scheme the window has now, however long it has had it
}

Z_Paletteninfo::~Z_Paletteninfo() = default;

void Z_Paletteninfo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        spaceHeaderLikeTheSlots(ui->lbPalInfoKopf);
    ModulePage::changeEvent(event);
}

// Every slot takes its field's text, empty or not; a text switches the slot's tooltip on.
void Z_Paletteninfo::PalInfossetzen()
{
    std::array<QString, 16> texts;
    for (int n = 0; n < 16; ++n)
        texts[n] = m_fields[n]->text();
    m_host.setInfoTexts(texts);
    m_host.platform().messages.showMessage(
        tr("Informationen wurden übernommen. Zur dauerhaften Hinterlegung bitte Palette speichern."));
}

void Z_Paletteninfo::PalInfoslesen()
{
    // Typing stops at 30 characters; a longer text from a file stays whole and takes no more.
    const SchemeSlots scheme = m_host.schemeSlots();
    for (int n = 0; n < 16; ++n) {
        const QString& text = scheme.infos[n];
        m_fields[n]->setMaxLength(std::max(infoTypingLimit, static_cast<int>(text.size())));
        m_fields[n]->setText(text);
    }
}

} // namespace Tintara
