#include "mainwindow/windowzoom.h"
#include "platform/qtplatform.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qplatformwindow.h>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::writeFile;

TEST(ZoomSteps, NeighboursAndTheLargestStepThatFits)
{
    EXPECT_EQ(neighbouringZoom(100, 1), 125);
    EXPECT_EQ(neighbouringZoom(175, 1), 200);
    EXPECT_EQ(neighbouringZoom(200, 1), 200) << "the last step stays";
    EXPECT_EQ(neighbouringZoom(100, -1), 100);
    EXPECT_EQ(neighbouringZoom(130, 1), 125) << "no step counts as 100 %";

    // A window of 716 x 509 device pixels at 100 %, on screens of several sizes.
    const struct {
        int wanted;
        QSize screen;
        int zoom;
    } rows[] = {
        {200, {3840, 2160}, 200}, {200, {1432, 1018}, 200}, {200, {1431, 1018}, 175}, {200, {1920, 1080}, 200},
        {200, {1366, 768}, 150},  {150, {1366, 768}, 150},  {125, {800, 600}, 100},   {200, {640, 480}, 100},
        {175, {0, 0}, 100},       {333, {3840, 2160}, 100},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fittingZoom(row.wanted, QSizeF(716, 509), row.screen), row.zoom)
            << row.wanted << " % on " << row.screen.width() << " x " << row.screen.height();
}

namespace {

class ZoomTest : public WindowTest
{
protected:
    // The window's size on the screen, in device pixels.
    QSize deviceSize() const { return window->windowHandle()->handle()->geometry().size(); }
    WindowZoom& zoom() const { return Testing::partOf<WindowZoom>(*window); }
    void key(QKeyCombination combination) { QTest::keyClick(window.get(), combination.key(), combination.keyboardModifiers()); }
};

} // namespace

TEST_F(ZoomTest, EachStepScalesTheWholeWindowAndAGrabIsTheLayoutScaled)
{
    window->setActiveColor(RGB(200, 100, 50));
    Testing::partOf<SchemeSwatches>(*window).setSlot(1, RGB(30, 140, 90), 1);
    const QSize layout = window->size();
    const QImage at100 = window->grab().toImage();
    ASSERT_EQ(at100.size(), layout);
    for (const int step : zoomSteps) {
        zoom().setZoom(step);
        EXPECT_EQ(window->size(), layout) << "the layout keeps its layout pixels at " << step << " %";
        EXPECT_EQ(deviceSize(), (QSizeF(layout) * step / 100.0).toSize()) << step << " %";
        EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), step / 100.0);
    }
    // At 200 % each layout pixel is two by two device pixels of the same colour, where a control
    // is one colour: the colour display, a slot and the history.
    const QImage at200 = window->grab().toImage();
    ASSERT_EQ(at200.size(), layout * 2);
    for (const char* name : {"Farbanzeige", "Palette1", "shZwischenspeicher"}) {
        const QWidget* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        const QRect inside = QRect(control->mapTo(window.get(), QPoint(0, 0)), control->size()).adjusted(3, 3, -3, -3);
        int differing = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                for (const QPoint device : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y + 1)})
                    differing += at200.pixel(device) != at100.pixel(x, y);
        EXPECT_EQ(differing, 0) << name;
    }
    // The ramp is drawn at the device resolution: its 200 % picture has more greys than its 100 % one.
    const QWidget* ramp = window->findChild<QWidget*>("shHell");
    const QPoint rampTop = ramp->mapTo(window.get(), QPoint(ramp->width() / 2, 0));
    QSet<QRgb> greys100, greys200;
    for (int y = 0; y < ramp->height(); ++y) {
        greys100 << at100.pixel(rampTop + QPoint(0, y));
        greys200 << at200.pixel(2 * rampTop + QPoint(0, 2 * y)) << at200.pixel(2 * rampTop + QPoint(0, 2 * y + 1));
    }
    EXPECT_GT(greys200.size(), greys100.size() + 30) << "a picture of 100 % scaled up has no new greys";
}

