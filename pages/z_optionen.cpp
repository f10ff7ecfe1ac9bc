#include "pages/z_optionen.h"

#include "color/notation.h"
#include "pages/pagehost.h"
#include "rules/configformat.h"

#include "ui_z_optionen.h"

#include <QSignalBlocker>

namespace Tintara {

Z_Optionen::Z_Optionen(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Optionen>())
{
    setUpForm(*ui);
    m_switches = {ui->cbOpt_0,  ui->cbOpt_1,  ui->cbOpt_2,  ui->cbOpt_3,  ui->cbOpt_4,  ui->cbOpt_5,
                  ui->cbOpt_6,  ui->cbOpt_7,  ui->cbOpt_8,  ui->cbOpt_9,  ui->cbOpt_10, ui->cbOpt_11,
                  ui->cbOpt_12, ui->cbOpt_13, ui->cbOpt_14, ui->cbOpt_15, ui->cbOpt_16, ui->cbOpt_17};
    for (const NotationRow& row : notationTable)
        ui->cbTrayFormat->addItem(QString::fromUtf8(row.formatName));
    connect(ui->cbTrayFormat, &QComboBox::currentIndexChanged, this, &Z_Optionen::copyFormatChanged);
    connect(ui->cbTrayFormat, &QComboBox::currentIndexChanged, this, &ModulePage::settingsChanged);
    for (QCheckBox* box : m_switches)
        connect(box, &QCheckBox::toggled, this, &ModulePage::settingsChanged);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [&host] { host.runCommand(Command::Konverter); });
}

Z_Optionen::~Z_Optionen() = default;

bool Z_Optionen::option(Option option) const
{
    return m_switches[static_cast<std::size_t>(option)]->isChecked();
}

void Z_Optionen::setOptions(const OptionSwitches& options)
{
    for (std::size_t n = 0; n < m_switches.size(); ++n)
        m_switches[n]->setChecked(options.on[n]);
}

OptionSwitches Z_Optionen::options() const
{
    OptionSwitches options;
    for (std::size_t n = 0; n < m_switches.size(); ++n)
        options.on[n] = m_switches[n]->isChecked();
    return options;
}

void Z_Optionen::writeSettings(PageSettings& settings) const
{
    settings.options = options();
    settings.tray = copyFormat();
}

void Z_Optionen::restoreSettings(const PageSettings& settings)
{
    setOptions(settings.options);
    selectCopyFormat(settings.tray);
}

int Z_Optionen::copyFormat() const
{
    return ui->cbTrayFormat->currentIndex();
}

void Z_Optionen::selectCopyFormat(int index)
{
    {
        const QSignalBlocker blocker(ui->cbTrayFormat);
        ui->cbTrayFormat->setCurrentIndex(index >= 0 && index < ui->cbTrayFormat->count() ? index : -1);
    }
    Q_EMIT settingsChanged(); // the choice is kept, though no change handler ran
}

} // namespace Tintara
