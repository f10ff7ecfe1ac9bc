#pragma once

#include "color/tcolor.h"
#include "mainwindow/startoptions.h"
#include "pages/pagehost.h"
#include "platform/filedialog.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QPixmap;

namespace Ui {
class TForm1;
} // namespace Ui

namespace Tintara {

class ColorDrops;
class DocumentModel;
class ColorEditor;
class ModulePage;
class ContextMenu;
class FunctionKeys;
class HtmlFieldPaste;
class LanguageMenu;
class WindowZoom;
class Appearance;
class ModuleBackground;
class OklchEditor;
class RecentSchemes;
class SchemeHistory;
class SchemeFiles;
class SchemeSwatches;
class WideSwatches;
class ScreenPicker;
class SwatchDrag;
class TColorShape;
class TrayMode;
class ValuePanel;
struct SchemeSlots;
struct Configuration;

// The command that shows the page of class `Page` (in the command table).
template <typename Page> Command pageCommand(); // "typename": the translation tools misread "class" here

// The program's one window: the editor on the left, the module pages on the right, the scheme
// above and the colour history below. It makes its parts and, when first needed, the pages, builds
// one action per command of the command table, dispatches them and keeps the configuration.
class TForm1 : public QMainWindow, public PageHost
{
    Q_OBJECT

public:
    explicit TForm1(const Platform& platform, const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Page dispatcher behind every action: toolbar button, menu entry and key alike.
    void Toolbar(Command command);

    ColorEditor& editor() const { return *m_editor; }
    // What the user works on; the controls show it.
    DocumentModel& model() const { return *m_model; }
    TColor activeColor() const override;
    // Makes `color` the active colour, as every command that sets it does.
    void setActiveColor(TColor color);

    // tintara.ini beside the program, or in the user's configuration folder where that is read-only.
    static QString defaultConfigurationPath();
    // Where tintara.ini is, without making its folder: the command line only reads it.
    static QString configurationLocation();

    // What the module pages see of the window.
    const Platform& platform() const override { return m_platform; }
    const PageEvents& events() const override { return m_events; }
    SchemeSlots schemeSlots() const override;
    FileDialog& schemeOpenDialog() override;
    FileDialog& schemeSaveDialog() override;
    void setInfoTexts(const std::array<QString, 16>& texts) override;
    void recordPageStep(const StepName& name, std::function<void(bool before)> apply) override;
    void setThemeRoles(const StepName& step, const ThemeRoles& roles) override;
    bool addToFreeSlots(const StepName& step, const std::vector<WideColor>& colours,
                        const std::vector<QString>& infos = {}) override;
    using PageHost::addToFreeSlots;
    void pickColor(TColor color) override;
    void runCommand(Command command) override;
    void showContrastPair(TColor text, TColor background) override;
    QPixmap grabTestView(int view) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void takeButtonToolTips();
    void FormCreate();
    void createPages();
    // The module page `command` shows.
    ModulePage& modulePage(Command command);
    // The module page of class `Page`; there is one of each.
    template <class Page> Page& page()
    {
        return static_cast<Page&>(modulePage(pageCommand<Page>()));
    }
    void createActions();
    void showFunctionKeys();
    void paintFixedPictures();
    void createViewMenu();
    // The chrome turned light or dark: what copied its colours takes them again.
    void chromeChanged();
    void connectNavigation();
    void connectScheme();
    void createHelpers();
    void createSchemeHistory();
    // Loads a scheme file as one undoable step.
    void loadScheme(const QString& path);
    // An error shown over the window: at once while it is on the screen, else once it is shown
    // (a scheme named at start is read before the window exists on the screen).
    void showErrorOverWindow(const QString& message);

    // Colours dropped or pasted on swatches, and what follows.
    void DragDrop(TColorShape* target, TColorShape* source);
    void dropColor(TColorShape* target, const WideColor& color, int used, int fromSlot = 0);
    void DragDropTrash(TColorShape* source);
    void insertColor(TColorShape* swatch, TColor color);
    void moduleFollowUps(TColorShape* target);
    void InPaletteClick();

    void Konfigurationladen();
    void restoreConfiguration(const Configuration& config);
    void restorePage(ModulePage& page);
    // The settings `page` keeps, into the model.
    void storePageSettings(const ModulePage& page);
    void finishLoading();
    void Konfigurationspeichern();
    void centreOnScreen();

    // F`n` triggers the action of the command that has that key.
    void FormKeyDown(int n);
    void Programmende();
    void openHelpFile();

    Platform m_platform;
    StartOptions m_options;
    QStringList m_errorsBeforeShown;
    PageEvents m_events;
    std::unique_ptr<Ui::TForm1> ui;

    std::unique_ptr<DocumentModel> m_model; // outlives every part and page that observes it
    bool m_settingsRead = false;            // the pages' settings in the model come from tintara.ini
    std::array<QAction*, commandCount> m_actions{};
    std::array<ModulePage*, commandCount> m_pages{}; // made when first needed
    // The parts, each a class of its own, made in this order. They are destroyed in the reverse
    // order, those that call on others first, and all before the controls they watch.
    std::unique_ptr<SchemeSwatches> m_scheme;
    std::unique_ptr<WideSwatches> m_wide;
    std::unique_ptr<SchemeFiles> m_files;
    std::unique_ptr<ModuleBackground> m_background;
    std::unique_ptr<ColorEditor> m_editor;
    std::unique_ptr<OklchEditor> m_oklch;
    std::unique_ptr<ContextMenu> m_menu;
    std::unique_ptr<ValuePanel> m_valuePanel;
    std::unique_ptr<SwatchDrag> m_drag;
    std::unique_ptr<ColorDrops> m_drops;
    std::unique_ptr<HtmlFieldPaste> m_paste;
    std::unique_ptr<ScreenPicker> m_picker;
    std::unique_ptr<TrayMode> m_tray;
    std::unique_ptr<FunctionKeys> m_keys;
    std::unique_ptr<SchemeHistory> m_history;
    std::unique_ptr<RecentSchemes> m_recent;
    std::unique_ptr<LanguageMenu> m_language;
    std::unique_ptr<WindowZoom> m_zoom;
    std::unique_ptr<Appearance> m_appearance;
};

} // namespace Tintara
