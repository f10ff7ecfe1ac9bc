#include "mainwindow/tform1.h"

#include "pages/modulepage.h"
#include "pages/z_optionen.h"
#include "mainwindow/coloreditor.h"
#include "platform/language.h"
#include "mainwindow/languagemenu.h"
#include "mainwindow/windowzoom.h"
#include "mainwindow/appearance.h"
#include "mainwindow/valuepanel.h"
#include "platform/systemcolors.h"
#include "controls/languagechange.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/traymode.h"
#include "controls/deferredicon.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/schemefiles.h"
#include "mainwindow/schemehistory.h"

#include "ui_tform1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolButton>

namespace Tintara {

// One action per command, in the menu and on the tool button alike; the table names both. A row
// whose button or menu entry the form lacks is said on the console, and its command still works.
void TForm1::createActions()
{
    for (const QString& missing : missingFormControls(*this))
        qWarning("%s", qPrintable(missing));
    for (const CommandRow& row : commandTable) {
        const QString name = QLatin1String(row.action);
        auto* action = findChild<QAction*>(name);
        if (!action) {
            action = new QAction(this);
            action->setObjectName(name);
            addAction(action); // its keys work anywhere in the window
        }
        if (QToolButton* button = toolButtonOf(*this, row)) {
            action->setIcon(deferredIcon(QLatin1String(row.icon)));
            action->setToolTip(button->toolTip());
            action->setIconVisibleInMenu(false); // the menus show their texts only
            button->setDefaultAction(action);
        }
        QList<QKeySequence> keys = QKeySequence::keyBindings(row.standardKey);
        for (const QKeyCombination key : row.keys) {
            if (key.key() != Qt::Key_unknown)
                keys << QKeySequence(key);
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, command = row.command] { Toolbar(command); });
        m_actions[static_cast<std::size_t>(row.command)] = action;
    }
}

// "Ansicht" comes after the menus of old, so that none of them moves.
void TForm1::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("mmAnsicht"));
    keepTranslated(this, [view] { view->setTitle(tr("Ansicht")); });
    m_zoom = std::make_unique<WindowZoom>(view, *this, *m_model);
    connect(m_zoom.get(), &WindowZoom::zoomChanged, this, [this] {
        paintFixedPictures();
        for (ModulePage* page : m_pages) {
            if (page)
                page->deviceResolutionChanged();
        }
    });
    m_appearance = std::make_unique<Appearance>(view, *this, *m_model, m_platform.appearance);
    connect(m_appearance.get(), &Appearance::chromeChanged, this, &TForm1::chromeChanged);
}

void TForm1::chromeChanged()
{
    ui->Shape11->setColor(ShadeColor(clBtnFace, 20));
    setApplicationHintColor(clInfoBk);
    m_background->chromeChanged();
    m_valuePanel->cbTrayFormatChange();
}

// A menu entry names its function key after its text, as the command table gives it.
void TForm1::showFunctionKeys()
{
    for (const CommandRow& row : commandTable) {
        if (row.functionKey > 0) {
            QAction* action = m_actions[static_cast<std::size_t>(row.command)];
            action->setText(withFunctionKey(action->text(), row.functionKey));
        }
    }
}

void TForm1::connectNavigation()
{
    createActions();
    showFunctionKeys();
    m_language = std::make_unique<LanguageMenu>(ui->mmHilfe, *m_model);
    createViewMenu();
    connect(ui->PageControl1, &QStackedWidget::currentChanged, this, [this] {
        if (auto* page = qobject_cast<ModulePage*>(ui->PageControl1->currentWidget()))
            page->becameVisible();
    });
}

