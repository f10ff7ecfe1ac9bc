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

QString fittedLine(const QLabel* label, const QStringList& parts,
                   const std::function<QString(const QStringList&)>& compose)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int room = label->contentsRect().width();
    int widest = 0;
    for (const QString& part : parts)
        widest = std::max(widest, metrics.horizontalAdvance(part));
    QString line = compose(parts);
    for (int width = widest; width >= 0 && metrics.horizontalAdvance(line) > room; width -= 4) {
        QStringList shortened;
        for (const QString& part : parts)
            shortened << metrics.elidedText(part, Qt::ElideRight, width);
        line = compose(shortened);
    }
    return line;
}

} // namespace Tintara
