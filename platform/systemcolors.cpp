#include "platform/systemcolors.h"

#include <QPalette>
#include <QToolTip>
#include <QWidget>

namespace Tintara {

namespace {

TColor hintColor = clInfoBk;

} // namespace

void setTextColor(QWidget* widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    widget->setPalette(palette);
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
    QToolTip::setPalette(palette);
}

} // namespace Tintara
