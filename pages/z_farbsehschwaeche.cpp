#include "pages/z_farbsehschwaeche.h"

#include "color/decimal.h"
#include "controls/fittedtext.h"
#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "rules/contrastrules.h"
#include "rules/editorinput.h"

#include "ui_z_farbsehschwaeche.h"

#include <QImage>

namespace Tintara {

namespace {

constexpr int pairRows = 5;

// Scaled in device pixels, so a high-density screen shows every one of them.
QPixmap fitted(const QPixmap& picture, const QLabel* view)
{
    const qreal scale = view->devicePixelRatioF();
    QPixmap shown = picture.scaled((view->size() - QSize(4, 4)) * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(scale);
    return shown;
}

} // namespace

Z_Farbsehschwaeche::Z_Farbsehschwaeche(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Farbsehschwaeche>())
{
    setUpForm(*ui);
    connect(ui->cbSchwaeche, &QComboBox::currentIndexChanged, this, &Z_Farbsehschwaeche::changed);
    connect(ui->cbAnsicht, &QComboBox::currentIndexChanged, this, &Z_Farbsehschwaeche::changed);
    connect(ui->sbSchwere, &QScrollBar::valueChanged, this, &Z_Farbsehschwaeche::changed);
    // The views do not show the active colour, so editing it costs nothing here.
    connect(&host.events(), &PageEvents::schemeChanged, this, &Z_Farbsehschwaeche::changed);
    connect(&host.events(), &PageEvents::schemeLoaded, this, &Z_Farbsehschwaeche::changed);
}

Z_Farbsehschwaeche::~Z_Farbsehschwaeche() = default;

void Z_Farbsehschwaeche::languageChanged()
{
    showPairs(matrix());
}

Matrix3 Z_Farbsehschwaeche::matrix() const
{
    return deficiencyMatrix(static_cast<Deficiency>(ui->cbSchwaeche->currentIndex()), ui->sbSchwere->value() / 10.0);
}

void Z_Farbsehschwaeche::changed()
{
    ui->lbSchwereWert->setText(QStringLiteral("%1 %").arg(ui->sbSchwere->value() * 10));
    if (isCurrentPage())
        simulate();
}

// The real controls drawn as they are now, so that what is simulated is what the program shows.
QPixmap Z_Farbsehschwaeche::grabView() const
{
    // The list holds the scheme, web pages 1 and 2, then test images 1 to 6, as the host counts them.
    return m_host.grabTestView(ui->cbAnsicht->currentIndex());
}

void Z_Farbsehschwaeche::simulate()
{
    const Matrix3 m = matrix();
    const QPixmap drawn = grabView();
    QImage seen = drawn.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < seen.height(); ++y)
        simulateDeficiency({reinterpret_cast<std::uint32_t*>(seen.scanLine(y)), static_cast<std::size_t>(seen.width())}, m);
    ui->imNormal->setPixmap(fitted(drawn, ui->imNormal));
    ui->imSimuliert->setPixmap(fitted(QPixmap::fromImage(seen), ui->imSimuliert));
    showPairs(m);
}

void Z_Farbsehschwaeche::showPairs(const Matrix3& m)
{
    const SchemeSlots scheme = m_host.schemeSlots();
    std::array<bool, 16> used{};
    for (int n = 0; n < 16; ++n)
        used[n] = scheme.used[n] == 1;
    const std::vector<ConfusablePair> pairs = confusablePairs(scheme.colors, used, m);
    for (int row = 0; row < pairRows; ++row) {
        const bool shown = row < static_cast<int>(pairs.size());
        const QString prefix = QStringLiteral("shPaar%1").arg(row + 1);
        auto* label = findChild<QLabel*>(QStringLiteral("lbPaar%1").arg(row + 1));
        for (const char* part : {"A", "B", "SimA", "SimB"})
            findChild<TColorShape*>(prefix + QLatin1String(part))->setVisible(shown);
        label->setVisible(shown);
        if (!shown)
            continue;
        const ConfusablePair& pair = pairs[row];
        const TColor a = scheme.colors[pair.first - 1];
        const TColor b = scheme.colors[pair.second - 1];
        findChild<TColorShape*>(prefix + QLatin1String("A"))->setColor(a);
        findChild<TColorShape*>(prefix + QLatin1String("B"))->setColor(b);
        findChild<TColorShape*>(prefix + QLatin1String("SimA"))->setColor(simulateDeficiency(a, m));
        findChild<TColorShape*>(prefix + QLatin1String("SimB"))->setColor(simulateDeficiency(b, m));
        const QStringList infos = {scheme.infos[pair.first - 1], scheme.infos[pair.second - 1]};
        const auto line = [&](const QStringList& shownInfos) {
            return tr("%1: Unterschied %2 normal, %3 mit der Farbsehschwäche")
                .arg(slotPairName(pair.first, shownInfos[0], pair.second, shownInfos[1]),
                     shownNumber(decimalCommaText(pair.normal, 1)), shownNumber(decimalCommaText(pair.seen, 1)));
        };
        // Long slot names give way; the distances stay readable, the whole line is the tool tip.
        setFittedText(label, fittedLine(label, infos, line));
        if (label->text() != line(infos))
            label->setToolTip(line(infos));
    }
    const int more = static_cast<int>(pairs.size()) - pairRows;
    setFittedText(ui->lbPaareHinweis, pairs.empty() ? tr("Keine verwechselbaren Paare mit dieser Farbsehschwäche.")
                                : more > 0    ? tr("… und %1 weitere Paare.").arg(more)
                                              : QString());
}

} // namespace Tintara
