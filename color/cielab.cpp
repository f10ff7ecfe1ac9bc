#include "color/cielab.h"

#include "color/wcag.h"

#include <cmath>
#include <numbers>

namespace Tintara {

namespace {

constexpr double pi = std::numbers::pi;

double degrees(double radians)
{
    return radians * 180 / pi;
}

double radians(double degrees)
{
    return degrees * pi / 180;
}

double labCurve(double t)
{
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    return t > epsilon ? std::cbrt(t) : (kappa * t + 16) / 116;
}

// Hue angle in degrees 0..360; 0 where a and b are both 0.
double hueAngle(double b, double a)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
}

} // namespace

Lab linearRgbToLab(double red, double green, double blue)
{
    // sRGB primaries, D65 white (IEC 61966-2-1).
    const double x = 0.4124564 * red + 0.3575761 * green + 0.1804375 * blue;
    const double y = 0.2126729 * red + 0.7151522 * green + 0.0721750 * blue;
    const double z = 0.0193339 * red + 0.1191920 * green + 0.9503041 * blue;
    const double fx = labCurve(x / 0.95047);
    const double fy = labCurve(y);
    const double fz = labCurve(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Lab toLab(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return linearRgbToLab(linearChannel(redOf(rgb)), linearChannel(greenOf(rgb)), linearChannel(blueOf(rgb)));
}

double ciede2000(const Lab& first, const Lab& second)
{
    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double meanC7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * first.a;
    const double a2 = (1 + g) * second.a;
    const double cp1 = std::hypot(a1, first.b);
    const double cp2 = std::hypot(a2, second.b);
    const double hp1 = hueAngle(first.b, a1);
    const double hp2 = hueAngle(second.b, a2);

    const double deltaL = second.L - first.L;
    const double deltaC = cp2 - cp1;
    double deltah = 0;
    if (cp1 * cp2 != 0) {
        deltah = hp2 - hp1;
        if (deltah > 180)
            deltah -= 360;
        else if (deltah < -180)
            deltah += 360;
    }
    const double deltaH = 2 * std::sqrt(cp1 * cp2) * std::sin(radians(deltah / 2));

    const double meanL = (first.L + second.L) / 2;
    const double meanCp = (cp1 + cp2) / 2;
    double meanHp = hp1 + hp2;
    if (cp1 * cp2 != 0) {
        if (std::abs(hp1 - hp2) <= 180)
            meanHp /= 2;
        else
            meanHp = meanHp < 360 ? (meanHp + 360) / 2 : (meanHp - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(meanHp - 30)) + 0.24 * std::cos(radians(2 * meanHp))
        + 0.32 * std::cos(radians(3 * meanHp + 6)) - 0.20 * std::cos(radians(4 * meanHp - 63));
    const double deltaTheta = 30 * std::exp(-std::pow((meanHp - 275) / 25, 2));
    const double meanCp7 = std::pow(meanCp, 7);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7)));
    const double l50 = (meanL - 50) * (meanL - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2 * deltaTheta)) * rc;

    const double l = deltaL / sl;
    const double c = deltaC / sc;
    const double h = deltaH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace Tintara
