// The values of the command line's options (--targets, --count, --to, --metric, --name, --min,
// --min-apca), one a line.
#include "color/notation.h"
#include "exchange/scaleformats.h"
#include "rules/commandvalues.h"

#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList values = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
                                   .split(u'\n');
    if (const auto targets = Tintara::contrastTargetList(values.value(0))) {
        for (const double target : *targets) {
            if (!std::isfinite(target) || target <= 0)
                __builtin_trap();
        }
    }
    if (const auto count = Tintara::colourCount(values.value(1)); count && (*count < 2 || *count > 16))
        __builtin_trap();
    if (const auto notation = Tintara::notationNamed(values.value(2)); notation && (*notation < 0 || *notation >= Tintara::NotationCount))
        __builtin_trap();
    Tintara::apcaMetric(values.value(3));
    if (Tintara::scaleIdentifier(values.value(4)).isEmpty())
        __builtin_trap(); // every name gives a usable identifier
    if (const auto ratio = Tintara::contrastMinimum(values.value(5)); ratio && !(*ratio >= 1 && *ratio <= 21))
        __builtin_trap();
    if (const auto lc = Tintara::apcaMinimum(values.value(6)); lc && !(*lc >= 1 && *lc <= 108))
        __builtin_trap();
    return 0;
}
