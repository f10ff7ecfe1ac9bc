// A colour dragged from another program: any bytes as application/x-color beside any text.
#include "exchange/colormime.h"

#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\0');
    QMimeData mime;
    mime.setData(QStringLiteral("application/x-color"), split < 0 ? bytes : bytes.left(split));
    if (split >= 0)
        mime.setText(QString::fromUtf8(bytes.mid(split + 1)));
    const auto color = Tintara::colorFromMimeData(mime);
    if (color && *color > 0xFFFFFF)
        __builtin_trap(); // only an RGB colour, never a system-colour reference
    return 0;
}
