#include "pages/z_farbrollen.h"

#include "color/wcag.h"
#include "controls/tcolorshape.h"
#include "exchange/themeformats.h"
#include "pages/pagehost.h"
#include "rules/editorinput.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace Tintara {

namespace {

constexpr int firstRowY = 44;
constexpr int rowHeight = 26;
constexpr int lightX = 120;
constexpr int darkX = 164;

QString roleLabel(std::size_t role)
{
    return QCoreApplication::translate("Farbrollen", roleTable[role].label);
}

QString pairName(const RolePair& pair)
{
    return Z_Farbrollen::tr("%1 auf %2").arg(roleLabel(roleIndex(pair.foreground)), roleLabel(roleIndex(pair.background)));
}

QString verdictText(const PairVerdict& verdict)
{
    const QString ratio = shownNumber(formatContrastRatio(verdict.ratio));
    const QString lc = shownNumber(std::to_string(static_cast<int>(std::lround(verdict.lc))));
    return QStringLiteral("%1  Lc %2  %3").arg(ratio, lc, verdict.passes() ? QStringLiteral("✓") : QStringLiteral("✗"));
}

void showSwatch(TColorShape* swatch, const std::optional<TColor>& color)
{
    swatch->setBrushStyle(color ? TColorShape::BrushStyle::Solid : TColorShape::BrushStyle::Clear);
    swatch->setDragMode(color ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
    if (color)
        swatch->setColor(*color);
}

} // namespace

Z_Farbrollen::Z_Farbrollen(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , m_title(new QLabel(this))
    , m_lightCaption(new QLabel(this))
    , m_darkCaption(new QLabel(this))
    , m_legend(new QLabel(this))
    , m_pairs(new QTableWidget(this))
{
    setObjectName(QStringLiteral("Z_Farbrollen"));
    resize(526, 388);
    m_title->setGeometry(8, 6, 510, 16);
    m_lightCaption->setGeometry(lightX, 26, 40, 16);
    m_darkCaption->setGeometry(darkX, 26, 44, 16);
    for (std::size_t n = 0; n < roleCount; ++n) {
        const int y = firstRowY + static_cast<int>(n) * rowHeight;
        const QString key = QLatin1String(roleTable[n].key);
        auto* label = new QLabel(this);
        label->setGeometry(8, y, 110, rowHeight - 4);
        RoleRowWidgets row{label, new TColorShape(this), new TColorShape(this), new QLabel(this)};
        row.light->setObjectName(QStringLiteral("shRolleHell_") + key);
        row.dark->setObjectName(QStringLiteral("shRolleDunkel_") + key);
        for (auto [swatch, x] : {std::pair{row.light, lightX}, std::pair{row.dark, darkX}}) {
            swatch->setGeometry(x, y, 40, rowHeight - 4);
            swatch->setRole(TColorShape::Role::Target);
            swatch->setShowHint(true);
        }
        row.mark->setObjectName(QStringLiteral("lbRolleMarke_") + key);
        row.mark->setGeometry(darkX + 44, y, 12, rowHeight - 4);
        row.mark->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
        m_rows[n] = row;
    }
    m_pairs->setObjectName(QStringLiteral("tvRollenPaare"));
    m_pairs->setGeometry(224, 26, 294, 300);
    m_pairs->setColumnCount(3);
    m_pairs->verticalHeader()->hide();
    m_pairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pairs->setSelectionMode(QAbstractItemView::NoSelection);
    m_pairs->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pairs->setColumnWidth(1, 92);
    m_pairs->setColumnWidth(2, 92);
    m_legend->setGeometry(224, 330, 294, 54);
    m_legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_legend->setWordWrap(true);
    showTexts();

    const auto changed = [this] { updateWhenShown([this] { showTheme(); }); };
    connect(&host.events(), &PageEvents::schemeChanged, this, changed);
    connect(&host.events(), &PageEvents::schemeLoaded, this, changed);
    connect(&host.events(), &PageEvents::colorDropped, this, &Z_Farbrollen::colorDropped);
    connect(&host.events(), &PageEvents::swatchTrashed, this, &Z_Farbrollen::swatchTrashed);
    connect(m_pairs, &QTableWidget::cellClicked, this, &Z_Farbrollen::pairClicked);
}

void Z_Farbrollen::showTexts()
{
    m_title->setText(tr("Farbrollen: ziehen Sie Farben oder Plätze des Farbschemas auf die Felder"));
    m_lightCaption->setText(tr("Hell"));
    m_darkCaption->setText(tr("Dunkel"));
    m_legend->setText(tr("✗: der Kontrast reicht nicht (WCAG 4,5:1 für Text, 3:1 sonst; APCA Lc 60, 45, 30). Ein "
                         "Klick darauf nimmt die nächste Helligkeit, die reicht."));
    m_pairs->setHorizontalHeaderLabels({tr("Paar"), tr("Hell"), tr("Dunkel")});
    for (std::size_t n = 0; n < roleCount; ++n)
        m_rows[n].label->setText(roleLabel(n));
}

void Z_Farbrollen::languageChanged()
{
    showTexts();
    showTheme();
}

void Z_Farbrollen::showTheme()
{
    const SchemeSlots scheme = m_host.schemeSlots();
    const ThemeColors theme = schemeTheme(scheme);
    for (std::size_t n = 0; n < roleCount; ++n) {
        const RoleRowWidgets& row = m_rows[n];
        showSwatch(row.light, theme.light[n]);
        showSwatch(row.dark, theme.dark[n]);
        const auto& given = scheme.roles.light[n];
        row.light->setHint(!given ? tr("Ziehen Sie eine Farbe oder einen Platz hierher")
                           : given->slot ? tr("Folgt Platz %1 des Farbschemas").arg(given->slot)
                                         : tr("Eigene Farbe"));
        row.dark->setHint(!theme.dark[n]      ? QString()
                          : !theme.derived[n] ? tr("Hierher gezogen; auf den Papierkorb gezogen, wird sie wieder abgeleitet")
                          : theme.unreachable[n] ? tr("Abgeleitet; der Kontrast des hellen Paars ist im Dunkeln nicht erreichbar")
                                                 : tr("Abgeleitet: derselbe Kontrast wie im hellen Paar"));
        row.mark->setText(theme.unreachable[n] ? QStringLiteral("!") : QString());
        row.mark->setToolTip(row.dark->hint());
    }
    m_checks = checkTheme(theme);
    m_pairs->setRowCount(static_cast<int>(m_checks.size()));
    for (int r = 0; r < m_pairs->rowCount(); ++r) {
        const PairCheck& check = m_checks[static_cast<std::size_t>(r)];
        m_pairs->setItem(r, 0, new QTableWidgetItem(pairName(check.pair)));
        int column = 1;
        for (const PairVerdict& verdict : {check.light, check.dark}) {
            auto* item = new QTableWidgetItem(verdictText(verdict));
            if (!verdict.passes()) {
                item->setBackground(QColor(0xF8, 0xD7, 0xDA));
                item->setToolTip(tr("Ein Klick nimmt die nächste Helligkeit, die reicht"));
            }
            m_pairs->setItem(r, column++, item);
        }
    }
}

std::optional<Z_Farbrollen::SwatchPlace> Z_Farbrollen::placeOf(const QWidget* swatch) const
{
    for (std::size_t n = 0; n < roleCount; ++n) {
        if (swatch == m_rows[n].light || swatch == m_rows[n].dark)
            return SwatchPlace{n, swatch == m_rows[n].dark};
    }
    return std::nullopt;
}

void Z_Farbrollen::colorDropped(QWidget* target, TColor color, int fromSlot)
{
    const auto place = placeOf(target);
    if (!place)
        return;
    ThemeRoles roles = m_host.schemeSlots().roles;
    if (place->dark)
        roles.dark[place->role] = color;
    else
        roles.light[place->role] = fromSlot ? RoleColor{fromSlot, 0} : RoleColor{0, color};
    const std::size_t role = place->role;
    const bool dark = place->dark;
    m_host.setThemeRoles([role, dark] { return (dark ? tr("Farbrolle %1, dunkel") : tr("Farbrolle %1")).arg(roleLabel(role)); },
                         roles);
}

void Z_Farbrollen::swatchTrashed(QWidget* source)
{
    const auto place = placeOf(source);
    if (!place)
        return;
    ThemeRoles roles = m_host.schemeSlots().roles;
    roles.dark[place->role].reset();
    if (!place->dark)
        roles.light[place->role].reset();
    const std::size_t role = place->role;
    m_host.setThemeRoles([role] { return tr("Farbrolle %1 entfernt").arg(roleLabel(role)); }, roles);
}

// The foreground of a pair that falls short takes the nearest shade that passes, in that mode.
void Z_Farbrollen::pairClicked(int row, int column)
{
    if (column == 0 || row < 0 || row >= static_cast<int>(m_checks.size()))
        return;
    const PairCheck& check = m_checks[static_cast<std::size_t>(row)];
    const bool dark = column == 2;
    const PairVerdict& verdict = dark ? check.dark : check.light;
    if (verdict.passes())
        return;
    const auto fixed = nearestPassingColor(verdict.foreground, verdict.background, check.pair.use);
    if (!fixed)
        return;
    ThemeRoles roles = m_host.schemeSlots().roles;
    const std::size_t role = roleIndex(check.pair.foreground);
    if (dark)
        roles.dark[role] = *fixed;
    else
        roles.light[role] = RoleColor{0, *fixed};
    m_host.setThemeRoles([role] { return tr("Kontrast der Farbrolle %1 angepasst").arg(roleLabel(role)); }, roles);
}

} // namespace Tintara
