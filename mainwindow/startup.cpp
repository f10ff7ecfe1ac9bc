#include "mainwindow/tform1.h"

#include "mainwindow/coloreditor.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/functionkeys.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/schemeswatches.h"
#include "mainwindow/screenpicker.h"
#include "mainwindow/swatchdrag.h"
#include "mainwindow/traymode.h"
#include "mainwindow/valuepanel.h"
#include "controls/ramp.h"
#include "controls/tcolorshape.h"
#include "pages/modulepage.h"
#include "pages/z_abstufungen.h"
#include "pages/z_export.h"
#include "pages/z_farbverlauf.h"
#include "pages/z_helligkeit.h"
#include "pages/z_konverter.h"
#include "pages/z_kontrast.h"
#include "pages/z_optionen.h"
#include "pages/z_palette.h"
#include "pages/z_paletteninfo.h"
#include "pages/z_testbild.h"
#include "pages/z_vorschlag.h"
#include "pages/z_webseite.h"
#include "pages/z_websave.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>

static void initResources()
{
    Q_INIT_RESOURCE(tintara);
}

namespace Tintara {

namespace {

QGradientStops hueStops()
{
    QGradientStops stops;
    for (int i = 0; i <= 6; ++i)
        stops << QGradientStop(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    return stops;
}

} // namespace

TForm1::TForm1(const Platform& platform, const StartOptions& options, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_options(options)
    , ui(std::make_unique<Ui::TForm1>())
    , m_dlOpen(FileDialogKind::Open, platform.fileDialogs)
    , m_dlSave(FileDialogKind::Save, platform.fileDialogs)
{
    initResources();
    // The layout was made for a narrow 8-point face; Arial's metrics keep its captions apart.
    QFont smallFont = QGuiApplication::font();
    smallFont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), smallFont.family()});
    smallFont.setPointSize(8);
    setFont(smallFont);

    ui->setupUi(this);
    createPages();

    // A fixed window: the client area is exactly 716 x 490 below the menu bar, no maximise box.
    centralWidget()->setFixedSize(716, 490);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The task bar names the program by its short title; the caption stays the full one.
    setWindowIconText(QStringLiteral("Tintara Studio"));
    // The program's icon for its window, the task bar and the notification area.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tintara.svg")));

    ui->Zoom->setScreen(&m_platform.screen);
    connectNavigation();
    connectScheme();
    createHelpers();
    FormCreate();
}

TForm1::~TForm1()
{
    // The helpers call into the window; the controls they watch get events while they are destroyed.
    for (QObject* helper : std::initializer_list<QObject*>{m_keys, m_editor, m_valuePanel, m_menu, m_drag, m_picker,
                                                           m_tray, m_background})
        delete helper;
}

void TForm1::FormCreate()
{
    paintFixedPictures();
    ui->Shape11->setColor(ShadeColor(clBtnFace, 20));
    m_background->resetToStandard();
    // Qt paints every widget double-buffered, so the slider-driven pages do not flicker.
    Toolbar(ui->ToolButton19);
    Konfigurationladen();
    m_editor->showStartColor();
    m_valuePanel->Farbwerte(activeColor());
    if (!m_options.arguments.isEmpty())
        PaletteLaden(m_options.arguments.constFirst());
}

// The module pages in the order of the page control; the window keeps those it talks to.
void TForm1::createPages()
{
    const std::initializer_list<QWidget*> pages = {
        new Z_Vorschlag(*this), new Z_Helligkeit,      new Z_Farbverlauf,       new Z_Abstufungen(*this),
        new Z_Palette,          new Z_Websave,         new Z_Testbild(*this),   new Z_Kontrast,
        new Z_Webseite(*this),  new Z_Export(*this),   new Z_Optionen,          new Z_Paletteninfo(*this),
        new Z_Konverter(*this),
    };
    for (QWidget* page : pages)
        ui->PageControl1->addWidget(page);
    connect(this, &TForm1::activeColorChanged, &page<Z_Vorschlag>(), &Z_Vorschlag::activeColorChanged);
    connect(this, &TForm1::schemeChanged, &page<Z_Abstufungen>(), &Z_Abstufungen::schemeChanged);
}

void TForm1::paintFixedPictures()
{
    ui->shH->setPixmap(ramp({25, 18}, Qt::Horizontal, hueStops()));
    const QPixmap greyRamp = ramp({25, 18}, Qt::Horizontal, {{0, Qt::black}, {1, Qt::white}});
    ui->shS->setPixmap(greyRamp);
    ui->shV->setPixmap(greyRamp);
    ui->shHell->setPixmap(ramp({10, 185}, Qt::Vertical, {{0, Qt::black}, {1, Qt::white}}));
}

TColor TForm1::activeColor() const
{
    return m_editor->activeColor();
}

void TForm1::setActiveColor(TColor color)
{
    m_editor->setActiveColor(color);
}

void TForm1::Programmende()
{
    if (page<Z_Optionen>().option(17)
        || m_platform.messages.askOkCancel(QStringLiteral("Wollen Sie Orbelin Tintara Studio wirklich beenden?")))
        close();
}

} // namespace Tintara
