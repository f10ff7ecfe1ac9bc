#pragma once

#include "color/theme.h"
#include "controls/clicktracker.h"
#include "pages/modulepage.h"

#include <memory>
#include <optional>

class QComboBox;

namespace Ui {
class Z_Webseite;
}

namespace Tintara {

class PageHost;
class TColorShape;

// Two mock web pages drawn in seven role colours: the page's own, or the theme's colour roles of
// the light or the dark mode.
class Z_Webseite : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Webseite(const PageHost& host, QWidget* parent = nullptr);
    ~Z_Webseite() override;

    // The colours the mock pages show: the page's own, or the theme's of either mode.
    enum class Colours { Own = 0, ThemeLight = 1, ThemeDark = 2 };
    // Web page 1 or 2 in the role colours as drawn, also while the other one is shown; in
    // `colours` where given, else in those the page shows now.
    QPixmap grabWebPage(int n, std::optional<Colours> colours = std::nullopt);

protected:
    // A click on a role's name chooses its colour in the colour dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void languageChanged() override;

private:
    TColorShape* roleSwatch(int role) const;
    // The colour a role of the mock pages shows: the theme's in a theme mode, where it has one.
    TColor roleColor(int role, Colours colours, const std::optional<ThemeColors>& theme) const;
    Colours shownColours() const;
    void themeModeChanged();
    void WebseiteFarben();
    void colourWebPage(int n, Colours colours);
    void cbWebseiteChange();
    void Z_WebseiteEnter();
    void fitCaptions();

    const PageHost& m_host;
    std::unique_ptr<Ui::Z_Webseite> ui;
    ClickTracker m_clicks;
    QComboBox* m_themeMode;
};

} // namespace Tintara
