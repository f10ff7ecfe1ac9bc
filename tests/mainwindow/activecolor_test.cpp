#include "model/documentmodel.h"
#include "mainwindow/htmlfieldpaste.h"
#include "windowfixture.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QUndoStack>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

struct Way {
    const char* name;
    std::function<void()> set; // sets the active colour as a user would
    TColor expected;
};

} // namespace

// However the active colour is set, the model holds it, the display shows it, and the editor's
// observers, the pages and the undo history are each told of it once.
TEST_F(WindowTest, TheActiveColorHasOneOwner)
{
    const auto focused = [this](const char* name) {
        QWidget* widget = control(name);
        widget->setFocus();
        return widget;
    };
    const auto pickAt = [this](QPoint global) {
        QTest::mousePress(control("Zoom"), Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, window->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &move);
        QTest::mouseRelease(window.get(), Qt::LeftButton);
    };
    const Hsv hsv = RGBnachHSV(RGB(200, 9, 100));
    const TColor grey = HSVnachRGB(hsv.h, 0, hsv.v);
    desktop.screen.image = QImage(800, 600, QImage::Format_RGB32);
    desktop.screen.image.fill(qRgb(90, 80, 70));
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(4, 5, 6), 1);
    EXPECT_EQ(window->model().activeColor(), swatch("Farbanzeige")->color()) << "at start";
    window->setActiveColor(RGB(100, 100, 100));
    window->Toolbar(Command::Rgb);

    const std::vector<Way> ways = {
        {"red bar", [&] { static_cast<QScrollBar*>(focused("sbRot"))->setValue(200); }, RGB(200, 100, 100)},
        {"green field",
         [&] {
             auto* field = static_cast<QLineEdit*>(focused("edGruen"));
             field->selectAll();
             QTest::keyClick(field, Qt::Key_9);
         },
         RGB(200, 9, 100)},
        {"saturation bar",
         [&] {
             window->Toolbar(Command::Hsv);
             static_cast<QScrollBar*>(focused("sbS"))->setValue(0);
         },
         grey},
        {"HTML field", [&] { static_cast<QLineEdit*>(focused("edHTML"))->setText("#102030"); }, RGB(16, 32, 48)},
        {"brightness bar", [&] { static_cast<QScrollBar*>(focused("sbHell"))->setValue(100); },
         ShadeColor(RGB(16, 32, 48), 100)},
        {"drop of a slot", [&] { drag(swatch("Palette1"), swatch("Farbanzeige")); }, RGB(4, 5, 6)},
        {"paste", [&] { partOf<HtmlFieldPaste>(*window).paste("rgb(1 2 3)"); }, RGB(1, 2, 3)},
        {"colour dialog",
         [&] {
             desktop.colorDialog.result = RGB(7, 8, 9);
             window->Toolbar(Command::Farbauswahl);
         },
         RGB(7, 8, 9)},
        {"random colour",
         [&] {
             desktop.messages.answers = {true};
             desktop.random.values = {30, 20, 10}; // blue, green, red
             window->Toolbar(Command::Zufallsfarbe);
         },
         RGB(10, 20, 30)},
        {"undo", [&] { window->Toolbar(Command::Rueckgaengig); }, RGB(7, 8, 9)},
        {"pick from the screen",
         [&] {
             window->Toolbar(Command::Farbpicker);
             pickAt({400, 300});
         },
         RGB(90, 80, 70)},
    };
    for (const Way& way : ways) {
        QSignalSpy model(&window->model(), &DocumentModel::activeColorChanged);
        QSignalSpy pages(&window->events(), &PageEvents::activeColorChanged);
        way.set();
        QCoreApplication::processEvents(); // the undo history takes its step
        EXPECT_EQ(window->model().activeColor(), way.expected) << way.name;
        EXPECT_EQ(swatch("Farbanzeige")->color(), way.expected) << way.name;
        EXPECT_EQ(model.count(), 1) << way.name;
        EXPECT_EQ(pages.count(), 1) << way.name;
        window->setFocus();
    }
    EXPECT_EQ(partOf<SchemeHistory>(*window).stack().count(), int(ways.size()) - 2)
        << "a step each; the step undone gives way to the pick";
}

// A page not on view catches up when it is shown, and where the window reads it while hidden.
TEST_F(WindowTest, TheFinderHiddenStillGivesTheSchemeItsRing)
{
    window->Toolbar(Command::Farbskala);
    window->setActiveColor(RGB(200, 40, 90));
    window->Toolbar(Command::Uebernehmen);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).state().scheme.colors[12], RGB(200, 40, 90)) << "the ring's centre";
}
