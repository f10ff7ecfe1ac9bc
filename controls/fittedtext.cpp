#include "controls/fittedtext.h"

#include <QLabel>

#include <functional>

namespace Tintara {

void setFittedText(QLabel* label, const QString& text)
{
    const int room = label->contentsRect().width();
    const QFontMetrics metrics = label->fontMetrics();
    const bool fits = metrics.horizontalAdvance(text) <= room;
    label->setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, room));
    label->setToolTip(fits ? QString() : text);
}

QString fittedLine(const QLabel* label, const QString& part, const std::function<QString(const QString&)>& compose)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QString whole = compose(part);
    const int over = metrics.horizontalAdvance(whole) - label->contentsRect().width();
    if (over <= 0)
        return whole;
    const int partRoom = std::max(0, metrics.horizontalAdvance(part) - over);
    return compose(metrics.elidedText(part, Qt::ElideRight, partRoom));
}

} // namespace Tintara
