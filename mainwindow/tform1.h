#pragma once

#include "color/tcolor.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QAction;

namespace Ui {
class TForm1;
class Z_Vorschlag;
class Z_Helligkeit;
class Z_Farbverlauf;
class Z_Abstufungen;
class Z_Palette;
class Z_Websave;
class Z_Testbild;
class Z_Kontrast;
class Z_Webseite;
class Z_Export;
class Z_Optionen;
class Z_Paletteninfo;
class Z_Konverter;
} // namespace Ui

namespace Tintara {

class TColorShape;

// The program's one window: the editor on the left, the module pages on the right, the scheme
// above and the colour history below. Its methods are split by concern over several files.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // Page dispatcher behind every toolbar button, menu entry and function key.
    void Toolbar(QObject* sender);
    // 0 RGB, 1 HSV, 2 picker.
    int displayMode() const { return m_displayMode; }

    // Makes `color` the user's background (the context menu's "Als Hintergrundfarbe").
    void setUserBackground(TColor color);
    static TColor standardBackground();
    // The colour the module area shows now.
    TColor moduleBackground() const { return m_moduleBackground.value_or(clBtnFace); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void createSwatchGrids();
    void paintFixedPictures();
    void connectNavigation();

    void mmMenueClick(QAction* entry);
    void FormKeyDown(int key);
    void Anzeigemodus(QObject* button);
    void Programmende();
    void openHelpFile();
    void HintergrundWechsel(TColor color);
    QWidget* visiblePage() const;

    Platform m_platform;
    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<Ui::Z_Vorschlag> uiVorschlag;
    std::unique_ptr<Ui::Z_Helligkeit> uiHelligkeit;
    std::unique_ptr<Ui::Z_Farbverlauf> uiFarbverlauf;
    std::unique_ptr<Ui::Z_Abstufungen> uiAbstufungen;
    std::unique_ptr<Ui::Z_Palette> uiPalette;
    std::unique_ptr<Ui::Z_Websave> uiWebsave;
    std::unique_ptr<Ui::Z_Testbild> uiTestbild;
    std::unique_ptr<Ui::Z_Kontrast> uiKontrast;
    std::unique_ptr<Ui::Z_Webseite> uiWebseite;
    std::unique_ptr<Ui::Z_Export> uiExport;
    std::unique_ptr<Ui::Z_Optionen> uiOptionen;
    std::unique_ptr<Ui::Z_Paletteninfo> uiPaletteninfo;
    std::unique_ptr<Ui::Z_Konverter> uiKonverter;

    int m_displayMode = 1;
    int m_customBackground = 0;
    TColor m_storedBackground = 0;
    std::optional<TColor> m_moduleBackground;
    const QEvent* m_lastKeyEvent = nullptr;
    QPointer<QWidget> m_lastKeyReceiver;
    // The swatches created at start-up, grid by grid, in creation order.
    std::vector<TColorShape*> m_gridSwatches;
};

} // namespace Tintara
