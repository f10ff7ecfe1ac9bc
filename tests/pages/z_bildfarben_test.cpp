#include "mainwindow/windowfixture.h"

#include "pages/pictureview.h"
#include "rules/picturecolors.h"
#include "support/files.h"
#include "support/hostilepictures.h"

#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::writeFile;

namespace {

class PicturePageTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window->findChild<QAction*>("mmBildfarben")->trigger();
    }
    PictureView* view() const { return control<PictureView>("pvBild"); }
    QString colourLine(int n) const { return control<QLabel>(QString("lbBildfarbe%1").arg(n))->text(); }
    // A picture file dragged from the desktop and dropped on the page.
    bool dropFile(const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* page = control("Z_Bildfarben");
        QDragEnterEvent enter({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &enter);
        if (!enter.isAccepted())
            return false;
        const qsizetype errorsBefore = desktop.messages.errors.size();
        QDropEvent drop({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &drop);
        dropFinishedBeforeAnyMessage = desktop.messages.errors.size() == errorsBefore;
        QCoreApplication::processEvents(); // the page reads the picture once the drop is done
        return drop.isAccepted();
    }

    QTemporaryDir folder;
    bool dropFinishedBeforeAnyMessage = false;
};

} // namespace

TEST_F(PicturePageTest, APastedPictureShowsItsColoursWithTheirShares)
{
    EXPECT_FALSE(swatch("shBildfarbe1")->isVisible());
    desktop.clipboard.picture = Testing::fourAreas();
    QTest::mouseClick(view(), Qt::LeftButton, {}, {5, 5}); // the page takes the focus
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view()->picture().size(), QSize(100, 20));
    EXPECT_EQ(colourLine(1), "40 %  #C81E28");
    EXPECT_EQ(colourLine(4), "10 %  #146E3C");
    EXPECT_EQ(swatch("shBildfarbe2")->color(), RGB(20, 90, 200));
    EXPECT_FALSE(swatch("shBildfarbe5")->isVisible());

    control<QSpinBox>("sbBildAnzahl")->setValue(3);
    EXPECT_FALSE(swatch("shBildfarbe4")->isVisible());
    EXPECT_TRUE(swatch("shBildfarbe3")->isVisible());

    desktop.clipboard.picture = {};
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(desktop.messages.messages.last(), "Die Zwischenablage enthält kein Bild.");
    EXPECT_EQ(view()->picture().size(), QSize(100, 20)) << "the picture stays";
}

// "Akzente" shows what the rule gives for accents; "Flächen" again what covers most.
TEST_F(PicturePageTest, AccentsAreAChoiceBesideTheLargestAreas)
{
    desktop.clipboard.picture = Testing::greyMoodboard();
    QTest::mouseClick(view(), Qt::LeftButton, {}, {5, 5});
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    control<QSpinBox>("sbBildAnzahl")->setValue(6);
    auto* choice = control<QComboBox>("cbBildAuswahl");
    EXPECT_EQ(choice->currentText(), "Flächen");
    const auto shown = [&](ColorEmphasis emphasis) {
        const std::vector<DominantColor> expected = pictureColors(Testing::greyMoodboard(), 6, emphasis);
        for (std::size_t n = 0; n < expected.size(); ++n)
            EXPECT_EQ(swatch(QString("shBildfarbe%1").arg(n + 1))->color(), expected[n].color) << n;
    };
    shown(ColorEmphasis::Area);
    QTest::mouseClick(choice, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(choice->currentText(), "Akzente");
    shown(ColorEmphasis::Accents);
    EXPECT_TRUE(colourLine(1).startsWith("2 %  #")) << colourLine(1).toStdString();
}

TEST_F(PicturePageTest, PicturesComeFromTheOpenDialogAndFromADropAndAClickPicksAPixel)
{
    const QString path = folder.filePath("vier.png");
    writeFile(path, Testing::encoded(Testing::fourAreas(), "PNG"));
    desktop.fileDialogs.results = {path};
    control<QAbstractButton>("btBildOeffnen")->click();
    EXPECT_TRUE(desktop.fileDialogs.shown.back().options.filter.contains("*.png"));
    EXPECT_EQ(colourLine(1), "40 %  #C81E28");

    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(qRgb(1, 2, 3));
    const QString second = folder.filePath("dunkel.bmp");
    other.save(second);
    EXPECT_TRUE(dropFile(second));
    EXPECT_EQ(colourLine(1), "100 %  #010203");

    ASSERT_TRUE(dropFile(path));
    partOf<SchemeHistory>(*window).clear();
    const TColor before = window->activeColor();
    const QRect shown = view()->pictureRect();
    QTest::mouseClick(view(), Qt::LeftButton, {}, {shown.left() + shown.width() * 3 / 4, shown.center().y()});
    QCoreApplication::processEvents();
    EXPECT_EQ(window->activeColor(), RGB(240, 200, 30)) << "the third area, 70 to 90 %";
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#F0C81E");
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->activeColor(), before);

    control<QAbstractButton>("btBildInsFarbschema")->click();
    EXPECT_EQ(window->schemeSlots().colors[0], RGB(200, 30, 40));
    EXPECT_EQ(window->schemeSlots().used[3], 1);
    EXPECT_EQ(window->schemeSlots().used[4], 0);
}

