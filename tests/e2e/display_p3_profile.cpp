// Writes an ICC display profile with the Display P3 primaries, the D65 white and the sRGB curve,
// as a wide-gamut monitor's colour manager would publish it. Usage: display_p3_profile FILE
#include <lcms2.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
    // The sRGB curve as a parametric curve of type 4: (a x + b)^g above d, c x below.
    const cmsFloat64Number srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    const bool saved = profile && cmsSaveProfileToFile(profile, argv[1]);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
    return saved ? 0 : 1;
}
