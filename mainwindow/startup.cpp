#include "mainwindow/tform1.h"

#include "mainwindow/coloreditor.h"
#include "mainwindow/oklcheditor.h"
#include "mainwindow/languagemenu.h"
#include "mainwindow/windowzoom.h"
#include "mainwindow/appearance.h"
#include "mainwindow/recentschemes.h"
#include "mainwindow/htmlfieldpaste.h"
#include "mainwindow/colordrops.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/functionkeys.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/schemefiles.h"
#include "mainwindow/schemehistory.h"
#include "mainwindow/schemeswatches.h"
#include "mainwindow/wideswatches.h"
#include "mainwindow/screenpicker.h"
#include "mainwindow/swatchdrag.h"
#include "mainwindow/traymode.h"
#include "mainwindow/valuepanel.h"
#include "model/documentmodel.h"
#include "controls/ramp.h"
#include "controls/tcolorshape.h"
#include "mainwindow/commandtable.h"
#include "pages/modulepage.h"
#include "pages/z_optionen.h"
#include "rules/configformat.h"
#include "rules/exportrules.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QTimer>

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
{
    initResources();
    setFont(captionFont());

    ui->setupUi(this);
    m_model = std::make_unique<DocumentModel>(ui->Farbanzeige->color());
    m_model->setZoomIndex(ui->cbZoom->currentIndex());
    connect(ui->cbZoom, &QComboBox::currentIndexChanged, m_model.get(), &DocumentModel::setZoomIndex);
    createPages();

    // A fixed window: the client area is exactly 716 x 490 below the menu bar, no maximise box.
    centralWidget()->setFixedSize(716, 490);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The task bar names the program by its short title; the caption stays the full one.
    setWindowIconText(QStringLiteral("Tintara Studio"));
    // The program's icon for its window, the task bar and the notification area; given once the
    // event loop runs, as reading the SVG would otherwise delay the window's first appearance.
    QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tintara.svg"))); });

    ui->Zoom->setScreen(&m_platform.screen);
    connectNavigation();
    connectScheme();
    createHelpers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    paintFixedPictures();
    ui->Shape11->setColor(ShadeColor(clBtnFace, 20));
    m_background->resetToStandard();
    // Qt paints every widget double-buffered, so the slider-driven pages do not flicker.
    Toolbar(Command::Hsv);
    Konfigurationladen();
    m_editor->showStartColor();
    m_valuePanel->Farbwerte(activeColor());
    m_history->clear(); // what the configuration restored is where undo stops
    // A file named at start is an undoable load: a mistyped name, which empties the slots for a
    // new scheme, must not take the restored scheme with it.
    // Resolved against the folder the program was started in, so that saving goes back into the
    // same file and the recent list can open it from anywhere.
    if (!m_options.arguments.isEmpty())
        loadScheme(QFileInfo(m_options.arguments.constFirst()).absoluteFilePath());
}

// The page on view at start. The others are made when first shown or asked for (the configuration
// asks for those that keep settings), which keeps the start quick.
void TForm1::createPages()
{
    modulePage(Command::Farbfinder);
}

ModulePage& TForm1::modulePage(Command command)
{
    ModulePage*& page = m_pages[static_cast<std::size_t>(command)];
    if (!page) {
        page = commandRow(command).createPage(*this);
        ui->PageControl1->addWidget(page);
        restorePage(*page);
        storePageSettings(*page);
        connect(page, &ModulePage::settingsChanged, this, [this, page] { storePageSettings(*page); });
        // A part made before the page watches it now; a part made later finds it on its own.
        if (m_background)
            m_background->pageAdded(*page);
        if (m_menu)
            m_menu->watch(*page);
        if (m_valuePanel)
            m_valuePanel->watch(*page);
        if (m_drag)
            m_drag->watch(*page);
        if (m_drops)
            m_drops->watch(*page);
    }
    return *page;
}

void TForm1::storePageSettings(const ModulePage& page)
{
    PageSettings settings = m_model->pageSettings();
    page.writeSettings(settings);
    m_model->setPageSettings(settings);
}

void TForm1::paintFixedPictures()
{
    const qreal scale = devicePixelRatioF();
    ui->shH->setPixmap(ramp({25, 18}, Qt::Horizontal, hueStops(), scale));
    const QPixmap greyRamp = ramp({25, 18}, Qt::Horizontal, {{0, Qt::black}, {1, Qt::white}}, scale);
    ui->shS->setPixmap(greyRamp);
    ui->shV->setPixmap(greyRamp);
    ui->shHell->setPixmap(ramp({10, 185}, Qt::Vertical, {{0, Qt::black}, {1, Qt::white}}, scale));
}

TColor TForm1::activeColor() const
{
    return m_model->activeColor();
}

void TForm1::setActiveColor(TColor color)
{
    m_model->setActiveColor(color);
}

void TForm1::Programmende()
{
    if (page<Z_Optionen>().option(Option::ExitWithoutQuestion)
        || m_platform.messages.askOkCancel(tr("Wollen Sie Orbelin Tintara Studio wirklich beenden?")))
        close();
}

} // namespace Tintara
