#include "color/apca.h"

#include <array>
#include <cmath>

namespace Tintara {

namespace {

// The published constants of APCA-W3 0.0.98G-4g.
constexpr double mainTrc = 2.4;
constexpr double redWeight = 0.2126729, greenWeight = 0.7151522, blueWeight = 0.0721750;
constexpr double normalBackground = 0.56, normalText = 0.57, reverseText = 0.62, reverseBackground = 0.65;
constexpr double blackThreshold = 0.022, blackClamp = 1.414;
constexpr double scale = 1.14, lowOffset = 0.027, lowClip = 0.1, deltaYMinimum = 0.0005;

// APCA's plain power curve for each channel value, worked out once.
const std::array<double, 256>& channelTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v)
            values[static_cast<std::size_t>(v)] = std::pow(v / 255.0, mainTrc);
        return values;
    }();
    return table;
}

// Screen luminance with the soft clamp near black.
double screenLuminance(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    const auto channel = [](int value) { return channelTable()[static_cast<std::size_t>(value)]; };
    const double y = redWeight * channel(redOf(rgb)) + greenWeight * channel(greenOf(rgb))
        + blueWeight * channel(blueOf(rgb));
    return y > blackThreshold ? y : y + std::pow(blackThreshold - y, blackClamp);
}

} // namespace

double apcaContrast(TColor text, TColor background)
{
    const double textY = screenLuminance(text);
    const double backgroundY = screenLuminance(background);
    if (std::abs(backgroundY - textY) < deltaYMinimum)
        return 0;
    if (backgroundY > textY) {
        const double sapc = (std::pow(backgroundY, normalBackground) - std::pow(textY, normalText)) * scale;
        return sapc < lowClip ? 0 : (sapc - lowOffset) * 100;
    }
    const double sapc = (std::pow(backgroundY, reverseBackground) - std::pow(textY, reverseText)) * scale;
    return sapc > -lowClip ? 0 : (sapc + lowOffset) * 100;
}

} // namespace Tintara