TEST_F(ZoomTest, KeysAndTheMenuStepTheZoomAndTheNextStartKeepsIt)
{
    const QSize layout = window->size();
    key(Qt::ControlModifier | Qt::Key_Plus);
    EXPECT_EQ(zoom().zoom(), 125);
    key(Qt::ControlModifier | Qt::Key_Equal); // the same key without Shift
    key(Qt::ControlModifier | Qt::Key_Plus);
    EXPECT_EQ(zoom().zoom(), 175);
    key(Qt::ControlModifier | Qt::Key_Minus);
    EXPECT_EQ(zoom().zoom(), 150);
    key(Qt::ControlModifier | Qt::Key_0);
    EXPECT_EQ(zoom().zoom(), 100);
    EXPECT_EQ(deviceSize(), layout);
    control<QAction>("mmZoom200")->trigger();
    EXPECT_TRUE(control<QAction>("mmZoom200")->isChecked());
    EXPECT_EQ(deviceSize(), layout * 2);

    QTemporaryDir folder;
    const QString ini = folder.filePath("tintara.ini");
    writeFile(ini, "[Erweiterungen]\r\nZoom=175\r\n");
    start({ini, {}});
    EXPECT_EQ(zoom().zoom(), 175);
    EXPECT_EQ(deviceSize(), (QSizeF(layout) * 1.75).toSize());
    key(Qt::ControlModifier | Qt::Key_Minus);
    window->close();
    EXPECT_TRUE(readFile(ini).contains("[Erweiterungen]\r\nOklch=0\r\nOklchGamut=0\r\nOklabVerlauf=0\r\nZoom=150\r\n"));

    writeFile(ini, "[Erweiterungen]\r\nZoom=9000\r\n");
    start({ini, {}});
    EXPECT_EQ(zoom().zoom(), 100) << "a value that is no step";
    EXPECT_EQ(deviceSize(), layout);
}

// A pointer on a zoomed window lies between layout pixels: Qt gives it as its device pixel divided
// by the scale, and the pick reads that device pixel.
TEST(DevicePixelUnder, APickReadsTheDevicePixelUnderThePointer)
{
    const struct {
        int device;
        qreal scale;
    } rows[] = {{100, 1.5}, {101, 1.5}, {1001, 1.5}, {1003, 1.5}, {7, 2.0}, {6, 1.25}, {8, 1.75}, {9, 1.75}, {0, 1.5}, {640, 1.0}};
    for (const auto& row : rows) {
        for (const QPoint origin : {QPoint(0, 0), QPoint(1920, 0)}) {
            const QPointF pointer = QPointF(origin) + QPointF(row.device, row.device + 1) / row.scale;
            EXPECT_EQ(devicePixelUnder(pointer, origin, row.scale), QPoint(row.device, row.device + 1))
                << row.device << " at " << row.scale;
        }
    }
    // X11's events name the layout pixel only; the pointer's device pixel tells where in it. At 150 %
    // the layout pixel 667 covers the device pixels 1000.5 to 1002: 1001 and half of 1000.
    EXPECT_EQ(devicePixelUnder({667, 668}, {}, 1.5, QPoint(1001, 1003)), QPoint(1001, 1003));
    EXPECT_EQ(devicePixelUnder({667, 668}, {}, 1.5, QPoint(1001, 1004)), QPoint(1000, 1002)) << "a pointer elsewhere";
    EXPECT_EQ(devicePixelUnder({1920 + 667, 668}, {1920, 0}, 1.5, QPoint(1001, 1003)), QPoint(1001, 1003));
}

TEST_F(ZoomTest, ExportedPicturesKeepTheirPixels)
{
    Testing::partOf<SchemeSwatches>(*window).setSlot(1, RGB(30, 140, 90), 1);
    QTemporaryDir folder;
    const auto savedPicture = [&](const QString& name) {
        window->Toolbar(Command::Export);
        control<QComboBox>("cbExportFormat")->setCurrentIndex(2); // the reference picture
        desktop.fileDialogs.results.push_back(folder.filePath(name));
        control<QAbstractButton>("btSpeichern")->click();
        return readFile(folder.filePath(name + ".bmp"));
    };
    const QByteArray at100 = savedPicture("at100");
    zoom().setZoom(200);
    const QByteArray at200 = savedPicture("at200");
    ASSERT_FALSE(at100.isEmpty());
    EXPECT_EQ(at200, at100);
    EXPECT_EQ(QImage::fromData(at200).size(), QSize(475, 1320));
}
