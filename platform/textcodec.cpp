#include "platform/textcodec.h"

#include <QStringDecoder>

#include <array>

namespace Tintara {

namespace {

QString decodeWindows1252(const QByteArray& bytes)
{
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their own code point.
    static constexpr std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

QString decodeProfileText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString excerpt(const QString& text, int length)
{
    // Only the start is looked at: simplifying the whole of a long text would cost its length.
    const QString start = text.left(length * 4).simplified();
    return start.size() > length || text.size() > length * 4 ? start.left(length - 1) + QChar(0x2026) : start;
}

} // namespace Tintara
