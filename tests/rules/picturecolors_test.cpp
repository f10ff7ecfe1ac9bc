#include "rules/picturecolors.h"
#include "color/oklab.h"
#include "support/hostilepictures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>
#include <numeric>

using namespace Tintara;
using namespace Tintara::Testing;

namespace {

bool near(TColor a, TColor b)
{
    return std::abs(redOf(a) - redOf(b)) <= 1 && std::abs(greenOf(a) - greenOf(b)) <= 1
        && std::abs(blueOf(a) - blueOf(b)) <= 1;
}

const TColor areaColours[] = {RGB(200, 30, 40), RGB(20, 90, 200), RGB(240, 200, 30), RGB(20, 110, 60)};

} // namespace

TEST(PictureColors, FourFlatAreasGiveTheirColoursAndSharesForEveryCount)
{
    for (int count = 4; count <= 8; ++count) {
        const std::vector<DominantColor> colours = pictureColors(fourAreas(), count);
        ASSERT_EQ(colours.size(), 4u) << count;
        const double shares[] = {0.4, 0.3, 0.2, 0.1};
        for (std::size_t n = 0; n < 4; ++n) {
            EXPECT_TRUE(near(colours[n].color, areaColours[n])) << count << ' ' << n;
            EXPECT_NEAR(colours[n].share, shares[n], 0.01) << count << ' ' << n;
        }
    }
    // A one-colour picture asked for eight gives one.
    QImage plain(30, 30, QImage::Format_RGB32);
    plain.fill(qRgb(10, 20, 30));
    const std::vector<DominantColor> one = pictureColors(plain, 8);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one.front().color, RGB(10, 20, 30));
    EXPECT_DOUBLE_EQ(one.front().share, 1.0);
}

// Noise around the four colours makes more distinct colours than asked: k-means has to find them.
TEST(PictureColors, KMeansFindsNoisyAreasAndGivesTheSameColoursEachTime)
{
    QImage noisy = fourAreas();
    for (int y = 0; y < noisy.height(); ++y) {
        for (int x = 0; x < noisy.width(); ++x) {
            const QRgb p = noisy.pixel(x, y);
            const int d = x % 2 == 0 ? 3 : -3; // even noise, so each area's mean stays its colour
            noisy.setPixel(x, y, qRgb(qRed(p) + (y % 2 ? d : -d), qGreen(p) + d, qBlue(p) - (y % 3 == 0 ? d : 0)));
        }
    }
    const std::vector<DominantColor> colours = pictureColors(noisy, 4);
    ASSERT_EQ(colours.size(), 4u);
    for (std::size_t n = 0; n < 4; ++n)
        EXPECT_TRUE(near(colours[n].color, areaColours[n])) << n;
    const std::vector<DominantColor> again = pictureColors(noisy, 4);
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(again[n].color, colours[n].color);
        EXPECT_EQ(again[n].share, colours[n].share);
    }
}

TEST(PictureColors, TransparentPixelsAreNotCountedAndAGradientGivesKColours)
{
    QImage half = fourAreas(QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < 40; ++x)
            half.setPixel(x, y, qRgba(200, 30, 40, 100)); // less than half opaque
    }
    const std::vector<DominantColor> colours = pictureColors(half, 8);
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_TRUE(near(colours[0].color, areaColours[1]));
    EXPECT_NEAR(colours[0].share, 0.5, 0.01) << "30 of the 60 counted columns";

    QImage photo(600, 400, QImage::Format_RGB32); // larger than analysed: scaled down first
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 600, 400);
    gradient.setColorAt(0, QColor(250, 220, 120));
    gradient.setColorAt(0.5, QColor(200, 60, 90));
    gradient.setColorAt(1, QColor(20, 40, 120));
    painter.fillRect(photo.rect(), gradient);
    painter.end();
    for (const int count : {2, 5, 8, 16}) {
        const std::vector<DominantColor> found = pictureColors(photo, count);
        ASSERT_EQ(static_cast<int>(found.size()), count);
        const double total = std::accumulate(found.begin(), found.end(), 0.0,
                                             [](double sum, const DominantColor& c) { return sum + c.share; });
        EXPECT_NEAR(total, 1.0, 1e-9);
        for (std::size_t n = 1; n < found.size(); ++n) {
            EXPECT_NE(found[n].color, found[n - 1].color);
            EXPECT_LE(found[n].share, found[n - 1].share);
        }
    }
}

