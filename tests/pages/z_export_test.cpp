#include "platform/imagefiles.h"
#include "support/files.h"
#include "mainwindow/windowfixture.h"

#include "exchange/paletteformats.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <cstdio>
#include <jpeglib.h>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class ExportTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        partOf<SchemeSwatches>(*window).setSlot(1, RGB(255, 0, 0), 1);
        partOf<SchemeSwatches>(*window).setSlot(3, RGB(0, 0, 255), 1);
        partOf<SchemeSwatches>(*window).setSlotInfo(3, "Link blau");
        control<QAbstractButton>("ToolButton30")->click();
    }
    void chooseFormat(int format) { control<QComboBox>("cbExportFormat")->setCurrentIndex(format); }
    void saveAs(const QString& path)
    {
        desktop.fileDialogs.results.push_back(path);
        control<QAbstractButton>("btSpeichern")->click();
    }
    QImage preview() const { return control<QLabel>("AnzeigeGrafik")->pixmap().toImage(); }

    QTemporaryDir folder;
};

QImage decodeJpeg(const QByteArray& bytes)
{
    jpeg_decompress_struct decompressor{};
    jpeg_error_mgr errors{};
    decompressor.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor, TRUE);
    decompressor.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decompressor);
    QImage image(static_cast<int>(decompressor.output_width), static_cast<int>(decompressor.output_height),
                 QImage::Format_RGB888);
    while (decompressor.output_scanline < decompressor.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(decompressor.output_scanline));
        jpeg_read_scanlines(&decompressor, &row, 1);
    }
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    return image;
}

} // namespace

TEST_F(ExportTest, PageOpensWithTheStyleSheetPreview)
{
    auto* memo = control<QPlainTextEdit>("Memo1");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_FALSE(control("ScrollBox1")->isVisible());
    EXPECT_EQ(memo->toPlainText(), ".farbe1 { color: #FF0000; }\n.Linkblau { color: #0000FF; }\n"
                                   ".hfarbe1 { background-color: #FF0000; }\n.hLinkblau { background-color: #0000FF; }");
    EXPECT_TRUE(control("Label21")->isEnabled());
    EXPECT_FALSE(control("cbAusgabeFormat")->isEnabled());

    control<QCheckBox>("cbTextBkgrnd")->click();
    EXPECT_EQ(memo->toPlainText(), ".farbe1 { color: #FF0000; }\n.Linkblau { color: #0000FF; }");
}

TEST_F(ExportTest, TextFilesHoldThePreviewWithCrLf)
{
    control<QCheckBox>("cbTextCSSDef")->click();
    saveAs(folder.filePath("farben"));
    EXPECT_EQ(readFile(folder.filePath("farben.css")),
              "<style type=\"text/css\">\r\n<!--\r\n\r\n.farbe1 { color: #FF0000; }\r\n.Linkblau { color: #0000FF; }\r\n"
              ".hfarbe1 { background-color: #FF0000; }\r\n.hLinkblau { background-color: #0000FF; }\r\n\r\n-->\r\n"
              "</style>\r\n");
    const auto& shown = desktop.fileDialogs.shown.back().options;
    EXPECT_EQ(shown.filter, "Style-Sheet|*.css");
    EXPECT_TRUE(shown.fileName.isEmpty());
    EXPECT_EQ(window->schemeSaveDialog().options.filter, "TintaraStudio Farbschema|*.tsf") << "the dialog is given back";

    chooseFormat(1);
    saveAs(folder.filePath("liste"));
    EXPECT_TRUE(readFile(folder.filePath("liste.txt")).startsWith("Farbspezifikationen\r\n\r\nfarbe1:\r\n"));
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.defaultExt, "txt");
}

