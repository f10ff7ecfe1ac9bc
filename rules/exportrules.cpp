#include "rules/exportrules.h"

#include "color/notation.h"
#include "platform/colorconversion.h"

#include <QGuiApplication>
#include <QPainter>

namespace Tintara {

namespace {

const QString credit = QStringLiteral("Erstellt mit Orbelin Tintara Studio");
const QColor creditGrey(168, 168, 168);

// Hex and RGB texts take the slot's bytes as stored, without resolving system colours.
QString hexText(TColor c)
{
    return QString::fromStdString(ColorNotation(c, NotationHtml));
}

QString rgbText(TColor c)
{
    return QStringLiteral("%1, %2, %3").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c));
}

QString nameOf(const SchemeSlots& scheme, int n, bool useInfo)
{
    return useInfo ? Farbinformation(scheme.infos[n - 1], n) : QStringLiteral("farbe%1").arg(n);
}

// A class selector must start with a letter: where the name has none or starts with a digit, it
// is prefixed as a slot without a text is named.
QString className(const SchemeSlots& scheme, int n, bool useInfo)
{
    const QString name = nameOf(scheme, n, useInfo);
    if (name.isEmpty())
        return QStringLiteral("farbe%1").arg(n);
    return name.front().isDigit() ? QStringLiteral("farbe") + name : name;
}

bool used(const SchemeSlots& scheme, int n)
{
    return scheme.used[n - 1] == 1;
}

// A rectangle as the classic canvas draws it: right and bottom edges excluded, 1-pixel outline.
void rectangle(QPainter& painter, int left, int top, int right, int bottom, const QColor& fill, const QColor& outline)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), fill);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

// Text with its top-left corner at (x, y).
void text(QPainter& painter, int x, int y, const QString& s, const QColor& color, const QColor* background = nullptr)
{
    const QRect box = painter.fontMetrics().boundingRect(QRect(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, s);
    if (background)
        painter.fillRect(box, *background);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
}

void setFont(QPainter& painter, QFont font, int points, bool bold = false, bool underline = false)
{
    font.setPointSize(points);
    font.setBold(bold);
    font.setUnderline(underline);
    painter.setFont(font);
}

// `scale` device pixels per picture pixel, for a sharp picture on a high-density screen.
QImage canvas(int width, int height, qreal scale)
{
    QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 dpi: point sizes as on the screen
    image.setDotsPerMeterY(3780);
    return image;
}

QImage referencePicture(const SchemeSlots& scheme, const ExportChoice& choice, const QFont& font, qreal scale)
{
    QImage image = canvas(475, 1320, scale);
    QPainter painter(&image);
    setFont(painter, font, 9);
    rectangle(painter, 0, 0, 475, 1290, Qt::white, Qt::white);
    text(painter, 10, 1290, credit, creditGrey);
    const QColor white(Qt::white);
    for (int i = 1; i <= 16; ++i) {
        const int y = 80 * (i - 1);
        if (used(scheme, i)) {
            rectangle(painter, 10, y + 10, 80, y + 80, toQColor(scheme.colors[i - 1]), Qt::black);
            if (choice.pictureName) {
                setFont(painter, font, 10, true, true);
                text(painter, 100, y + 17, nameOf(scheme, i, choice.pictureInfo), Qt::black, &white);
            }
            setFont(painter, font, 8);
            if (choice.pictureHtml)
                text(painter, 100, y + 42, hexText(scheme.colors[i - 1]) + u' ', Qt::black, &white);
            if (choice.pictureRgb)
                text(painter, 100, y + 57, rgbText(scheme.colors[i - 1]) + u' ', Qt::black, &white);
        } else {
            rectangle(painter, 10, y + 10, 80, y + 80, Qt::white, Qt::black);
            if (choice.pictureName) {
                QFont regular = painter.font(); // the size stays as the last used slot left it
                regular.setBold(false);
                regular.setUnderline(false);
                painter.setFont(regular);
                text(painter, 100, y + 36, QStringLiteral("(nicht verwendet)"), QColor(128, 128, 128));
            }
        }
    }
    return image;
}

QImage referencePicture2(const SchemeSlots& scheme, const ExportChoice& choice, const QFont& font, qreal scale)
{
    QImage image = canvas(325, 345, scale);
    QPainter painter(&image);
    setFont(painter, font, 9);
    text(painter, 140, 325, credit, creditGrey);
    setFont(painter, font, 8);
    for (int r = 0; r < 4; ++r) {
        for (int k = 1; k <= 4; ++k) {
            const int i = 4 * r + k;
            const int top = 5 + 80 * r;
            const int left = 80 * (k - 1) + 5;
            const int right = 80 * k;
            if (!used(scheme, i)) {
                rectangle(painter, left, top, right, top + 40, Qt::white, Qt::white);
                rectangle(painter, left, top + 39, right, top + 75, Qt::white, Qt::white);
                continue;
            }
            rectangle(painter, left, top, right, top + 40, toQColor(scheme.colors[i - 1]), Qt::black);
            rectangle(painter, left, top + 39, right, top + 75, QColor(248, 248, 248), Qt::black);
            if (choice.pictureHtml)
                text(painter, left + 4, top + 43, hexText(scheme.colors[i - 1]) + u' ', Qt::black);
            if (choice.pictureRgb)
                text(painter, left + 4, top + 57, rgbText(scheme.colors[i - 1]) + u' ', Qt::black);
        }
    }
    return image;
}

QImage paletteStrip(const SchemeSlots& scheme, qreal scale)
{
    QImage image = canvas(385, 28, scale);
    QPainter painter(&image);
    for (int i = 1; i <= 16; ++i)
        rectangle(painter, 24 * (i - 1), 0, 24 * i + 1, 28,
                  used(scheme, i) ? toQColor(scheme.colors[i - 1]) : QColor(Qt::white), Qt::black);
    return image;
}

} // namespace

