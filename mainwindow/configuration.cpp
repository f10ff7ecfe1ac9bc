#include "mainwindow/tform1.h"

#include "mainwindow/schemeswatches.h"
#include "mainwindow/coloreditor.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/languagemenu.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/recentschemes.h"
#include "mainwindow/valuepanel.h"
#include "mainwindow/windowzoom.h"
#include "mainwindow/appearance.h"
#include "model/documentmodel.h"
#include "rules/configformat.h"
#include "pages/z_optionen.h"
#include "pages/z_vorschlag.h"
#include "rules/navigationrules.h"
#include "platform/inifile.h"

#include "ui_tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace Tintara {

namespace {

// A stored list index that names no item leaves the list without a selection. Restoring a choice
// runs no change handler: what the handler would recompute may not exist yet.
void selectStored(QComboBox* list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

} // namespace

QString TForm1::configurationLocation()
{
    // A copy that carries its help file along keeps its settings beside it, where it may write;
    // an installed program (help file in the data folder) keeps them per user.
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + QStringLiteral("/tintara.chm")) && QFileInfo(beside).isWritable())
        return beside + QStringLiteral("/tintara.ini");
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/tintara.ini");
}

QString TForm1::defaultConfigurationPath()
{
    const QString path = configurationLocation();
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    Konfigurationspeichern();
    event->accept();
}

void TForm1::Konfigurationspeichern()
{
    if (m_options.configurationPath.isEmpty())
        return;
    IniFile ini(m_options.configurationPath);
    writeConfiguration(ini, m_model->configuration(pos()));
    m_recent->writeTo(ini); // after the specified sections, which stay as they are
    if (const auto error = ini.save())
        m_platform.messages.showError(*error);
}

void TForm1::Konfigurationladen()
{
    if (m_options.configurationPath.isEmpty()) {
        m_language->start(Language::German, m_options.language.value_or(Language::German));
        m_appearance->setChoice(Appearance::Choice::Desktop);
        centreOnScreen();
        finishLoading();
        return;
    }
    const IniFile ini(m_options.configurationPath);
    const Configuration c = readConfiguration(ini);
    const Language kept = languageNamed(c.sprache).value_or(Language::German);
    m_language->start(kept, m_options.language.value_or(kept));
    m_appearance->setChoice(c.appearance == 1   ? Appearance::Choice::Light
                            : c.appearance == 2 ? Appearance::Choice::Dark
                                                : Appearance::Choice::Desktop);
    m_zoom->setZoom(c.zoom); // first: the stored position is one at this zoom
    restoreConfiguration(c);
    m_recent->readFrom(ini);
    finishLoading();
}

// What a switch that is off leaves is what the window shows now.
void TForm1::restoreConfiguration(const Configuration& stored)
{
    const Configuration c = restoredConfiguration(stored, m_model->configuration(pos()));
    const OptionSwitches& options = c.pages.options;
    m_model->setPageSettings(c.pages);
    m_settingsRead = true;
    if (options.restores(Option::ActiveColour))
        m_model->setActiveColor(c.farbanzeige);
    if (options.restores(Option::WindowPosition)
        && titleBarReachable(QPoint(c.links, c.oben), width(), screenAreas()))
        move(c.links, c.oben); // as stored, also when only part of it is on a screen
    else
        centreOnScreen();
    m_model->setEditorGamut(c.oklchGamut == 1 ? EditorGamut::DisplayP3 : EditorGamut::Srgb);
    m_editor->Anzeigemodus(c.oklchMode     ? ColorEditor::DisplayMode::Oklch
                           : c.modus == 0 ? ColorEditor::DisplayMode::Rgb
                           : c.modus == 1 ? ColorEditor::DisplayMode::Hsv
                                          : ColorEditor::DisplayMode::Picker);
    selectStored(ui->cbZoom, c.zoomfaktor);
    m_model->setZoomIndex(ui->cbZoom->currentIndex());
    if (options.restores(Option::Scheme)) {
        for (int n = 1; n <= 16; ++n) {
            m_scheme->setSlot(n, c.scheme.slotColor(n), c.scheme.used[n - 1]);
            m_scheme->setSlotInfo(n, c.scheme.infos[n - 1]);
        }
        m_model->setRoles(c.scheme.roles);
    }
    m_model->setColourHistory(c.clipbrd);
    m_background->restore(c.backgrndS, c.backgrnd);
    for (ModulePage* page : m_pages) {
        if (page)
            restorePage(*page);
    }
}

// A page that keeps settings of its own takes them from the model once the configuration is read,
// also when it is made late; until then nothing could have changed them. Before, it shows its own.
void TForm1::restorePage(ModulePage& page)
{
    if (m_settingsRead) {
        const PageSettings settings = m_model->pageSettings(); // the page writes to the model as it takes them
        page.restoreSettings(settings);
    }
}

void TForm1::finishLoading()
{
    ui->PageControl1->setCurrentWidget(&page<Z_Vorschlag>());
    m_valuePanel->cbTrayFormatChange();
}

void TForm1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace Tintara