// Photos and wallpapers ship as WebP and TIFF; the open dialog offers them and the page reads them.
TEST_F(PicturePageTest, WebpAndTiffPicturesAreOfferedAndRead)
{
    for (const char* format : {"webp", "tiff"}) {
        const QString path = folder.filePath(QStringLiteral("vier.") + format);
        ASSERT_TRUE(Testing::fourAreas().save(path, format, 100)) << format; // 100: lossless
        desktop.fileDialogs.results = {path};
        control<QAbstractButton>("btBildOeffnen")->click();
        EXPECT_TRUE(desktop.fileDialogs.shown.back().options.filter.contains(QStringLiteral("*.") + format)) << format;
        EXPECT_EQ(colourLine(1), "40 %  #C81E28") << format;
        EXPECT_EQ(colourLine(2), "30 %  #145AC8") << format;
    }
    EXPECT_TRUE(desktop.messages.errors.isEmpty());
    EXPECT_FALSE(desktop.fileDialogs.shown.back().options.filter.contains("*.svg"));
}

TEST_F(PicturePageTest, HostilePicturesAreRefusedWithAMessageAndChangeNothing)
{
    desktop.clipboard.picture = Testing::fourAreas();
    QTest::mouseClick(view(), Qt::LeftButton, {}, {5, 5});
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    std::vector<std::pair<std::string, QString>> offered;
    for (const Testing::HostilePicture& hostile : Testing::hostilePictures()) {
        const QString path = folder.filePath(QString::fromLatin1(hostile.name).replace(' ', '_') + ".png");
        writeFile(path, hostile.bytes);
        offered.emplace_back(hostile.name, path);
    }
    offered.emplace_back("a directory", folder.path());
    for (const auto& [name, path] : offered) {
        const qsizetype errors = desktop.messages.errors.size();
        desktop.fileDialogs.results = {path};
        control<QAbstractButton>("btBildOeffnen")->click();
        EXPECT_EQ(desktop.messages.errors.size(), errors + 1) << name;
        EXPECT_EQ(view()->picture().size(), QSize(100, 20)) << name;
        EXPECT_EQ(colourLine(1), "40 %  #C81E28") << name;
    }
    EXPECT_TRUE(desktop.messages.errors.last().contains("Ordner"));
    // Dropped, a refused picture is said only once the drop is finished: the program it came from
    // does not wait for the box.
    ASSERT_TRUE(dropFile(offered.front().second));
    EXPECT_TRUE(dropFinishedBeforeAnyMessage);
    EXPECT_TRUE(desktop.messages.errors.last().contains("kein Bild"));
}
