#include "platform/screenprofile.h"

#include "color/notation.h"

#include <QGuiApplication>

#include <lcms2.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace Tintara {

QByteArray x11ScreenProfile()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const char name[] = "_ICC_PROFILE";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!screen || !atom || atom->atom == XCB_ATOM_NONE) {
        std::free(atom);
        return {};
    }
    // Profiles are a few kilobytes; 4 MiB (in 32-bit units) is more than any display profile needs.
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_CARDINAL, 0, 1 << 20), nullptr);
    std::free(atom);
    QByteArray bytes;
    if (property && property->format == 8)
        bytes = QByteArray(static_cast<const char*>(xcb_get_property_value(property)), xcb_get_property_value_length(property));
    std::free(property);
    return bytes;
}

struct ScreenColorConversion::Transform {
    cmsHTRANSFORM handle = nullptr;
    cmsHTRANSFORM toXyz = nullptr; // into the profile connection space, XYZ on D50
    ~Transform()
    {
        for (cmsHTRANSFORM each : {handle, toXyz}) {
            if (each)
                cmsDeleteTransform(each);
        }
    }
};

namespace {

std::array<unsigned char, 3> channels(TColor pixel)
{
    return {static_cast<unsigned char>(redOf(pixel)), static_cast<unsigned char>(greenOf(pixel)),
            static_cast<unsigned char>(blueOf(pixel))};
}

} // namespace

ScreenColorConversion::ScreenColorConversion() = default;
ScreenColorConversion::~ScreenColorConversion() = default;

TColor ScreenColorConversion::shown(TColor pixel, const QByteArray& profile)
{
    if (profile != m_profile) {
        m_profile = profile;
        m_transform.reset();
        cmsHPROFILE display = profile.isEmpty() ? nullptr : cmsOpenProfileFromMem(profile.constData(), cmsUInt32Number(profile.size()));
        if (display && cmsGetColorSpace(display) == cmsSigRgbData) {
            cmsHPROFILE srgb = cmsCreate_sRGBProfile();
            auto transform = std::make_unique<Transform>();
            transform->handle = cmsCreateTransform(display, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, 0);
            cmsHPROFILE xyz = cmsCreateXYZProfile();
            transform->toXyz = cmsCreateTransform(display, TYPE_RGB_8, xyz, TYPE_XYZ_DBL, INTENT_RELATIVE_COLORIMETRIC, 0);
            cmsCloseProfile(xyz);
            cmsCloseProfile(srgb);
            if (transform->handle)
                m_transform = std::move(transform);
        }
        if (display)
            cmsCloseProfile(display);
    }
    if (!m_transform)
        return pixel;
    const std::array<unsigned char, 3> in = channels(pixel);
    unsigned char out[3] = {};
    cmsDoTransform(m_transform->handle, in.data(), out, 1);
    return RGB(out[0], out[1], out[2]);
}

WideColor ScreenColorConversion::shownWide(TColor pixel, const QByteArray& profile)
{
    const TColor srgb = shown(pixel, profile);
    if (!m_transform || !m_transform->toXyz)
        return {srgb, std::nullopt};
    const std::array<unsigned char, 3> in = channels(pixel);
    cmsCIEXYZ pcs{};
    cmsDoTransform(m_transform->toXyz, in.data(), &pcs, 1);
    const Xyz xyz = xyzD65FromD50({pcs.X, pcs.Y, pcs.Z});
    if (insideSrgb(xyz))
        return {srgb, std::nullopt};
    return {srgb, oklchFromOklab(oklabFromXyzD65(xyz))};
}

} // namespace Tintara
