#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Tintara {

// An INI integer: decimal, or hexadecimal after "$" or "0x", with an optional sign, read as a
// 32-bit signed value (so "$FF00000F" is -16777201). Anything else is no number.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

} // namespace Tintara
