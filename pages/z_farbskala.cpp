#include "pages/z_farbskala.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "exchange/scaleformats.h"
#include "pages/pagehost.h"
#include "platform/atomicwrite.h"
#include "rules/contrastrules.h"

#include "ui_z_farbskala.h"

#include <QDir>

namespace Tintara {

namespace {

constexpr int firstRowY = 104;
constexpr int rowHeight = 21;
// Where the columns of a step's row start, and their object names after "lbStufe<n>".
constexpr std::array<int, 5> columnX = {72, 112, 200, 350, 518};
constexpr std::array<const char*, 4> columnNames = {"", "Hex", "Weiss", "Schwarz"};

} // namespace

Z_Farbskala::Z_Farbskala(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Farbskala>())
    , m_saveDialog(FileDialogKind::Save, host.platform().fileDialogs)
{
    setUpForm(*ui);
    for (int n = 0; n < mostSteps; ++n) {
        auto* swatch = new TColorShape(this);
        swatch->setObjectName(QStringLiteral("shStufe%1").arg(n + 1));
        swatch->setGeometry(8, firstRowY + n * rowHeight, 56, rowHeight - 3);
        swatch->setDragMode(TColorShape::DragMode::Automatic);
        StepRow row{swatch, {}};
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            row.columns[c] = new QLabel(this);
            row.columns[c]->setObjectName(QStringLiteral("lbStufe%1").arg(n + 1) + QLatin1String(columnNames[c]));
            row.columns[c]->setGeometry(columnX[c], firstRowY + n * rowHeight, columnX[c + 1] - columnX[c] - 4,
                                        rowHeight - 3);
        }
        m_rows.push_back(row);
    }
    for (std::size_t n = 0; n < std::size(scaleFormats); ++n)
        ui->cbSkalaFormat->addItem(QString());
    showTexts(); // the scale follows once the base takes the active colour
    ui->shBasis->setShowHint(true);

    connect(&host.events(), &PageEvents::activeColorChanged, this,
            [this] { updateWhenShown([this] { activeColorChanged(); }); });
    connect(ui->shBasis, &TColorShape::colorChanged, this, &Z_Farbskala::baseChanged);
    connect(ui->shSkalaHintergrund, &TColorShape::colorChanged, this, &Z_Farbskala::showScale);
    connect(ui->rbKontrastziele, &QRadioButton::toggled, this, &Z_Farbskala::showScale);
    connect(ui->cbBasisStufe, &QComboBox::currentIndexChanged, this, &Z_Farbskala::showScale);
    connect(ui->cbSkalaFarbraum, &QComboBox::currentIndexChanged, this, &Z_Farbskala::showScale);
    connect(ui->edZiele, &QLineEdit::editingFinished, this, &Z_Farbskala::targetsEntered);
    // Each metric keeps the targets typed for it.
    connect(ui->cbMass, &QComboBox::currentIndexChanged, this, [this] {
        m_targetsRefused = false;
        showTargetsHint();
        ui->edZiele->setText(contrastTargetText(chosenTargets()));
        showScale();
    });
    const auto showTokenChoice = [this] {
        ui->cbSkalaTokenHex->setVisible(chosenFormat().format == ScaleFormat::DesignTokens);
    };
    connect(ui->cbSkalaFormat, &QComboBox::currentIndexChanged, this, showTokenChoice);
    showTokenChoice();
    connect(ui->btSkalaKopieren, &QPushButton::clicked, this, &Z_Farbskala::copyScale);
    connect(ui->btSkalaSpeichern, &QPushButton::clicked, this, &Z_Farbskala::saveScale);
    connect(ui->btInsFarbschema, &QPushButton::clicked, this, &Z_Farbskala::addToScheme);
    activeColorChanged();
}

Z_Farbskala::~Z_Farbskala() = default;

void Z_Farbskala::activeColorChanged()
{
    if (!m_baseFollows)
        return;
    m_following = true;
    ui->shBasis->setColor(m_host.activeColor());
    m_following = false;
}

// A colour put on the base by hand fixes it: the page no longer follows the active colour.
void Z_Farbskala::baseChanged()
{
    if (!m_following)
        m_baseFollows = false;
    showScale();
}

std::optional<std::size_t> Z_Farbskala::pinnedStep() const
{
    const int chosen = ui->cbBasisStufe->currentIndex(); // 0 is "Automatisch"
    return chosen > 0 ? std::optional(std::size_t(chosen - 1)) : std::nullopt;
}

std::vector<double>& Z_Farbskala::chosenTargets()
{
    return m_targets[measure() == ContrastMeasure::Wcag ? 0 : 1];
}

ContrastMeasure Z_Farbskala::measure() const
{
    return ui->cbMass->currentIndex() == 1 ? ContrastMeasure::Apca : ContrastMeasure::Wcag;
}

void Z_Farbskala::targetsEntered()
{
    const auto targets = contrastTargetList(ui->edZiele->text(), measure(), mostSteps);
    if (targets)
        chosenTargets() = *targets;
    m_targetsRefused = !targets;
    showTargetsHint();
    ui->edZiele->setText(contrastTargetText(chosenTargets()));
    showScale();
}

