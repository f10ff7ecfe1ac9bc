#include "pages/z_webseite.h"

#include "controls/tcolorshape.h"
#include "exchange/themeformats.h"
#include "pages/pagehost.h"
#include "platform/systemcolors.h"

#include "ui_z_webseite.h"

#include <QLabel>
#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QSignalBlocker>

namespace Tintara {

namespace {

// The seven roles, in the order of the role list and of the labels ColorDialog1..7.
constexpr std::array<const char*, 7> roles = {"Background", "Nav", "Menue", "Logo", "Header", "Text", "Link"};
// The theme's role each of them shows in a theme mode: the navigation is the primary with its text.
constexpr std::array<Role, 7> themeRoles = {Role::Background, Role::Primary, Role::OnPrimary, Role::OnPrimary,
                                            Role::Text, Role::Text, Role::Link};

} // namespace

Z_Webseite::Z_Webseite(const PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Webseite>())
{
    setUpForm(*ui);
    // Below the role list; the own colours are the page as it always was.
    m_themeMode = new QComboBox(this);
    m_themeMode->setObjectName(QStringLiteral("cbWebseiteFarbrollen"));
    m_themeMode->setGeometry(6, 290, 175, 21);
    m_themeMode->addItems({QString(), QString(), QString()});
    languageChanged();
    connect(m_themeMode, &QComboBox::currentIndexChanged, this, &Z_Webseite::themeModeChanged);
    connect(&host.events(), &PageEvents::schemeChanged, this, [this] {
        if (m_themeMode->currentIndex() != 0)
            updateWhenShown([this] { WebseiteFarben(); });
    });
    {
        const QSignalBlocker blocker(ui->cbWebseite); // the page shows its choice when entered
        ui->cbWebseite->setCurrentIndex(0);
    }
    connect(ui->cbWebseite, &QComboBox::currentIndexChanged, this, &Z_Webseite::cbWebseiteChange);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now && isAncestorOf(now) && !(old && isAncestorOf(old)))
            Z_WebseiteEnter();
    });
    for (int role = 0; role < 7; ++role) {
        // A role colour dropped or pasted shows on the page in view at once.
        connect(roleSwatch(role), &TColorShape::colorChanged, this, [this] {
            if (isCurrentPage())
                WebseiteFarben();
        });
        findChild<QWidget*>(QStringLiteral("ColorDialog%1").arg(role + 1))->installEventFilter(this);
    }
}

Z_Webseite::~Z_Webseite() = default;

TColorShape* Z_Webseite::roleSwatch(int role) const
{
    return findChild<TColorShape*>(QLatin1String("Webseite") + QLatin1String(roles[role]));
}

void Z_Webseite::languageChanged()
{
    m_themeMode->setItemText(0, tr("Eigene Farben"));
    m_themeMode->setItemText(1, tr("Farbrollen: Hell"));
    m_themeMode->setItemText(2, tr("Farbrollen: Dunkel"));
    m_themeMode->setToolTip(tr("Zeigt die Testwebseiten in den Farbrollen des Farbschemas, hell oder dunkel; "
                               "eine Rolle ohne Farbe nimmt die eigene Farbe der Seite"));
}

Z_Webseite::Colours Z_Webseite::shownColours() const
{
    return static_cast<Colours>(m_themeMode->currentIndex());
}

TColor Z_Webseite::roleColor(int role, Colours colours, const std::optional<ThemeColors>& theme) const
{
    if (colours != Colours::Own && theme) {
        const auto& colors = colours == Colours::ThemeDark ? theme->dark : theme->light;
        if (const auto color = colors[roleIndex(themeRoles[static_cast<std::size_t>(role)])])
            return *color;
    }
    return roleSwatch(role)->color();
}

// The page's own colours take drops only while they are shown.
void Z_Webseite::themeModeChanged()
{
    const bool own = m_themeMode->currentIndex() == 0;
    for (int role = 0; role < 7; ++role) {
        roleSwatch(role)->setEnabled(own);
        findChild<QWidget*>(QStringLiteral("ColorDialog%1").arg(role + 1))->setEnabled(own);
    }
    WebseiteFarben();
}

void Z_Webseite::WebseiteFarben()
{
    colourWebPage(ui->cbWebseite->currentIndex() == 1 ? 2 : 1, shownColours());
}

QPixmap Z_Webseite::grabWebPage(int n, std::optional<Colours> colours)
{
    colourWebPage(n, colours.value_or(shownColours()));
    const QPixmap picture = (n == 2 ? ui->X_Seite2 : ui->X_Seite1)->grab();
    if (colours)
        WebseiteFarben(); // the page shows its own choice again
    return picture;
}

void Z_Webseite::colourWebPage(int n, Colours colours)
{
    const QString page = QStringLiteral("Seite%1").arg(n);
    const auto element = [&](const char* role) { return findChild<QWidget*>(page + QLatin1String(role)); };
    // The theme is derived once for the whole page, and only where it is shown.
    const auto theme = colours == Colours::Own ? std::nullopt : std::optional(schemeTheme(m_host.schemeSlots()));
    static_cast<TColorShape*>(element("Background"))->setColor(roleColor(0, colours, theme));
    static_cast<TColorShape*>(element("LeftNav"))->setColor(roleColor(1, colours, theme));
    static_cast<TColorShape*>(element("TopNav"))->setColor(roleColor(1, colours, theme));
    for (int role = 2; role < 7; ++role)
        setTextColor(element(roles[role]), roleColor(role, colours, theme));
}

void Z_Webseite::cbWebseiteChange()
{
    ui->X_Seite1->setVisible(ui->cbWebseite->currentIndex() != 1);
    ui->X_Seite2->setVisible(ui->cbWebseite->currentIndex() == 1);
    WebseiteFarben();
}

void Z_Webseite::showEvent(QShowEvent* event)
{
    fitCaptions(); // the window's font is known only now
    ModulePage::showEvent(event);
}

// Every text of the mock pages fits its box inside the page with the fonts of this platform: a
// caption grows to its text, and where a font is wider than the Arial metrics the layout was drawn
// for, the text is set a little smaller instead of being cut.
void Z_Webseite::fitCaptions()
{
    constexpr double smallest = 6;
    for (QWidget* page : {ui->X_Seite1, ui->X_Seite2}) {
        const auto fits = [page](const QLabel* text) {
            return text->wordWrap() ? text->heightForWidth(text->width()) <= text->height()
                                    : text->x() + text->sizeHint().width() <= page->width();
        };
        for (QLabel* text : page->findChildren<QLabel*>()) {
            QFont font = text->font();
            font.setPointSizeF(page->font().pointSizeF());
            text->setFont(font);
            while (!fits(text) && font.pointSizeF() > smallest) {
                font.setPointSizeF(font.pointSizeF() - 0.5);
                text->setFont(font);
            }
            if (!text->wordWrap())
                text->resize(std::min(std::max(text->sizeHint().width(), text->width()), page->width() - text->x()), text->height());
        }
    }
}

void Z_Webseite::Z_WebseiteEnter()
{
    cbWebseiteChange();
    WebseiteFarben();
}

bool Z_Webseite::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_clicks.isClick(watched, event))
        return ModulePage::eventFilter(watched, event);
    TColorShape* swatch = roleSwatch(watched->objectName().mid(11).toInt() - 1);
    if (const auto chosen = m_host.platform().colorDialog.execute(swatch->color()))
        swatch->setColor(*chosen);
    WebseiteFarben();
    return true;
}

} // namespace Tintara
