#!/usr/bin/python3
"""Fits the curves of the tonal scale (color/tonalscale.cpp) to Tailwind CSS v4's palette and prints
them as the table that file keeps. Usage: scripts/fit-tonal-scale.py path/to/tailwindcss/theme.css
Needs python3-numpy. Lightness and hue are fitted to the palette's steps, chroma to their chroma
before mapping into sRGB, all by linear least squares; the base of each family is its 500 as sRGB
shows it, as the program gets it."""
import math
import re
import sys

import numpy as np

KNOTS = 12          # hue drift and chroma share are given every 30 degrees
SMOOTHNESS = 0.3    # weight of the second differences between neighbouring knots
STEPS = ['50', '100', '200', '300', '400', '500', '600', '700', '800', '900', '950']


def linear_to_oklab(r, g, b):
    l, m, s = (np.cbrt(x) for x in (0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b,
                                    0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b,
                                    0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b))
    return (0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s)


def oklab_to_linear(L, a, b):
    l, m, s = ((L + 0.3963377774 * a + 0.2158037573 * b) ** 3, (L - 0.1055613458 * a - 0.0638541728 * b) ** 3,
               (L - 0.0894841775 * a - 1.2914855480 * b) ** 3)
    return (4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s)


def lab(L, C, h):
    return (L, C * math.cos(math.radians(h)), C * math.sin(math.radians(h)))


def lch(L, a, b):
    return (L, math.hypot(a, b), math.degrees(math.atan2(b, a)) % 360)


def distance(p, q):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(p, q)))


def inside(rgb):
    return all(-1e-9 <= v <= 1 + 1e-9 for v in rgb)


def clip(rgb):
    return tuple(min(max(v, 0.0), 1.0) for v in rgb)


def gamut_mapped(L, C, h):
    """CSS Color 4's mapping into sRGB, as color/gamutmap.cpp does it, then 8-bit."""
    if L >= 1 or L <= 0:
        rgb = (1.0,) * 3 if L >= 1 else (0.0,) * 3
    else:
        rgb = oklab_to_linear(*lab(L, C, h))
        if not inside(rgb) and distance(linear_to_oklab(*clip(rgb)), lab(L, C, h)) >= 0.02:
            low, high, low_inside = 0.0, C, True
            while high - low > 1e-4:
                c = (low + high) / 2
                rgb = oklab_to_linear(*lab(L, c, h))
                if low_inside and inside(rgb):
                    low = c
                    continue
                d = distance(linear_to_oklab(*clip(rgb)), lab(L, c, h))
                if d < 0.02:
                    if 0.02 - d < 1e-4:
                        break
                    low_inside, low = False, c
                else:
                    high = c
        rgb = clip(rgb)
    encoded = [12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055 for v in rgb]
    byte = [round(v * 255) / 255 for v in encoded]
    return lch(*linear_to_oklab(*[v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4 for v in byte]))


def greyness(chroma):
    x = min(max((0.12 - chroma) / 0.07, 0), 1)
    return x * x * (3 - 2 * x)


def knot_weights(hue):
    x = (hue % 360) / (360 / KNOTS)
    below, t = int(x) % KNOTS, x - int(x)
    w = np.zeros(KNOTS)
    w[below] += 1 - t
    w[(below + 1) % KNOTS] += t
    return w


def second_differences(weight):
    rows = np.zeros((KNOTS, KNOTS))
    for n in range(KNOTS):
        rows[n, (n - 1) % KNOTS] += weight
        rows[n, n] -= 2 * weight
        rows[n, (n + 1) % KNOTS] += weight
    return rows


def read_palette(path):
    families = {}
    pattern = r'--color-([a-z]+)-(\d+):\s*oklch\(([\d.]+)% ([\d.]+) ([\d.]+|none)\)'
    for m in re.finditer(pattern, open(path).read()):
        families.setdefault(m[1], {})[m[2]] = (float(m[3]) / 100, float(m[4]), 0.0 if m[5] == 'none' else float(m[5]))
    return families


def fit(families):
    mapped = {name: {s: gamut_mapped(*steps[s]) for s in STEPS} for name, steps in families.items()}
    curves = {}
    for step in STEPS:
        if step == '500':
            continue
        rows_l, l_values, rows_h, h_values, rows_c, c_values = [], [], [], [], [], []
        for name, steps in families.items():
            L, C, h = mapped[name]['500']
            grey = greyness(C)
            target = mapped[name][step]
            rows_l.append([1, L, grey])
            l_values.append(target[0])
            if C > 0.02:
                # A hue error costs as much as the step's chroma.
                weight = target[1] * math.radians(1)
                rows_h.append(weight * knot_weights(h))
                h_values.append(weight * (((steps[step][2] - h + 180) % 360) - 180))
                rows_c.append(np.concatenate([(1 - grey) * C * knot_weights(h), [grey * C]]))
                c_values.append(steps[step][1])
        lightness = np.linalg.lstsq(np.array(rows_l), np.array(l_values), rcond=None)[0]
        mean_weight = np.mean([np.sum(r) for r in rows_h])
        rows_h = np.vstack([rows_h, second_differences(SMOOTHNESS * mean_weight)])
        drift = np.linalg.lstsq(rows_h, np.concatenate([h_values, np.zeros(KNOTS)]), rcond=None)[0]
        rows_c = np.vstack([rows_c, np.hstack([second_differences(0.001), np.zeros((KNOTS, 1))])])
        share = np.linalg.lstsq(rows_c, np.concatenate([c_values, np.zeros(KNOTS)]), rcond=None)[0]
        curves[step] = (lightness, drift, share[:KNOTS], share[KNOTS])
    return curves


def main():
    curves = fit(read_palette(sys.argv[1]))
    for step in STEPS:
        if step == '500':
            print('    {{0, 1, 0}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 1}, // 500: the base')
            continue
        lightness, drift, share, grey = curves[step]
        print('    {{%s}, {%s}, {%s}, %.3f},' % (', '.join('%.4f' % x for x in lightness),
                                               ', '.join('%.1f' % x for x in drift),
                                               ', '.join('%.3f' % x for x in share), grey))


if __name__ == '__main__':
    main()
