#include "platform/systemcolors.h"

#include "color/wcag.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

namespace Tintara {

namespace {

TColor hintColor = clInfoBk;
bool dark = false;

} // namespace

void setTextColor(QWidget* widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    widget->setPalette(palette);
}

void setDarkChrome(bool on)
{
    dark = on;
}

bool darkChrome()
{
    return dark;
}

void setChromeTextColor(QWidget* widget, TColor color)
{
    if (dark) {
        const TColor chrome = fromQColor(QApplication::palette().color(QPalette::Window));
        color = nearestPassingShade(ColorToRGB(color), chrome, 4.5).value_or(clWindowText);
    }
    setTextColor(widget, color);
}

TColor applicationHintColor()
{
    return hintColor;
}

void setApplicationHintColor(TColor color)
{
    hintColor = color;
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, toQColor(color));
    palette.setColor(QPalette::Window, toQColor(color));
    // The dark chrome's light hint text would not read on a light hint colour.
    palette.setColor(QPalette::ToolTipText, QApplication::palette().color(QPalette::ToolTipText));
    if (dark)
        palette.setColor(QPalette::ToolTipText, toQColor(BestFontColor(ColorToRGB(color))));
    QToolTip::setPalette(palette);
}

} // namespace Tintara
