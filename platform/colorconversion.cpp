#include "platform/colorconversion.h"

#include <QGuiApplication>
#include <QPalette>

namespace Tintara {

namespace {

TColor paletteColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case SysBtnFace: return fromQColor(palette.color(QPalette::Button));
    case SysWindowText: return fromQColor(palette.color(QPalette::WindowText));
    case SysInfoBk: return fromQColor(palette.color(QPalette::ToolTipBase));
    case SysBtnShadow: return fromQColor(palette.color(QPalette::Dark));
    case Sys3DDkShadow: return fromQColor(palette.color(QPalette::Shadow));
    case SysWindow: return fromQColor(palette.color(QPalette::Base));
    default: return defaultSystemColor(index);
    }
}

} // namespace

void installPaletteColorResolver()
{
    setSystemColorResolver(&paletteColor);
}

QColor toQColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

TColor fromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace Tintara
