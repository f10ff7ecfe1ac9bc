#include "color/colorspaces.h"

#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector times(const Matrix& m, const Vector& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix product(const Matrix& a, const Matrix& b)
{
    Matrix m{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    }
    return m;
}

Matrix inverse(const Matrix& m)
{
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int a = (j + 1) % 3, b = (j + 2) % 3, c = (i + 1) % 3, d = (i + 2) % 3;
            r[i][j] = (m[a][c] * m[b][d] - m[a][d] * m[b][c]) / det;
        }
    }
    return r;
}

struct Chromaticity {
    double x, y;
};

Vector whiteOf(Chromaticity white)
{
    return {white.x / white.y, 1, (1 - white.x - white.y) / white.y};
}

// The whites as CSS Color 4 gives them, by their four-figure chromaticities.
constexpr Chromaticity d65{0.3127, 0.3290};
constexpr Chromaticity d50{0.3457, 0.3585};

// Linear RGB to XYZ from the primaries and the white: each primary's XYZ scaled so that
// (1, 1, 1) is the white.
Matrix rgbToXyz(Chromaticity red, Chromaticity green, Chromaticity blue, Chromaticity white)
{
    const auto column = [](Chromaticity p) { return Vector{p.x / p.y, 1, (1 - p.x - p.y) / p.y}; };
    const Vector r = column(red), g = column(green), b = column(blue);
    const Matrix primaries = {{{r[0], g[0], b[0]}, {r[1], g[1], b[1]}, {r[2], g[2], b[2]}}};
    const Vector scale = times(inverse(primaries), whiteOf(white));
    Matrix m = primaries;
    for (auto& row : m) {
        for (int j = 0; j < 3; ++j)
            row[j] *= scale[j];
    }
    return m;
}

