#include "mainwindow/tform1.h"

#include "mainwindow/coloreditor.h"
#include "mainwindow/recentschemes.h"
#include "mainwindow/schemefiles.h"
#include "mainwindow/schemeswatches.h"
#include "mainwindow/wideswatches.h"
#include "mainwindow/schemehistory.h"
#include "mainwindow/oklcheditor.h"
#include "rules/modulerules.h"

#include "ui_tform1.h"

#include <QAction>
#include <QTimer>

namespace Tintara {

void TForm1::connectScheme()
{
    m_scheme = std::make_unique<SchemeSwatches>(std::array<TColorShape*, 16>{
        ui->Palette1, ui->Palette2, ui->Palette3, ui->Palette4, ui->Palette5, ui->Palette6, ui->Palette7, ui->Palette8,
        ui->Palette9, ui->Palette10, ui->Palette11, ui->Palette12, ui->Palette13, ui->Palette14, ui->Palette15,
        ui->Palette16}, *m_model, this);
    m_wide = std::make_unique<WideSwatches>(*m_model, *ui->Farbanzeige, *m_scheme);
    m_files = std::make_unique<SchemeFiles>(*m_scheme, m_platform, this);
    connect(m_files.get(), &SchemeFiles::cleared, &m_events, &PageEvents::schemeChanged);
    connect(m_files.get(), &SchemeFiles::loaded, &m_events, &PageEvents::schemeLoaded);
    connect(m_files.get(), &SchemeFiles::refused, this, &TForm1::showErrorOverWindow);
}

// Undo and redo, and the recently opened files.
void TForm1::createSchemeHistory()
{
    m_history = std::make_unique<SchemeHistory>(*m_model, this);
    connect(m_history.get(), &SchemeHistory::schemeRestored, this, [this] {
        Q_EMIT m_events.schemeLoaded(); // the info page rereads its texts
        Q_EMIT m_events.schemeChanged();
    });
    m_history->endStepsOn({ui->sbRot, ui->sbGruen, ui->sbBlau, ui->sbH, ui->sbS, ui->sbV, ui->sbHell, ui->edRot,
                           ui->edGruen, ui->edBlau, ui->edH, ui->edS, ui->edV, ui->edHTML});
    m_history->endStepsOn(m_oklch->controls());
    m_history->addActionsTo(ui->mmFarbschema, *m_actions[static_cast<std::size_t>(Command::Rueckgaengig)],
                            *m_actions[static_cast<std::size_t>(Command::Wiederherstellen)]);

    m_recent = std::make_unique<RecentSchemes>(ui->mmFarbschema);
    connect(m_recent.get(), &RecentSchemes::openRequested, this, &TForm1::loadScheme);
    connect(m_files.get(), &SchemeFiles::fileUsed, m_recent.get(), &RecentSchemes::add);
}

void TForm1::loadScheme(const QString& path)
{
    m_history->record([] { return tr("Farbschema laden"); }, [&] { m_files->PaletteLaden(path); });
}

void TForm1::showErrorOverWindow(const QString& message)
{
    if (isVisible())
        m_platform.messages.showError(message);
    else
        m_errorsBeforeShown << message;
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // After the window has reached the screen, so that the box stands over it.
    if (!m_errorsBeforeShown.isEmpty())
        QTimer::singleShot(0, this, [this] {
            for (const QString& message : std::exchange(m_errorsBeforeShown, {}))
                m_platform.messages.showError(message);
        });
}

SchemeSlots TForm1::schemeSlots() const
{
    return m_scheme->snapshot();
}

FileDialog& TForm1::schemeOpenDialog()
{
    return m_files->openDialog();
}

FileDialog& TForm1::schemeSaveDialog()
{
    return m_files->saveDialog();
}

void TForm1::setThemeRoles(const StepName& step, const ThemeRoles& roles)
{
    m_history->record(step, [&] { m_model->setRoles(roles); });
    Q_EMIT m_events.schemeChanged();
}

void TForm1::recordPageStep(const StepName& name, std::function<void(bool before)> apply)
{
    m_history->recordStep(name, std::move(apply));
}

bool TForm1::addToFreeSlots(const StepName& step, const std::vector<WideColor>& colours,
                            const std::vector<QString>& infos)
{
    const SchemeSlots scheme = m_scheme->snapshot();
    const auto filled = withColoursInFreeSlots(scheme, colours, infos);
    if (!filled) {
        const auto free = std::count(scheme.used.begin(), scheme.used.end(), 0);
        m_platform.messages.showMessage(
            tr("Das Farbschema hat %1 freie Plätze, gebraucht werden %2. Leeren Sie Plätze, indem Sie "
               "sie auf den Papierkorb ziehen; das Farbschema bleibt bis dahin unverändert.")
                .arg(free)
                .arg(colours.size()));
        return false;
    }
    m_history->record(step, [&] {
        for (int n = 1; n <= 16; ++n) {
            if (scheme.used[n - 1] != 0 || filled->used[n - 1] != 1)
                continue;
            m_scheme->setSlot(n, filled->slotColor(n), 1);
            if (filled->infos[n - 1] != scheme.infos[n - 1])
                m_scheme->setSlotInfo(n, filled->infos[n - 1]);
        }
    });
    Q_EMIT m_events.schemeChanged();
    return true;
}

void TForm1::setInfoTexts(const std::array<QString, 16>& texts)
{
    m_history->record([] { return tr("Farbinformationen"); }, [&] { m_scheme->setInfoTexts(texts); });
    Q_EMIT m_events.schemeChanged();
}

} // namespace Tintara
