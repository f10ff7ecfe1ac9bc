#pragma once

#include "color/tcolor.h"

#include <QWidget>

#include <optional>

namespace Tintara {

// A colour over the whole screen, or a text colour on a background colour with a sample text in
// several sizes, to judge it without surroundings. Any key or click ends it.
class FullScreenView : public QWidget
{
    Q_OBJECT

public:
    FullScreenView(TColor background, std::optional<TColor> text, QWidget* parent = nullptr);

    // The sizes of the sample lines, in pixels.
    static constexpr int sampleSizes[] = {12, 16, 20, 24, 32, 48, 72};

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TColor m_background;
    std::optional<TColor> m_text;
};

} // namespace Tintara