TEST_F(ExportTest, PicturesSaveAsBmpAndJpeg)
{
    chooseFormat(2);
    EXPECT_TRUE(control("ScrollBox1")->isVisible());
    EXPECT_TRUE(control("cbAusgabeFormat")->isEnabled());
    ASSERT_EQ(preview().size(), QSize(475, 1320));

    saveAs(folder.filePath("bild"));
    QImage bmp;
    ASSERT_TRUE(bmp.load(folder.filePath("bild.bmp")));
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), preview().convertToFormat(QImage::Format_RGB32));

    control<QComboBox>("cbAusgabeFormat")->setCurrentIndex(1);
    saveAs(folder.filePath("bild"));
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.filter, "JPG-Grafik|*.jpg");
    const QByteArray bytes = readFile(folder.filePath("bild.jpg"));
    ASSERT_TRUE(bytes.mid(6, 4) == "JFIF");
    const QImage jpeg = decodeJpeg(bytes);
    ASSERT_EQ(jpeg.size(), preview().size());
    const QImage expected = preview().convertToFormat(QImage::Format_RGB888);
    // Quality 100 keeps every pixel close.
    double total = 0;
    for (int y = 0; y < jpeg.height(); ++y) {
        for (int x = 0; x < jpeg.width(); ++x) {
            const QColor a = jpeg.pixelColor(x, y), b = expected.pixelColor(x, y);
            total += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    }
    EXPECT_LT(total / (3.0 * jpeg.width() * jpeg.height()), 1.0);
    const QColor red = jpeg.pixelColor(45, 45);
    EXPECT_TRUE(red.red() > 245 && red.green() < 10 && red.blue() < 10) << red.name().toStdString();
}

// Swatches side by side keep their own colours: no chroma is shared between neighbours.
TEST(JpegPictures, FlatSwatchesDecodeWithinOneOfTheirColour)
{
    QImage picture(32, 16, QImage::Format_RGB888);
    const QColor colours[] = {QColor(0xE8, 0x73, 0x1C), QColor(0x1C, 0x73, 0xE8), Qt::white, QColor(0, 0x80, 0)};
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixelColor(x, y, colours[x / 8]);
    }
    const QImage decoded = decodeJpeg(encodeJpeg(picture, 100));
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            const QColor a = decoded.pixelColor(x, y), b = colours[x / 8];
            EXPECT_LE(std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                std::abs(a.blue() - b.blue())}),
                      1)
                << x << "," << y << " " << a.name().toStdString();
        }
    }
}

TEST(JpegPictures, ALibjpegErrorIsReportedNotFatal)
{
    QString error;
    EXPECT_TRUE(encodeJpeg(QImage(65501, 1, QImage::Format_RGB888), 100, &error).isEmpty());
    EXPECT_TRUE(error.contains("65500")) << error.toStdString();
}

