#pragma once

#include "color/oklab.h"
#include "color/widecolor.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tintara {

// The three channels the OKLCH editor shows, each with its range and the decimals of its field.
enum class OklchChannel { Lightness, Chroma, Hue };

struct OklchChannelRange {
    double maximum;  // the minimum is 0
    double fieldScale; // field value per channel value: lightness is shown in percent
    int decimals;
};
OklchChannelRange oklchRange(OklchChannel channel);

double channelOf(const Oklch& color, OklchChannel channel);
Oklch withChannel(Oklch color, OklchChannel channel, double value);

// One colour along a track, clipped into sRGB for the picture: whether the editor's gamut holds
// it, and whether it lies in the band that Display P3 holds and sRGB does not.
struct TrackStop {
    TColor color = 0;
    bool inGamut = true;
    bool onlyInP3 = false;
    bool operator==(const TrackStop&) const = default;
};
// The colours one channel gives from its minimum to its maximum at `steps` even stops, the
// other two held at their values in `at`; the band only P3 holds is marked on a P3 track alone.
std::vector<TrackStop> oklchTrack(OklchChannel channel, const Oklch& at, int steps,
                                  EditorGamut gamut = EditorGamut::Srgb);

// A channel's field text: lightness in percent with one decimal ("62,3"), chroma with three
// ("0,214"), hue with one ("259,8"), with a decimal comma.
std::string oklchFieldText(OklchChannel channel, double value);
// A field's number, with a decimal comma or point, kept within the channel's range; none for a
// text that is no number.
std::optional<double> oklchFieldValue(OklchChannel channel, std::string_view text);

} // namespace Tintara