// The dominant colours of a grey moodboard are its greys; its accents are the small orange and
// magenta, first, with the area they really cover.
TEST(PictureColors, AccentsBringOutSmallBrightAreas)
{
    const QImage board = Testing::greyMoodboard();
    const auto isBright = [](const DominantColor& c) { return toOklch(c.color).C > 0.1; };
    const std::vector<DominantColor> dominant = pictureColors(board, 6);
    EXPECT_EQ(std::count_if(dominant.begin(), dominant.end(), isBright), 0) << "six greys by area";
    const std::vector<DominantColor> accents = pictureColors(board, 6, ColorEmphasis::Accents);
    ASSERT_GE(accents.size(), 2u);
    const auto near = [](TColor a, TColor b) {
        const Oklab p = toOklab(a), q = toOklab(b);
        return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b) < 0.02;
    };
    EXPECT_TRUE(near(accents[0].color, RGB(240, 120, 20)) || near(accents[0].color, RGB(220, 30, 170)));
    EXPECT_TRUE(near(accents[1].color, RGB(240, 120, 20)) || near(accents[1].color, RGB(220, 30, 170)));
    EXPECT_NE(accents[0].color, accents[1].color);
    EXPECT_NEAR(accents[0].share, 0.015, 0.002) << "the share is the area";
    EXPECT_GT(std::count_if(accents.begin(), accents.end(), [&](const DominantColor& c) { return !isBright(c); }), 0)
        << "the greys are still there, after the accents";
    // A picture without accents gives the same colours either way.
    const QImage four = Testing::fourAreas();
    std::vector<TColor> area, accent;
    for (const DominantColor& c : pictureColors(four, 4))
        area.push_back(c.color);
    for (const DominantColor& c : pictureColors(four, 4, ColorEmphasis::Accents))
        accent.push_back(c.color);
    std::sort(area.begin(), area.end());
    std::sort(accent.begin(), accent.end());
    EXPECT_EQ(area, accent);
}

TEST(PictureColors, HostilePicturesAreRefusedWithAReason)
{
    QTemporaryDir folder;
    for (const HostilePicture& hostile : hostilePictures()) {
        QByteArray bytes = hostile.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const PictureRead read = readPicture(buffer, "bild.png");
        EXPECT_TRUE(read.image.isNull()) << hostile.name;
        EXPECT_TRUE(read.error.startsWith("„bild.png“")) << hostile.name << ": " << read.error.toStdString();
    }
    EXPECT_TRUE(readPictureFile(folder.path()).error.contains("Ordner"));
    EXPECT_FALSE(readPictureFile(folder.filePath("fehlt.png")).error.isEmpty());

    QByteArray whole = encoded(fourAreas(), "PNG");
    QBuffer buffer(&whole);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(readPicture(buffer, "bild.png").image.size(), QSize(100, 20));
    // A large JPEG is decoded at a reduced size, not at its full size first.
    QImage large(3000, 2000, QImage::Format_RGB32);
    large.fill(qRgb(20, 90, 200));
    QByteArray jpeg = encoded(large, "JPG");
    QBuffer jpegBuffer(&jpeg);
    jpegBuffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(readPicture(jpegBuffer, "foto.jpg").image.size(), QSize(2048, 1365));
    EXPECT_TRUE(pictureFileFilter().startsWith("Bilder|*."));
    EXPECT_TRUE(pictureFileFilter().contains("*.png"));
}