// Bradford's chromatic adaptation from one white to another.
Matrix bradford(Chromaticity from, Chromaticity to)
{
    const Matrix cone = {{{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
    const Vector source = times(cone, whiteOf(from)), target = times(cone, whiteOf(to));
    const Matrix scale = {{{target[0] / source[0], 0, 0}, {0, target[1] / source[1], 0}, {0, 0, target[2] / source[2]}}};
    return product(inverse(cone), product(scale, cone));
}

struct SpaceRow {
    RgbSpace space;
    std::string_view name;
    Chromaticity red, green, blue, white;
    double (*toLinear)(double);
    double (*toEncoded)(double);
};

double sign(double v) { return v < 0 ? -1 : 1; }
double same(double v) { return v; }
// sRGB's curve, which Display P3 shares; mirrored for negative values, as CSS extends it.
double srgbLinear(double v)
{
    const double a = std::abs(v);
    return sign(v) * (a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4));
}
double srgbEncoded(double v)
{
    const double a = std::abs(v);
    return sign(v) * (a <= 0.0031308 ? a * 12.92 : 1.055 * std::pow(a, 1 / 2.4) - 0.055);
}
double a98Linear(double v) { return sign(v) * std::pow(std::abs(v), 563.0 / 256); }
double a98Encoded(double v) { return sign(v) * std::pow(std::abs(v), 256.0 / 563); }
double proPhotoLinear(double v) { return std::abs(v) <= 16.0 / 512 ? v / 16 : sign(v) * std::pow(std::abs(v), 1.8); }
double proPhotoEncoded(double v) { return std::abs(v) >= 1.0 / 512 ? sign(v) * std::pow(std::abs(v), 1 / 1.8) : 16 * v; }
constexpr double rec2020Alpha = 1.09929682680944, rec2020Beta = 0.018053968510807;
double rec2020Linear(double v)
{
    const double a = std::abs(v);
    return a < rec2020Beta * 4.5 ? v / 4.5 : sign(v) * std::pow((a + rec2020Alpha - 1) / rec2020Alpha, 1 / 0.45);
}
double rec2020Encoded(double v)
{
    const double a = std::abs(v);
    return a > rec2020Beta ? sign(v) * (rec2020Alpha * std::pow(a, 0.45) - (rec2020Alpha - 1)) : 4.5 * v;
}

constexpr Chromaticity srgbRed{0.64, 0.33}, srgbGreen{0.30, 0.60}, srgbBlue{0.15, 0.06};
constexpr SpaceRow spaceRows[] = {
    {RgbSpace::Srgb, "srgb", srgbRed, srgbGreen, srgbBlue, d65, srgbLinear, srgbEncoded},
    {RgbSpace::SrgbLinear, "srgb-linear", srgbRed, srgbGreen, srgbBlue, d65, same, same},
    {RgbSpace::DisplayP3, "display-p3", {0.68, 0.32}, {0.265, 0.69}, srgbBlue, d65, srgbLinear, srgbEncoded},
    {RgbSpace::A98Rgb, "a98-rgb", srgbRed, {0.21, 0.71}, srgbBlue, d65, a98Linear, a98Encoded},
    {RgbSpace::ProPhotoRgb, "prophoto-rgb", {0.734699, 0.265301}, {0.159597, 0.840403}, {0.036598, 0.000105}, d50,
     proPhotoLinear, proPhotoEncoded},
    {RgbSpace::Rec2020, "rec2020", {0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}, d65, rec2020Linear, rec2020Encoded},
};

const SpaceRow& rowOf(RgbSpace space)
{
    return spaceRows[static_cast<int>(space)];
}

// A space's linear RGB to XYZ D65 (adapted from D50 for ProPhoto), worked out once.
const Matrix& toXyzD65(RgbSpace space)
{
    static const auto matrices = [] {
        std::array<Matrix, std::size(spaceRows)> m{};
        for (const SpaceRow& row : spaceRows) {
            const Matrix own = rgbToXyz(row.red, row.green, row.blue, row.white);
            m[static_cast<int>(row.space)] = row.white.x == d65.x ? own : product(bradford(d50, d65), own);
        }
        return m;
    }();
    return matrices[static_cast<int>(space)];
}

const Matrix& fromXyzD65(RgbSpace space)
{
    static const auto matrices = [] {
        std::array<Matrix, std::size(spaceRows)> m{};
        for (const SpaceRow& row : spaceRows)
            m[static_cast<int>(row.space)] = inverse(toXyzD65(row.space));
        return m;
    }();
    return matrices[static_cast<int>(space)];
}

Xyz asXyz(const Vector& v) { return {v[0], v[1], v[2]}; }
Vector asVector(const Xyz& xyz) { return {xyz.x, xyz.y, xyz.z}; }

constexpr double labEpsilon = 216.0 / 24389, labKappa = 24389.0 / 27;

} // namespace

std::string_view rgbSpaceName(RgbSpace space)
{
    return rowOf(space).name;
}

std::optional<RgbSpace> rgbSpaceNamed(std::string_view name)
{
    for (const SpaceRow& row : spaceRows) {
        if (row.name == name)
            return row.space;
    }
    return std::nullopt;
}

Xyz xyzD65FromRgb(RgbSpace space, const std::array<double, 3>& components)
{
    const SpaceRow& row = rowOf(space);
    return asXyz(times(toXyzD65(space), Vector{row.toLinear(components[0]), row.toLinear(components[1]), row.toLinear(components[2])}));
}

std::array<double, 3> rgbFromXyzD65(RgbSpace space, const Xyz& xyz)
{
    const SpaceRow& row = rowOf(space);
    const Vector linear = times(fromXyzD65(space), asVector(xyz));
    return {row.toEncoded(linear[0]), row.toEncoded(linear[1]), row.toEncoded(linear[2])};
}

Xyz xyzD50FromD65(const Xyz& xyz)
{
    static const Matrix adapt = bradford(d65, d50);
    return asXyz(times(adapt, asVector(xyz)));
}

Xyz xyzD65FromD50(const Xyz& xyz)
{
    static const Matrix adapt = bradford(d50, d65);
    return asXyz(times(adapt, asVector(xyz)));
}

Lab50 labFromXyzD50(const Xyz& xyz)
{
    const Vector white = whiteOf(d50);
    const auto f = [](double t) { return t > labEpsilon ? std::cbrt(t) : (labKappa * t + 16) / 116; };
    const double fx = f(xyz.x / white[0]), fy = f(xyz.y / white[1]), fz = f(xyz.z / white[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Xyz xyzD50FromLab(const Lab50& lab)
{
    const Vector white = whiteOf(d50);
    const double fy = (lab.L + 16) / 116, fx = lab.a / 500 + fy, fz = fy - lab.b / 200;
    const auto cubedOr = [](double f) { return f * f * f > labEpsilon ? f * f * f : (116 * f - 16) / labKappa; };
    const double y = lab.L > labKappa * labEpsilon ? fy * fy * fy : lab.L / labKappa;
    return {cubedOr(fx) * white[0], y * white[1], cubedOr(fz) * white[2]};
}

Oklab oklabFromXyzD65(const Xyz& xyz)
{
    const Vector linear = times(fromXyzD65(RgbSpace::SrgbLinear), asVector(xyz));
    return oklabFromLinear({linear[0], linear[1], linear[2]});
}

Xyz xyzD65FromOklab(const Oklab& lab)
{
    const LinearRgb linear = linearFromOklab(lab);
    return asXyz(times(toXyzD65(RgbSpace::SrgbLinear), Vector{linear.r, linear.g, linear.b}));
}

bool inRgbGamut(const std::array<double, 3>& components)
{
    constexpr double tolerance = 0.000075;
    return std::all_of(components.begin(), components.end(),
                       [](double v) { return v >= -tolerance && v <= 1 + tolerance; });
}

std::array<double, 3> gamutMappedInto(RgbSpace space, const Oklch& color)
{
    const SpaceRow& row = rowOf(space);
    // The mapping clips in the space's linear light, which keeps 0 and 1 where encoding does.
    const auto toLinear = [&](const Oklab& lab) {
        const Vector v = times(fromXyzD65(space), asVector(xyzD65FromOklab(lab)));
        return LinearRgb{v[0], v[1], v[2]};
    };
    const auto fromLinear = [&](const LinearRgb& rgb) { return oklabFromXyzD65(asXyz(times(toXyzD65(space), Vector{rgb.r, rgb.g, rgb.b}))); };
    const LinearRgb mapped = gamutMappedLinear(color, toLinear, fromLinear);
    return {row.toEncoded(mapped.r), row.toEncoded(mapped.g), row.toEncoded(mapped.b)};
}

} // namespace Tintara
