// The HTML field's text to a colour, typed, pasted or dropped.
#include "color/colortext.h"
#include "color/html.h"
#include "rules/editorinput.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Tintara::TColor color = Tintara::HTMLToColor(text, 0x123456);
    if (color > 0xFFFFFF)
        __builtin_trap(); // an RGB colour or the fallback, never anything else
    if (const auto pasted = Tintara::colorFromText(text); pasted && *pasted > 0xFFFFFF)
        __builtin_trap();
    Tintara::isCompleteHtmlText(QString::fromUtf8(text.data(), static_cast<qsizetype>(size)));
    return 0;
}
