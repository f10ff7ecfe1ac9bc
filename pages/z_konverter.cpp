#include "pages/z_konverter.h"

#include "controls/tcolorshape.h"
#include "exchange/paletteformats.h"
#include "pages/pagehost.h"
#include "pages/swatchgrid.h"
#include "platform/inifile.h"
#include "rules/schemeformat.h"

#include "ui_z_konverter.h"

#include <QDir>
#include <QGuiApplication>
#include <QFileInfo>

namespace Tintara {

Z_Konverter::Z_Konverter(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Konverter>())
{
    setUpForm(*ui);
    m_grid = createSwatchGrid(this, "PFA");
    connect(ui->btnKonvDateiOeffnen, &QPushButton::clicked, this, &Z_Konverter::btnKonvDateiOeffnen);
}

Z_Konverter::~Z_Konverter() = default;

// The scheme's open dialog, lent for old schemes and the palette files of other programs.
void Z_Konverter::btnKonvDateiOeffnen()
{
    FileDialog& dialog = m_host.schemeOpenDialog();
    const FileDialogOptions lent = dialog.options;
    dialog.options.filter = tr(
        "Alle unterstützten Dateien|*.ini;*.gpl;*.ase;*.json;*.css;*.txt|Tintara Farbschema|*.ini|GIMP-Palette|*.gpl|"
        "Adobe Swatch Exchange|*.ase|Design Tokens|*.json|Text mit Farbcodes|*.css;*.txt");
    dialog.options.defaultExt = QStringLiteral("ini");
    if (dialog.execute()) {
        const QString path = dialog.options.fileName;
        if (QFileInfo(path).suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0)
            showOldScheme(path);
        else
            importPalette(path);
    }
    dialog.options.filter = lent.filter;
    dialog.options.defaultExt = lent.defaultExt;
}

// An old scheme without its section shows 48 empty places, as ever, and now says why.
void Z_Konverter::showOldScheme(const QString& path)
{
    const IniFile ini(path);
    showColours(readOldScheme(ini));
    if (!ini.sectionExists(QStringLiteral("CFarben")))
        m_host.platform().messages.showError(
            tr("\"%1\" ist kein Tintara-Farbschema: der Abschnitt [CFarben] fehlt, es gibt keine Farben zu zeigen.")
                .arg(QDir::toNativeSeparators(path)));
}

// 0 marks a place without a colour.
void Z_Konverter::showColours(const std::array<std::optional<TColor>, 48>& colors)
{
    for (int n = 0; n < 48; ++n) {
        m_grid[n]->setColor(colors[n].value_or(clBtnFace));
        m_grid[n]->setPenStyle(colors[n] ? TColorShape::PenStyle::Solid : TColorShape::PenStyle::Clear);
    }
}

// The first 48 colours of the file, in order; a file that cannot be read changes nothing.
void Z_Konverter::importPalette(const QString& path)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PaletteRead read = readPaletteFromDisk(path);
    QGuiApplication::restoreOverrideCursor();
    if (!read.error.isEmpty()) {
        m_host.platform().messages.showError(
            tr("\"%1\" wurde nicht übernommen. %2").arg(QDir::toNativeSeparators(path), read.error));
        return;
    }
    std::array<std::optional<TColor>, 48> colors;
    for (std::size_t n = 0; n < colors.size() && n < read.entries.size(); ++n)
        colors[n] = read.entries[n].color;
    showColours(colors);
}

} // namespace Tintara
