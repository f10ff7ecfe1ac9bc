// The key filters and the number reading of the channel and module number fields.
#include "rules/editorinput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QChar key(static_cast<char16_t>(data[0] | (data[1] << 8)));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    for (const int limit : {255, 360}) {
        const Tintara::KeyVerdict verdict = Tintara::WertEingabeRule(text, key, limit);
        if (verdict.replaceBy && verdict.replaceBy->toInt() != limit)
            __builtin_trap();
        if (const auto filled = Tintara::EditFuellenRule(text, limit); filled && filled->toInt() > limit)
            __builtin_trap();
    }
    Tintara::ZahleneingabeRule(text, key);
    if (const auto value = Tintara::clampedNumber(text, 0, 255); value && (*value < 0 || *value > 255))
        __builtin_trap();
    return 0;
}
