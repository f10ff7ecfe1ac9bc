#include "color/wcag.h"
#include "mainwindow/windowfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

// White on slot 1, #333333 on slot 2, and the theme page shown. The derived dark colours of that
// pair are #121212 and #D4D4D4 (colorjs.io: 12.639:1 against 12.635:1 in light).
class RolesPageTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        partOf<SchemeSwatches>(*window).setSlot(1, clWhite, 1);
        partOf<SchemeSwatches>(*window).setSlot(2, RGB(0x33, 0x33, 0x33), 1);
        window->Toolbar(Command::Farbrollen);
    }
    TColorShape* light(const char* role) const { return swatch(QStringLiteral("shRolleHell_") + role); }
    TColorShape* dark(const char* role) const { return swatch(QStringLiteral("shRolleDunkel_") + role); }
    const ThemeRoles& roles() const { return window->model().roles(); }
    // A colour of its own dropped on `target`, from the newest colour of the copy history.
    void dropColour(TColor color, QWidget* target)
    {
        swatch("shZwischenspeicher")->setColor(color);
        drag(swatch("shZwischenspeicher"), target);
    }
    void ctrl(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }
    QTableWidget* pairs() const { return control<QTableWidget>("tvRollenPaare"); }
};

} // namespace

// Slots dropped on the light swatches are followed; the dark colours are derived.
TEST_F(RolesPageTest, RolesTakeSlotsByDropsAndFollowThem)
{
    drag(swatch("Palette1"), light("background"));
    drag(swatch("Palette2"), light("text"));
    EXPECT_EQ(roles().light[roleIndex(Role::Background)], (RoleColor{1, 0}));
    EXPECT_EQ(roles().light[roleIndex(Role::Text)], (RoleColor{2, 0}));
    EXPECT_EQ(light("text")->color(), RGB(0x33, 0x33, 0x33));
    EXPECT_EQ(dark("background")->color(), RGB(0x12, 0x12, 0x12));
    EXPECT_EQ(dark("text")->color(), RGB(0xD4, 0xD4, 0xD4));
    EXPECT_EQ(light("text")->hint(), "Folgt Platz 2 des Farbschemas");
    ASSERT_EQ(pairs()->rowCount(), 1);
    EXPECT_EQ(pairs()->item(0, 0)->text(), "Text auf Hintergrund");
    EXPECT_EQ(pairs()->item(0, 2)->text(), "12,63:1  Lc 80  ✓");

    drag(swatch("Palette1"), swatch("Palette2")); // the slot changes: the role follows
    EXPECT_EQ(light("text")->color(), clWhite);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(light("text")->color(), RGB(0x33, 0x33, 0x33));
    ctrl(Qt::Key_Z); // the role itself undone
    EXPECT_FALSE(roles().light[roleIndex(Role::Text)]);
    EXPECT_EQ(light("text")->brushStyle(), TColorShape::BrushStyle::Clear);
}

