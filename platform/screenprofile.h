#pragma once

#include "color/widecolor.h"

#include <QByteArray>

#include <memory>

namespace Tintara {

// The screen's ICC profile as a desktop colour manager publishes it on X11: the _ICC_PROFILE
// property of the root window. Empty where there is none, or no X11 display.
QByteArray x11ScreenProfile();

// Screen pixels from the colours of a display profile into sRGB, with Little CMS 2 (relative
// colorimetric, as a pick should give the colour that was shown). A profile Little CMS cannot
// read, or one that is no RGB display profile, gives no conversion, and pixels are taken as sRGB.
class ScreenColorConversion
{
public:
    ScreenColorConversion();
    ~ScreenColorConversion();
    ScreenColorConversion(const ScreenColorConversion&) = delete;
    ScreenColorConversion& operator=(const ScreenColorConversion&) = delete;

    // The colour a pixel showed, for the profile given (made anew only when the profile changes).
    TColor shown(TColor pixel, const QByteArray& profile);
    // The same with the colour itself as the wide colour where the screen showed one beyond sRGB.
    WideColor shownWide(TColor pixel, const QByteArray& profile);

private:
    struct Transform;
    QByteArray m_profile;
    std::unique_ptr<Transform> m_transform;
};

} // namespace Tintara