// A picture Qt's BMP writer refuses is a failure with a reason, not an empty file saved as done.
TEST(BmpPictures, APictureTheWriterRefusesIsReportedNotSaved)
{
    QString error;
    EXPECT_TRUE(encodeBmp(QImage(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(encodeBmp(QImage(2, 2, QImage::Format_RGB32)).startsWith("BM"));
}

TEST_F(ExportTest, PaletteStripResetsThePictureFormat)
{
    chooseFormat(2);
    control<QComboBox>("cbAusgabeFormat")->setCurrentIndex(1);
    chooseFormat(4);
    EXPECT_EQ(control<QComboBox>("cbAusgabeFormat")->currentIndex(), 0);
    EXPECT_FALSE(control("Label21")->isEnabled());
    EXPECT_EQ(preview().size(), QSize(385, 28));
    chooseFormat(3);
    EXPECT_EQ(preview().size(), QSize(325, 345));
}

// Choosing the strip resets the format; a drop on a slot while the page is shown redraws the strip
// and keeps the JPEG the user chose afterwards, and saving writes a JPEG.
TEST_F(ExportTest, ADropWhileTheStripIsShownKeepsTheChosenJpeg)
{
    chooseFormat(4);
    auto* pictureFormat = control<QComboBox>("cbAusgabeFormat");
    pictureFormat->setFocus();
    QTest::keyClick(pictureFormat, Qt::Key_Down); // "JPEG (*.jpg)", as the keyboard chooses it
    ASSERT_EQ(pictureFormat->currentIndex(), 1);
    swatch("Vorschlag1")->setColor(RGB(0, 128, 0));
    drag(swatch("Vorschlag1"), swatch("Palette2"));
    EXPECT_EQ(pictureFormat->currentIndex(), 1);
    saveAs(folder.filePath("leiste"));
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.filter, "JPG-Grafik|*.jpg");
    EXPECT_EQ(readFile(folder.filePath("leiste.jpg")).mid(6, 4), "JFIF");
    EXPECT_FALSE(QFile::exists(folder.filePath("leiste.bmp")));
}

TEST_F(ExportTest, RefusedWriteReportsAndLeavesNoFile)
{
    const QString path = folder.filePath("fehlt/farben.css");
    saveAs(path);
    ASSERT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors[0].startsWith("Datei \"" + QDir::toNativeSeparators(path)
                                                      + "\" kann nicht erstellt werden. "));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(window->schemeSaveDialog().options.filter, "TintaraStudio Farbschema|*.tsf");
}

TEST_F(ExportTest, ExportOntoAFullDiskLeavesNoPartialFile)
{
    chooseFormat(2);
    const QString path = folder.filePath("voll.bmp");
    {
        const Testing::FileSizeLimit fullDisk(4096);
        saveAs(path);
    }
    // The system's reason, not "Unbekannter Fehler".
    EXPECT_EQ(desktop.messages.errors, QStringList{"Datei \"" + QDir::toNativeSeparators(path)
                                                   + "\" kann nicht erstellt werden. "
                                                   + QString::fromLocal8Bit(std::strerror(EFBIG))});
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(ExportTest, PaletteFormatsFollowThePhase5PaletteWithPreviewAndTheirOwnFiles)
{
    const struct {
        int item;
        const char* name;
        const char* filter;
        const char* file;
        const char* preview;
    } formats[] = {
        {5, "GIMP-Palette", "GIMP-Palette|*.gpl", "farben.gpl",
         "GIMP Palette\nName: Tintara Studio\nColumns: 16\n#\n255   0   0\tFarbe 1\n  0   0 255\tLink blau\n"},
        {6, "Adobe Swatch Exchange", "Adobe Swatch Exchange|*.ase", "farben.ase",
         "Adobe Swatch Exchange 1.0, 2 Farben (RGB, global):\n#FF0000  Farbe 1\n#0000FF  Link blau\n"},
        {7, "CSS-Variablen", "CSS-Variablen|*.css", "farben.css",
         ":root {\n  --farbe-1: #ff0000;\n  --link-blau: #0000ff;\n}\n"},
        {8, "Design Tokens", "Design Tokens|*.json", "farben.json", nullptr},
        // culori 4.0's figures; #0000FF reads back only with a fourth decimal, so every line has it.
        {9, "Tailwind-Theme", "Tailwind-Theme|*.css", "farben.css",
         "@theme {\n  --color-farbe-1: oklch(0.6280 0.2577 29.23);\n  --color-link-blau: oklch(0.4520 0.3132 264.05);\n}\n"},
    };
    for (const auto& f : formats) {
        EXPECT_EQ(control<QComboBox>("cbExportFormat")->itemText(f.item), f.name);
        chooseFormat(f.item);
        EXPECT_TRUE(control("Memo1")->isVisible()) << f.name;
        EXPECT_FALSE(control("ScrollBox1")->isVisible()) << f.name;
        if (f.preview) {
            EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText().toStdString(), f.preview);
        }
        saveAs(folder.filePath("farben"));
        EXPECT_EQ(desktop.fileDialogs.shown.back().options.filter, f.filter);
        const QByteArray bytes = readFile(folder.filePath(f.file));
        if (f.item != 6 && f.preview) {
            EXPECT_EQ(bytes.toStdString(), f.preview);
        }
        EXPECT_FALSE(bytes.isEmpty()) << f.file;
    }
    EXPECT_TRUE(readFile(folder.filePath("farben.json")).contains("\"link-blau\": {"));
    // Tokens, and only tokens, may give their colours as hex text, in the preview and the file.
    auto* hex = control<QAbstractButton>("cbTokenHex");
    EXPECT_FALSE(hex->isVisible());
    chooseFormat(8);
    ASSERT_TRUE(hex->isVisible());
    QTest::mouseClick(hex, Qt::LeftButton);
    EXPECT_TRUE(control<QPlainTextEdit>("Memo1")->toPlainText().contains("\"$value\": \"#0000ff\""));
    saveAs(folder.filePath("farben"));
    EXPECT_EQ(readFile(folder.filePath("farben.json")), designTokens(window->schemeSlots(), TokenValue::Hex));
    EXPECT_TRUE(readFile(folder.filePath("farben.ase")).startsWith("ASEF"));
    chooseFormat(4);
    EXPECT_TRUE(control("ScrollBox1")->isVisible()) << "the specified formats show as before";
}

// A colour dropped on a slot while the page is shown reaches the preview and every saved format.
TEST_F(ExportTest, PreviewAndSavedFilesFollowADropWhileThePageIsShown)
{
    swatch("Vorschlag1")->setColor(RGB(0, 128, 0));
    drag(swatch("Vorschlag1"), swatch("Palette2"));
    EXPECT_TRUE(control<QPlainTextEdit>("Memo1")->toPlainText().contains(".farbe2 { color: #008000; }"));
    saveAs(folder.filePath("stil"));
    EXPECT_TRUE(readFile(folder.filePath("stil.css")).contains(".farbe2 { color: #008000; }"));

    chooseFormat(2); // the reference picture
    swatch("Vorschlag1")->setColor(RGB(0, 0, 128));
    drag(swatch("Vorschlag1"), swatch("Palette4"));
    saveAs(folder.filePath("bild"));
    const auto saved = [&](const char* name) {
        return QImage::fromData(readFile(folder.filePath(name))).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(saved("bild.bmp"), preview().convertToFormat(QImage::Format_RGB32));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); // slot 4 empty again
    const QImage before = preview();
    saveAs(folder.filePath("bild2"));
    EXPECT_EQ(saved("bild2.bmp"), before.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(saved("bild.bmp"), saved("bild2.bmp"));
}

// A P3 colour dropped on a slot goes into the files beside its sRGB fallback; once the drop is
// undone, each file is again byte for byte what it was.
TEST_F(ExportTest, AP3ColourDroppedOnASlotGoesBesideItsFallback)
{
    const int formats[] = {7, 8, 9}; // CSS variables, design tokens, Tailwind theme
    const auto saved = [&](int format) {
        chooseFormat(format);
        saveAs(folder.filePath("farben"));
        return readFile(folder.filePath(format == 8 ? "farben.json" : "farben.css"));
    };
    std::vector<QByteArray> before;
    for (const int format : formats)
        before.push_back(saved(format));

    window->model().setActiveColor(editorColor({0.7, 0.3, 145}, EditorGamut::DisplayP3));
    drag(swatch("Farbanzeige"), swatch("Palette2"));
    const QByteArray css = saved(7);
    EXPECT_TRUE(css.startsWith(":root {\n  --farbe-1: #ff0000;\n  --farbe-2: #00c300;\n")) << css.toStdString();
    EXPECT_TRUE(css.contains("@supports (color: color(display-p3 0 0 0)) {\n  :root {\n    --farbe-2: "
                             "color(display-p3 0.101 0.771 0.000);"))
        << css.toStdString();
    const QByteArray tokens = saved(8);
    EXPECT_TRUE(tokens.contains("\"colorSpace\": \"display-p3\"")) << tokens.toStdString();
    EXPECT_TRUE(tokens.contains("\"hex\": \"#00c300\""));
    EXPECT_TRUE(saved(9).contains("--color-farbe-2: oklch(0.700")) << "as Tailwind v4 writes its own palette";

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    for (std::size_t n = 0; n < std::size(formats); ++n)
        EXPECT_EQ(saved(formats[n]), before[n]) << formats[n];
}