void Z_Farbskala::showTargetsHint()
{
    if (!m_targetsRefused)
        ui->lbZieleHinweis->clear();
    else if (measure() == ContrastMeasure::Wcag)
        ui->lbZieleHinweis->setText(tr("Bis zu 13 Verhältnisse von 1 bis 21, etwa 3 4,5 7"));
    else
        ui->lbZieleHinweis->setText(tr("Bis zu 13 Lc-Werte von 1 bis 108, etwa 45 60 75"));
}

void Z_Farbskala::languageChanged()
{
    showTexts();
    showScale();
}

void Z_Farbskala::showTexts()
{
    for (std::size_t n = 0; n < std::size(scaleFormats); ++n)
        ui->cbSkalaFormat->setItemText(int(n), scaleFormatName(scaleFormats[n]));
    ui->shBasis->setHint(tr("Folgt der aktiven Farbe, bis Sie eine Farbe hierher ziehen"));
    ui->edZiele->setText(contrastTargetText(chosenTargets())); // with the decimal separator of the language
    showTargetsHint();
}

void Z_Farbskala::showScale()
{
    const bool targets = ui->rbKontrastziele->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(ui->lbSkalaHintergrund), static_cast<QWidget*>(ui->shSkalaHintergrund),
                             static_cast<QWidget*>(ui->lbZiele), static_cast<QWidget*>(ui->edZiele),
                             static_cast<QWidget*>(ui->cbMass), static_cast<QWidget*>(ui->lbZieleHinweis)})
        control->setVisible(targets);
    ui->lbBasisStufe->setVisible(!targets);
    ui->cbBasisStufe->setVisible(!targets);
    ui->cbSkalaFarbraum->setVisible(!targets);
    const TColor base = ui->shBasis->color();
    const bool p3 = ui->cbSkalaFarbraum->currentIndex() == 1;
    m_steps = targets ? contrastShades(base, ui->shSkalaHintergrund->color(), chosenTargets(), measure())
        : p3          ? displayP3Scale(toOklch(base), pinnedStep())
                      : tonalScale(base, pinnedStep());
    for (std::size_t n = 0; n < m_rows.size(); ++n) {
        const bool shown = n < m_steps.size();
        m_rows[n].swatch->setVisible(shown);
        for (QLabel* column : m_rows[n].columns)
            column->setVisible(shown);
        if (!shown)
            continue;
        const ScaleStep& step = m_steps[n];
        // An unreachable step is an empty frame that gives no colour.
        m_rows[n].swatch->setBrushStyle(step.color ? TColorShape::BrushStyle::Solid : TColorShape::BrushStyle::Clear);
        m_rows[n].swatch->setDragMode(step.color ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
        if (step.color)
            m_rows[n].swatch->setColor(*step.color);
        const ScaleStepTexts texts = scaleStepTexts(step);
        const auto p3 = step.color ? beyondSrgb(step.wide) : std::nullopt;
        m_rows[n].columns[1]->setToolTip(p3 ? QString::fromStdString(displayP3Text(*p3)) : QString());
        const std::array<QString, 4> shownTexts = {texts.name, texts.hex, texts.onWhite, texts.onBlack};
        for (std::size_t c = 0; c < shownTexts.size(); ++c)
            m_rows[n].columns[c]->setText(shownTexts[c]);
        // The figure of the other metric, where there is room for one only.
        const bool apca = step.measure == ContrastMeasure::Apca;
        const auto other = [&](double ratio, double lc) {
            return !step.color ? QString() : apca ? wcagRatioText(ratio) : apcaText(lc);
        };
        m_rows[n].columns[2]->setToolTip(other(step.ratioOnWhite, step.lcOnWhite));
        m_rows[n].columns[3]->setToolTip(other(step.ratioOnBlack, step.lcOnBlack));
    }
}

const ScaleFormatRow& Z_Farbskala::chosenFormat() const
{
    return scaleFormats[std::max(ui->cbSkalaFormat->currentIndex(), 0)];
}

QByteArray Z_Farbskala::scaleFileBytes() const
{
    return scaleFile(chosenFormat().format, ui->edSkalaName->text(), m_steps,
                     ui->cbSkalaTokenHex->isChecked() ? TokenValue::Hex : TokenValue::Object);
}

void Z_Farbskala::copyScale()
{
    m_host.platform().clipboard.setText(QString::fromUtf8(scaleFileBytes()));
}

void Z_Farbskala::saveScale()
{
    const ScaleFormatRow& row = chosenFormat();
    m_saveDialog.options.filter = scaleFormatName(row) + QStringLiteral("|*.") + QLatin1String(row.extension);
    m_saveDialog.options.defaultExt = QLatin1String(row.extension);
    if (!m_saveDialog.execute())
        return;
    const QString path = m_saveDialog.options.fileName;
    QString reason;
    if (!writeFileAtomically(path, scaleFileBytes(), &reason))
        m_host.platform().messages.showError(
            tr("Datei \"%1\" kann nicht erstellt werden. %2").arg(QDir::toNativeSeparators(path), reason));
}

void Z_Farbskala::addToScheme()
{
    std::vector<WideColor> colours;
    std::vector<QString> names;
    for (const ScaleStep& step : m_steps) {
        if (step.color) {
            colours.push_back({*step.color, beyondSrgb(step.wide) ? step.wide : std::nullopt});
            names.push_back(scaleStepName(ui->edSkalaName->text(), step));
        }
    }
    m_host.addToFreeSlots([] { return tr("Farbskala ins Farbschema"); }, colours, names);
}

} // namespace Tintara
