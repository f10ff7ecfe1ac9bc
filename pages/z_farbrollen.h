#pragma once

#include "color/theme.h"
#include "pages/modulepage.h"

#include <array>

class QLabel;
class QTableWidget;

namespace Tintara {

class PageHost;
class TColorShape;

// The theme's colour roles: each role's light and dark colour as swatches that take drops (a
// scheme slot dropped on a light swatch is followed), the dark one derived until one is dropped
// there; the pairs used together with their WCAG 2.2 ratio and APCA Lc in both modes, and a click
// on a pair that falls short takes the nearest shade that passes. The waste bin takes a role's
// colour back: a dark one is derived again, a light one leaves the role empty.
class Z_Farbrollen : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Farbrollen(PageHost& host, QWidget* parent = nullptr);

    void pageShown() override { showTheme(); }

protected:
    void languageChanged() override;

private:
    struct RoleRowWidgets {
        QLabel* label;
        TColorShape* light;
        TColorShape* dark;
        QLabel* mark;
    };

    void showTheme();
    void showTexts();
    void colorDropped(QWidget* target, TColor color, int fromSlot);
    void swatchTrashed(QWidget* source);
    void pairClicked(int row, int column);
    // The role and mode of one of this page's swatches; none for any other widget.
    struct SwatchPlace {
        std::size_t role;
        bool dark;
    };
    std::optional<SwatchPlace> placeOf(const QWidget* swatch) const;

    PageHost& m_host;
    std::array<RoleRowWidgets, roleCount> m_rows{};
    QLabel* m_title;
    QLabel* m_lightCaption;
    QLabel* m_darkCaption;
    QLabel* m_legend;
    QTableWidget* m_pairs;
    std::vector<PairCheck> m_checks;
};

} // namespace Tintara
