#include "controls/fullscreenview.h"

#include "color/wcag.h"
#include "platform/colorconversion.h"

#include <QKeyEvent>
#include <QPainter>

namespace Tintara {

FullScreenView::FullScreenView(TColor background, std::optional<TColor> text, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_background(background), m_text(text)
{
    setObjectName(QStringLiteral("FullScreenView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::BlankCursor); // nothing but the colour
}

void FullScreenView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_background));
    if (!m_text)
        return;
    painter.setPen(toQColor(*m_text));
    QFont font = this->font();
    const int margin = width() / 16;
    int y = height() / 8;
    for (const int size : sampleSizes) {
        font.setPixelSize(size);
        painter.setFont(font);
        y += size * 3 / 2;
        painter.drawText(margin, y, tr("%1 px – Franz jagt im komplett verwahrlosten Taxi quer durch Bayern").arg(size));
    }
    font.setPixelSize(20);
    painter.setFont(font);
    const std::string ratio = formatContrastRatio(contrastRatio(ColorToRGB(*m_text), ColorToRGB(m_background)));
    painter.drawText(margin, height() - margin / 2, tr("Kontrast %1").arg(QString::fromStdString(ratio)));
}

void FullScreenView::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    close();
}

void FullScreenView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

} // namespace Tintara