int exportMode(const ExportChoice& c)
{
    switch (c.content) {
    case ExportContent::StyleSheet: return c.textColor && c.background ? 3 : c.textColor ? 1 : c.background ? 2 : 0;
    case ExportContent::Listing: return c.html && c.rgb ? 6 : c.html ? 4 : c.rgb ? 5 : 0;
    case ExportContent::ReferencePicture: return 7;
    case ExportContent::ReferencePicture2: return 8;
    case ExportContent::PaletteStrip: return 9;
    }
    return 0;
}

QString Farbinformation(const QString& info, int slot)
{
    if (info.isEmpty())
        return QStringLiteral("farbe%1").arg(slot);
    QString name;
    for (const QChar c : info) {
        if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            name += c;
    }
    return name;
}

QByteArray exportTextFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// Arial's metrics keep the captions apart.
QFont captionFont()
{
    QFont font = QGuiApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), font.family()});
    font.setPointSize(8);
    return font;
}

QStringList exportText(int mode, const SchemeSlots& scheme, const ExportChoice& choice)
{
    QStringList lines;
    if (mode >= 1 && mode <= 3) {
        if (choice.definition)
            lines << QStringLiteral("<style type=\"text/css\">") << QStringLiteral("<!--") << QString();
        for (int n = 1; n <= 16 && mode != 2; ++n) {
            if (used(scheme, n))
                lines << u'.' + className(scheme, n, choice.cssInfo) + QStringLiteral(" { color: ")
                        + hexText(scheme.colors[n - 1]) + QStringLiteral("; }");
        }
        for (int n = 1; n <= 16 && mode != 1; ++n) {
            if (used(scheme, n))
                lines << QStringLiteral(".h") + className(scheme, n, choice.cssInfo)
                        + QStringLiteral(" { background-color: ") + hexText(scheme.colors[n - 1]) + QStringLiteral("; }");
        }
        if (choice.definition)
            lines << QString() << QStringLiteral("-->") << QStringLiteral("</style>");
    } else if (mode >= 4 && mode <= 6) {
        lines << QStringLiteral("Farbspezifikationen") << QString();
        const QString indent(9, u' ');
        for (int n = 1; n <= 16; ++n) {
            if (!used(scheme, n))
                continue;
            const TColor c = scheme.colors[n - 1];
            lines << nameOf(scheme, n, choice.textInfo) + u':';
            if (mode == 4)
                lines << indent + QStringLiteral("HTML: ") + hexText(c);
            else if (mode == 5)
                lines << indent + QStringLiteral("RGB: ") + rgbText(c);
            else
                lines << indent + QStringLiteral("HTML: ") + hexText(c) + QStringLiteral("  /  RGB: ") + rgbText(c);
        }
        lines << QString() << QStringLiteral("(Erstellt mit Orbelin Tintara Studio)");
    }
    return lines;
}

QImage exportPicture(int mode, const SchemeSlots& scheme, const ExportChoice& choice, const QFont& font, qreal scale)
{
    switch (mode) {
    case 7: return referencePicture(scheme, choice, font, scale);
    case 8: return referencePicture2(scheme, choice, font, scale);
    case 9: return paletteStrip(scheme, scale);
    default: return {};
    }
}

} // namespace Tintara
