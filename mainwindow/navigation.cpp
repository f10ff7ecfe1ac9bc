#include "mainwindow/tform1.h"

#include "pages/modulepage.h"
#include "pages/z_optionen.h"
#include "mainwindow/coloreditor.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/traymode.h"
#include "mainwindow/navigationtable.h"
#include "mainwindow/schemefiles.h"
#include "mainwindow/schemehistory.h"

#include "ui_tform1.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QToolButton>

namespace Tintara {

void TForm1::connectNavigation()
{
    const auto buttons = findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^ToolButton\\d+$")));
    for (QToolButton* button : buttons)
        connect(button, &QToolButton::clicked, this, [this, button] { Toolbar(button); });
    connect(&page<Z_Optionen>(), &Z_Optionen::converterClicked, this, &TForm1::Toolbar);
    connect(ui->mmMenue, &QMenuBar::triggered, this, &TForm1::mmMenueClick);
    connect(ui->PageControl1, &QStackedWidget::currentChanged, this, [this] {
        if (auto* page = qobject_cast<ModulePage*>(ui->PageControl1->currentWidget()))
            page->pageShown();
    });
}

void TForm1::Toolbar(QObject* sender)
{
    const Navigation* row = navigationForSender(navigationTable, sender->objectName());
    m_background->follow(row);
    if (!row)
        return;
    switch (row->command) {
    case Command::ShowPage:
        ui->PageControl1->setCurrentWidget(ui->PageControl1->findChild<QWidget*>(QLatin1String(row->page)));
        break;
    case Command::NewScheme: m_history->record(QStringLiteral("Neues Farbschema"), [this] { m_files->PaletteNeu(); }); break;
    case Command::OpenScheme:
        m_history->record(QStringLiteral("Farbschema laden"), [this] { m_files->PaletteOeffnen(); });
        break;
    case Command::SaveScheme: m_files->PaletteSpeichern(); break;
    case Command::TakeProposals: InPaletteClick(); break;
    case Command::RandomColour: m_editor->RandomColor(); break;
    case Command::ColourDialog: m_editor->runColorDialog(); break;
    case Command::RgbMode: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Rgb); break;
    case Command::HsvMode: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Hsv); break;
    case Command::PickerMode: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Picker); break;
    case Command::Help: openHelpFile(); break;
    case Command::Tray: m_tray->InTrayMinimieren(); break;
    case Command::Exit: Programmende(); break;
    }
}

void TForm1::runCommand(QStringView sender)
{
    if (const Navigation* row = navigationForSender(navigationTable, sender))
        Toolbar(findChild<QObject*>(QLatin1String(row->sender)));
}

// The table names the control the entry passes on; an entry it lacks does nothing.
void TForm1::mmMenueClick(QAction* entry)
{
    if (const Navigation* row = navigationForMenuEntry(navigationTable, entry->objectName()))
        Toolbar(findChild<QObject*>(QLatin1String(row->sender)));
}

void TForm1::FormKeyDown(int n)
{
    if (const Navigation* row = navigationForKey(navigationTable, n))
        Toolbar(findChild<QObject*>(QLatin1String(row->sender)));
}

namespace {

// Beside the program when it runs from its own folder, else in the installed data folder.
QString helpPath(const QString& besideProgram, const QString& installed)
{
    const QString path = QApplication::applicationDirPath() + u'/' + besideProgram;
    return QFileInfo::exists(path) ? path : QStandardPaths::locate(QStandardPaths::GenericDataLocation, installed);
}

} // namespace

// The compiled help where a viewer for it is registered, otherwise its pages in the browser.
void TForm1::openHelpFile()
{
    QStringList candidates = {helpPath(QStringLiteral("tintara.chm"), QStringLiteral("tintara/tintara.chm")),
                              helpPath(QStringLiteral("help/index.html"), QStringLiteral("doc/tintara/html/index.html"))};
    candidates.removeAll(QString());
    if (!candidates.isEmpty())
        m_platform.shell.openFirst(candidates);
}

} // namespace Tintara