void TForm1::Toolbar(Command command)
{
    const CommandRow& row = commandRow(command);
    m_background->follow(row.background);
    if (row.createPage) {
        ui->PageControl1->setCurrentWidget(&modulePage(command));
        return;
    }
    switch (command) {
    case Command::Neu:
        m_history->record([] { return tr("Neues Farbschema"); }, [this] { m_files->PaletteNeu(); });
        break;
    case Command::Laden:
        m_history->record([] { return tr("Farbschema laden"); }, [this] { m_files->PaletteOeffnen(); });
        break;
    case Command::Speichern: m_files->PaletteSpeichern(); break;
    case Command::SpeichernOhneDialog: m_files->saveInPlace(); break;
    case Command::Uebernehmen: InPaletteClick(); break;
    case Command::Rueckgaengig: m_history->undo(); break;
    case Command::Wiederherstellen: m_history->redo(); break;
    case Command::Zufallsfarbe: m_editor->RandomColor(); break;
    case Command::Farbauswahl: m_editor->runColorDialog(); break;
    case Command::Rgb: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Rgb); break;
    case Command::Hsv: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Hsv); break;
    case Command::Farbpicker: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Picker); break;
    case Command::Oklch: m_editor->Anzeigemodus(ColorEditor::DisplayMode::Oklch); break;
    case Command::Hilfe: openHelpFile(); break;
    case Command::Tray: m_tray->InTrayMinimieren(); break;
    case Command::Beenden: Programmende(); break;
    // Shown above. Every command is named here: the compiler refuses one without its case.
    case Command::Farbfinder:
    case Command::Helligkeitsverlauf:
    case Command::Farbverlauf:
    case Command::Abstufungen:
    case Command::Palette:
    case Command::Websicher:
    case Command::Testbilder:
    case Command::Kontrast:
    case Command::Testwebseiten:
    case Command::Export:
    case Command::Optionen:
    case Command::Farbinformationen:
    case Command::Konverter:
    case Command::Kontrastmatrix:
    case Command::Farbsehschwaeche:
    case Command::Farbskala:
    case Command::Bildfarben:
    case Command::Farbrollen: break;
    }
}

void TForm1::runCommand(Command command)
{
    Toolbar(command);
}

void TForm1::FormKeyDown(int n)
{
    const auto row = std::find_if(commandTable.begin(), commandTable.end(),
                                  [n](const CommandRow& r) { return r.functionKey == n; });
    if (n > 0 && row != commandTable.end())
        m_actions[static_cast<std::size_t>(row->command)]->trigger();
}

// A button shows its action's tool tip; the form, read again, gives it to the button.
void TForm1::takeButtonToolTips()
{
    for (const CommandRow& row : commandTable) {
        if (const QToolButton* button = toolButtonOf(*this, row))
            m_actions[static_cast<std::size_t>(row.command)]->setToolTip(button->toolTip());
    }
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        takeButtonToolTips(); // first: a changed text makes the buttons take their actions' tool tips
        showFunctionKeys();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::pickColor(TColor color)
{
    m_editor->takePickedColor(WideColor{color, std::nullopt});
}

void TForm1::showContrastPair(TColor text, TColor background)
{
    page<Z_Kontrast>().setPair(text, background);
    Toolbar(Command::Kontrast);
}

QPixmap TForm1::grabTestView(int view)
{
    if (view == 1 || view == 2)
        return page<Z_Webseite>().grabWebPage(view);
    if (view == 9 || view == 10) // test web page 1 in the theme's light or dark mode
        return page<Z_Webseite>().grabWebPage(1, view == 9 ? Z_Webseite::Colours::ThemeLight : Z_Webseite::Colours::ThemeDark);
    if (view >= 3)
        return page<Z_Testbild>().grabTestImage(view - 2);
    return ui->Panel3->grab();
}

namespace {

// Beside the program when it runs from its own folder, else in the installed data folder.
QString helpPath(const QString& besideProgram, const QString& installed)
{
    const QString path = QApplication::applicationDirPath() + u'/' + besideProgram;
    return QFileInfo::exists(path) ? path : QStandardPaths::locate(QStandardPaths::GenericDataLocation, installed);
}

} // namespace

// The compiled help where a viewer for it is registered, otherwise its pages in the browser; both in
// the language of the interface.
void TForm1::openHelpFile()
{
    const bool english = installedLanguage() == Language::English;
    const QString chm = english ? QStringLiteral("tintara_en.chm") : QStringLiteral("tintara.chm");
    const QString pages = english ? QStringLiteral("help_en") : QStringLiteral("help");
    const QString installedPages = english ? QStringLiteral("html_en") : QStringLiteral("html");
    QStringList candidates = {helpPath(chm, QStringLiteral("tintara/") + chm),
                              helpPath(pages + QStringLiteral("/index.html"),
                                       QStringLiteral("doc/tintara/%1/index.html").arg(installedPages))};
    candidates.removeAll(QString());
    if (candidates.isEmpty()) {
        m_platform.messages.showError(tr("Die Hilfe ist nicht installiert: %1 wurde nicht gefunden.").arg(chm));
        return;
    }
    const QString shown = QDir::toNativeSeparators(candidates.constFirst());
    m_platform.shell.openFirst(candidates, [this, shown] {
        m_platform.messages.showError(tr("Die Hilfe kann nicht geöffnet werden: kein Programm zeigt CHM-Dateien oder "
                                         "Webseiten an. Die Hilfe liegt in %1.").arg(shown));
    });
}

} // namespace Tintara