// A dark colour dropped replaces the derived one until it is undone or dragged onto the waste bin.
TEST_F(RolesPageTest, ADarkColourDroppedOverridesTheDerivedOne)
{
    drag(swatch("Palette2"), light("text"));
    dropColour(RGB(0xEE, 0xEE, 0xEE), dark("text"));
    EXPECT_EQ(roles().dark[roleIndex(Role::Text)], RGB(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(dark("text")->color(), RGB(0xEE, 0xEE, 0xEE));
    EXPECT_TRUE(dark("text")->hint().startsWith("Hierher gezogen"));
    ctrl(Qt::Key_Z);
    EXPECT_EQ(dark("text")->color(), RGB(0xD4, 0xD4, 0xD4)) << "derived again";
    ctrl(Qt::Key_Y);
    EXPECT_EQ(dark("text")->color(), RGB(0xEE, 0xEE, 0xEE));
    drag(dark("text"), control<QWidget>("Image1"));
    EXPECT_FALSE(roles().dark[roleIndex(Role::Text)]);
    EXPECT_EQ(dark("text")->color(), RGB(0xD4, 0xD4, 0xD4));
    EXPECT_TRUE(roles().light[roleIndex(Role::Text)]) << "the light colour stays";
}

// #6B7280 passes on white (4.835:1, Lc 73.55) but its dark counterpart does not (Lc 34.88, below
// 45): a click on that cell takes the nearest passing shade, one step undo takes back.
TEST_F(RolesPageTest, AClickOnAFailingPairTakesTheNearestPassingShade)
{
    drag(swatch("Palette1"), light("background"));
    dropColour(RGB(0x6B, 0x72, 0x80), light("text-muted"));
    ASSERT_EQ(pairs()->rowCount(), 1);
    EXPECT_TRUE(pairs()->item(0, 1)->text().endsWith("✓"));
    EXPECT_EQ(pairs()->item(0, 2)->text(), "4,83:1  Lc 35  ✗");
    const TColor before = dark("text-muted")->color();
    const QRect cell = pairs()->visualItemRect(pairs()->item(0, 2));
    QTest::mouseClick(pairs()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(pairs()->item(0, 2)->text().endsWith("✓")) << pairs()->item(0, 2)->text().toStdString();
    EXPECT_TRUE(roles().dark[roleIndex(Role::TextMuted)]);
    EXPECT_GT(relativeLuminance(dark("text-muted")->color()), relativeLuminance(before)) << "lighter on the dark";
    QTest::mouseClick(pairs()->viewport(), Qt::LeftButton, {}, pairs()->visualItemRect(pairs()->item(0, 1)).center());
    EXPECT_EQ(window->model().roles().light[roleIndex(Role::TextMuted)], (RoleColor{0, RGB(0x6B, 0x72, 0x80)}))
        << "a passing pair stays as it is";
    ctrl(Qt::Key_Z);
    EXPECT_EQ(dark("text-muted")->color(), before);
}

// The test web pages in the theme's dark mode: the background and the text as derived; the page's
// own colours come back, and take drops again, with "Eigene Farben".
TEST_F(RolesPageTest, TheTestWebPagesShowEitherMode)
{
    drag(swatch("Palette1"), light("background"));
    drag(swatch("Palette2"), light("text"));
    window->Toolbar(Command::Testwebseiten);
    auto* mode = control<QComboBox>("cbWebseiteFarbrollen");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_EQ(mode->currentText(), "Farbrollen: Dunkel");
    EXPECT_EQ(swatch("Seite1Background")->color(), RGB(0x12, 0x12, 0x12));
    EXPECT_EQ(control<QWidget>("Seite1Text")->palette().color(QPalette::WindowText), QColor(0xD4, 0xD4, 0xD4));
    EXPECT_FALSE(swatch("WebseiteBackground")->isEnabled());
    EXPECT_EQ(swatch("Seite1LeftNav")->color(), TColor{0x000080})
        << "no primary in the theme: the page's own navigation colour";
    QTest::keyClick(mode, Qt::Key_Up);
    EXPECT_EQ(swatch("Seite1Background")->color(), clWhite);
    EXPECT_EQ(control<QWidget>("Seite1Text")->palette().color(QPalette::WindowText), QColor(0x33, 0x33, 0x33));
    QTest::keyClick(mode, Qt::Key_Up);
    EXPECT_EQ(control<QWidget>("Seite1Text")->palette().color(QPalette::WindowText), Qt::black);
    EXPECT_TRUE(swatch("WebseiteBackground")->isEnabled());
}

// The colour-deficiency page shows test web page 1 in either mode of the theme, whatever the test
// pages themselves show.
TEST_F(RolesPageTest, TheDeficiencyPageShowsEitherMode)
{
    drag(swatch("Palette1"), light("background"));
    window->findChild<QAction*>("mmFarbsehschwaeche")->trigger();
    const auto drawnCorner = [&](int view) {
        control<QComboBox>("cbAnsicht")->setCurrentIndex(view);
        const QImage drawn = control<QLabel>("imNormal")->pixmap().toImage();
        return drawn.pixelColor(drawn.width() - 3, drawn.height() - 3);
    };
    EXPECT_EQ(drawnCorner(10), QColor(0x12, 0x12, 0x12)) << "the dark background";
    EXPECT_EQ(drawnCorner(9), QColor(Qt::white));
    EXPECT_EQ(control<QComboBox>("cbAnsicht")->itemText(10), "Farbrollen dunkel");
    window->Toolbar(Command::Testwebseiten);
    EXPECT_EQ(control<QComboBox>("cbWebseiteFarbrollen")->currentIndex(), 0);
    EXPECT_EQ(swatch("Seite1Background")->color(), clWhite) << "the page's own colours, as before";
}

// "Farbwert einfügen" on a role's swatch gives the role the history's newest colour, as a drop does.
TEST_F(RolesPageTest, AColourInsertedFromTheMenuCountsAsADrop)
{
    swatch("shZwischenspeicher")->setColor(RGB(0x1F, 0x29, 0x37));
    ContextMenu& menu = partOf<ContextMenu>(*window);
    menu.markBufferFilled();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), light("text")->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(light("text"), &event);
    menu.menu()->hide();
    menu.PopupmenueClick(menu.menu()->findChild<QAction*>("puInsert"));
    EXPECT_EQ(roles().light[roleIndex(Role::Text)], (RoleColor{0, RGB(0x1F, 0x29, 0x37)}));
}
