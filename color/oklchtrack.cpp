#include "color/oklchtrack.h"

#include "color/decimal.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Tintara {

OklchChannelRange oklchRange(OklchChannel channel)
{
    switch (channel) {
    case OklchChannel::Lightness: return {1.0, 100.0, 1};
    case OklchChannel::Chroma: return {0.37, 1.0, 3};
    case OklchChannel::Hue: return {360.0, 1.0, 1};
    }
    return {1.0, 1.0, 0};
}

double channelOf(const Oklch& color, OklchChannel channel)
{
    switch (channel) {
    case OklchChannel::Lightness: return color.L;
    case OklchChannel::Chroma: return color.C;
    case OklchChannel::Hue: return color.h;
    }
    return 0;
}

Oklch withChannel(Oklch color, OklchChannel channel, double value)
{
    switch (channel) {
    case OklchChannel::Lightness: color.L = value; break;
    case OklchChannel::Chroma: color.C = value; break;
    case OklchChannel::Hue: color.h = value; break;
    }
    return color;
}

std::vector<TrackStop> oklchTrack(OklchChannel channel, const Oklch& at, int steps, EditorGamut gamut)
{
    std::vector<TrackStop> stops;
    stops.reserve(static_cast<std::size_t>(std::max(steps, 0)));
    const double maximum = oklchRange(channel).maximum;
    for (int n = 0; n < steps; ++n) {
        const double value = steps > 1 ? maximum * n / (steps - 1) : 0.0;
        const Oklab lab = oklabFromOklch(withChannel(at, channel, value));
        const LinearRgb rgb = linearFromOklab(lab);
        TrackStop stop{clippedColor(rgb), inSrgbGamut(rgb), false};
        if (gamut == EditorGamut::DisplayP3 && !stop.inGamut) {
            stop.inGamut = inRgbGamut(rgbFromXyzD65(RgbSpace::DisplayP3, xyzD65FromOklab(lab)));
            stop.onlyInP3 = stop.inGamut;
        }
        stops.push_back(stop);
    }
    return stops;
}

std::string oklchFieldText(OklchChannel channel, double value)
{
    const OklchChannelRange range = oklchRange(channel);
    return decimalCommaText(value * range.fieldScale, range.decimals);
}

std::optional<double> oklchFieldValue(OklchChannel channel, std::string_view text)
{
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const auto first = number.find_first_not_of(' ');
    const auto last = number.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    double value = 0;
    const char* end = number.data() + last + 1;
    const auto [stop, error] = std::from_chars(number.data() + first, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    const OklchChannelRange range = oklchRange(channel);
    return std::clamp(value / range.fieldScale, 0.0, range.maximum);
}

} // namespace Tintara
