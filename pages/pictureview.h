#pragma once

#include <QImage>
#include <QWidget>

namespace Tintara {

// A picture shown whole, scaled to fit and centred; a click reports the picture's pixel under
// the pointer.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Where the picture is drawn in the widget.
    QRect pictureRect() const;

Q_SIGNALS:
    void pixelClicked(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    QImage m_shown; // scaled once per size, not at every paint
};

} // namespace Tintara
