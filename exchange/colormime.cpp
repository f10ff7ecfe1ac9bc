#include "exchange/colormime.h"

#include "color/colortext.h"
#include "color/notation.h"

#include <QColor>
#include <QMimeData>

namespace Tintara {

QMimeData* colorMimeData(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    auto* data = new QMimeData;
    data->setColorData(QColor(redOf(rgb), greenOf(rgb), blueOf(rgb)));
    data->setText(QString::fromStdString(ColorNotation(rgb, NotationHtml)));
    return data;
}

std::optional<TColor> colorFromMimeData(const QMimeData& data)
{
    if (data.hasColor()) {
        const QColor color = data.colorData().value<QColor>().toRgb();
        if (color.isValid())
            return RGB(color.red(), color.green(), color.blue());
    }
    if (data.hasText())
        return colorFromText(data.text().toStdString());
    return std::nullopt;
}

} // namespace Tintara
