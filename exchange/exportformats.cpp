#include "exchange/exportformats.h"

#include "platform/imagefiles.h"

#include <QCoreApplication>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct ExportFormats {
    Q_DECLARE_TR_FUNCTIONS(ExportFormats)
};

} // namespace

const ExportFormat* exportFormatAt(int index)
{
    return index >= 0 && index < int(exportFormats.size()) ? &exportFormats[std::size_t(index)] : nullptr;
}

QString exportFormatName(const ExportFormat& format)
{
    return ExportFormats::tr(format.listText);
}

std::pair<QString, QString> exportFileFilter(const ExportFormat& format, bool jpeg)
{
    if (jpeg)
        return {ExportFormats::tr("JPG-Grafik") + QLatin1String("|*.jpg"),
                QStringLiteral("jpg")};
    const QString extension = QLatin1String(format.extension);
    return {ExportFormats::tr(format.filterName) + QLatin1String("|*.") + extension,
            extension};
}

bool isBinaryExport(const ExportFormat& format)
{
    return format.palette ? *format.palette == PaletteFormat::AdobeSwatch : isPicture(format.content);
}

QByteArray writeTextExport(const ExportFormat&, const SchemeSlots& scheme, const ExportChoice& choice, const QString&,
                           bool, QString*)
{
    return exportTextFile(exportText(exportMode(choice), scheme, choice));
}

QByteArray writePictureExport(const ExportFormat&, const SchemeSlots& scheme, const ExportChoice& choice,
                              const QString&, bool jpeg, QString* reason)
{
    const QImage picture = exportPicture(exportMode(choice), scheme, choice, captionFont());
    return jpeg ? encodeJpeg(picture, 100, reason) : encodeBmp(picture, reason);
}

QByteArray writePaletteExport(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                              const QString& title, bool, QString*)
{
    return paletteFile(*format.palette, scheme, title, choice.tokenHex ? TokenValue::Hex : TokenValue::Object);
}

// Each row has its writer, and the writer fits the row: a palette row names its format, a picture
// row a picture. Checked here, where the writers are defined: elsewhere a build with the undefined
// behaviour sanitizer cannot compare their addresses while compiling.
constexpr bool everyExportFormatHasItsWriter()
{
    for (const ExportFormat& format : exportFormats) {
        const bool fits = format.palette ? format.write == writePaletteExport
                        : isPicture(format.content) ? format.write == writePictureExport
                                                    : format.write == writeTextExport;
        if (!fits)
            return false;
    }
    return true;
}
static_assert(everyExportFormatHasItsWriter(), "every export format needs its writer, fitting its content");

QByteArray exportFile(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                      const QString& title, bool jpeg, QString* reason)
{
    return format.write(format, scheme, choice, title, jpeg, reason);
}

} // namespace Tintara
