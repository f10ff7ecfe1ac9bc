#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"
#include "ui_z_webseite.h"

#include <QApplication>

namespace Tintara {

namespace {

// The seven roles, in the order of the role list and of the labels ColorDialog1..7.
constexpr std::array<const char*, 7> roles = {"Background", "Nav", "Menue", "Logo", "Header", "Text", "Link"};

} // namespace

void TForm1::connectTestPages()
{
    connect(uiWebseite->cbWebseite, &QComboBox::currentIndexChanged, this, &TForm1::cbWebseiteChange);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now && ui->Z_Webseite->isAncestorOf(now) && !(old && ui->Z_Webseite->isAncestorOf(old)))
            Z_WebseiteEnter();
    });
}

TColorShape* TForm1::roleSwatch(int role) const
{
    return ui->Z_Webseite->findChild<TColorShape*>(QLatin1String("Webseite") + QLatin1String(roles[role]));
}

bool TForm1::isRoleSwatch(const QObject* swatch) const
{
    for (int role = 0; role < 7; ++role) {
        if (swatch == roleSwatch(role))
            return true;
    }
    return false;
}

void TForm1::WebseiteFarben()
{
    const QString page = QStringLiteral("Seite%1").arg(uiWebseite->cbWebseite->currentIndex() == 1 ? 2 : 1);
    const auto element = [&](const char* role) {
        return ui->Z_Webseite->findChild<QWidget*>(page + QLatin1String(role));
    };
    static_cast<TColorShape*>(element("Background"))->setColor(roleSwatch(0)->color());
    static_cast<TColorShape*>(element("LeftNav"))->setColor(roleSwatch(1)->color());
    static_cast<TColorShape*>(element("TopNav"))->setColor(roleSwatch(1)->color());
    for (int role = 2; role < 7; ++role)
        setTextColor(element(roles[role]), roleSwatch(role)->color());
}

void TForm1::cbWebseiteChange()
{
    uiWebseite->X_Seite1->setVisible(uiWebseite->cbWebseite->currentIndex() != 1);
    uiWebseite->X_Seite2->setVisible(uiWebseite->cbWebseite->currentIndex() == 1);
    WebseiteFarben();
}

void TForm1::Z_WebseiteEnter()
{
    cbWebseiteChange();
    WebseiteFarben();
}

// A click on a role's name chooses its colour in the colour dialog.
bool TForm1::roleLabelClick(QObject* watched, QEvent* event)
{
    if (!watched->objectName().startsWith(QLatin1String("ColorDialog")))
        return false;
    const int role = watched->objectName().mid(11).toInt() - 1;
    if (role < 0 || role >= 7 || watched->parent() != ui->Z_Webseite || !m_clicks.isClick(watched, event))
        return false;
    TColorShape* swatch = roleSwatch(role);
    if (const auto chosen = m_platform.colorDialog.execute(swatch->color()))
        swatch->setColor(*chosen);
    WebseiteFarben();
    return true;
}

} // namespace Tintara
