#include "color/colortext.h"
#include "controls/fullscreenview.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class MenuTest : public WindowTest
{
protected:
    void enter(QWidget* widget)
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(widget, &event);
    }

    // A right click on `widget`: the window's menu opens; it is closed again at once.
    void openMenuOn(QWidget* widget)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(widget, &event);
        partOf<ContextMenu>(*window).menu()->hide();
    }

    QAction* item(const char* name) const
    {
        auto* found = partOf<ContextMenu>(*window).menu()->findChild<QAction*>(name);
        if (!found)
            found = window->findChild<QMenu*>("puFarbwerte") ? window->findChild<QAction*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    bool enabled(const char* name) const
    {
        if (QString(name) == "puFarbwerte")
            return window->findChild<QMenu*>("puFarbwerte")->isEnabled();
        return item(name)->isEnabled();
    }

    // Points at `swatch`, opens the menu on it and chooses `entry`.
    void choose(QWidget* swatch, const char* entry)
    {
        enter(swatch);
        openMenuOn(swatch);
        partOf<ContextMenu>(*window).PopupmenueClick(item(entry));
    }

    std::vector<TColor> buffers() const
    {
        std::vector<TColor> colors;
        for (const char* name : {"shZwischenspeicher", "shZwischenspeicher1", "shZwischenspeicher2",
                                 "shZwischenspeicher3", "shZwischenspeicher4"})
            colors.push_back(swatch(name)->color());
        return colors;
    }
};

} // namespace

TEST_F(MenuTest, EnabledItemsFollowWhereTheMenuOpened)
{
    const struct {
        const char* control;
        bool colour, text;
    } cases[] = {{"Farbanzeige", true, false}, {"Vorschlag1", true, false}, {"edHTML", false, true},
                 {"shRot", false, false}, {"Panel5", false, false}};
    for (const auto& c : cases) {
        openMenuOn(control(c.control));
        EXPECT_EQ(enabled("puHintergrund"), c.colour) << c.control;
        EXPECT_EQ(enabled("puFarbwert"), c.colour) << c.control;
        EXPECT_EQ(enabled("puFarbwerte"), c.colour) << c.control;
        EXPECT_EQ(enabled("puCopy"), c.text) << c.control;
        EXPECT_EQ(enabled("puPaste"), c.text) << c.control;
        EXPECT_TRUE(enabled("puHintergrundStandard"));
        EXPECT_TRUE(enabled("puHilfe"));
    }
}

TEST_F(MenuTest, PasteColourNeedsACopyInThisRunAndAnEditableSwatch)
{
    openMenuOn(swatch("Farbanzeige"));
    EXPECT_FALSE(enabled("puInsert"));

    choose(swatch("Vorschlag1"), "puHTML");
    openMenuOn(swatch("Farbanzeige"));
    EXPECT_TRUE(enabled("puInsert"));
    openMenuOn(swatch("Vorschlag2"));
    EXPECT_FALSE(enabled("puInsert")) << "read-only swatches take no colour";
}

TEST_F(MenuTest, CopiesFillTheHistoryNewestFirst)
{
    const TColor colours[] = {RGB(1, 0, 0), RGB(2, 0, 0), RGB(2, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0), RGB(6, 0, 0)};
    for (const TColor c : colours) {
        swatch("Vorschlag1")->setColor(c);
        choose(swatch("Vorschlag1"), "puRGB");
    }
    EXPECT_EQ(buffers(), (std::vector<TColor>{RGB(6, 0, 0), RGB(5, 0, 0), RGB(4, 0, 0), RGB(2, 0, 0), RGB(2, 0, 0)}));
    EXPECT_EQ(desktop.clipboard.content, "6,0,0");
    EXPECT_EQ(partOf<ContextMenu>(*window).bufferFilled(), 1);
}

TEST_F(MenuTest, EveryNotationItemCopiesItsText)
{
    const std::pair<const char*, const char*> items[] = {
        {"puHTML", "#FF8000"}, {"puHex", "FF8000"}, {"puRGB", "255,128,0"}, {"puDelphi", "$000080FF"},
        {"puCpp", "0x0080FF"}, {"puVB", "&H0080FF"}, {"puVSN", "255;128;0"}, {"puCMYK", "0;127;255;0"},
        {"puCssRgb", "rgb(255 128 0)"}, {"puCssHsl", "hsl(30 100% 50%)"}, {"puCssOklch", "oklch(0.732 0.186 53.0)"},
    };
    swatch("Vorschlag1")->setColor(RGB(255, 128, 0));
    for (const auto& [name, text] : items) {
        choose(swatch("Vorschlag1"), name);
        EXPECT_EQ(desktop.clipboard.content, text) << name;
    }
}

// Each notation is offered in the copy submenu, in the copy-format list of the options page and as
// the quick-copy entry, all in the table's order, and what it copies reads back to the colour.
TEST_F(MenuTest, EveryNotationIsOfferedWhereverACopyFormatIsChosen)
{
    auto* formats = control<QComboBox>("cbTrayFormat");
    ASSERT_EQ(formats->count(), NotationCount);
    const QList<QAction*> submenu = control<QMenu>("puFarbwerte")->actions();
    ASSERT_EQ(submenu.size(), NotationCount);
    swatch("Vorschlag1")->setColor(RGB(0x3A, 0x7B, 0xD5));
    for (const NotationRow& row : notationTable) {
        EXPECT_EQ(submenu[row.notation]->objectName(), notationMenuItems[row.notation]);
        EXPECT_EQ(formats->itemText(row.notation), QString::fromUtf8(row.formatName));
        formats->setCurrentIndex(row.notation);
        EXPECT_TRUE(item("puFarbwert")->text().endsWith(QString("(%1)").arg(QString::fromUtf8(row.formatName))));
        choose(swatch("Vorschlag1"), "puFarbwert");
        EXPECT_EQ(colorFromText(desktop.clipboard.content.toStdString()), RGB(0x3A, 0x7B, 0xD5)) << row.formatName;
    }
}

TEST_F(MenuTest, QuickCopyFollowsTheFormatChoice)
{
    control<QComboBox>("cbTrayFormat")->setCurrentIndex(3);
    swatch("Vorschlag1")->setColor(RGB(255, 0, 0));
    choose(swatch("Vorschlag1"), "puFarbwert");
    const QString quick = desktop.clipboard.content;
    choose(swatch("Vorschlag1"), "puDelphi");
    EXPECT_EQ(quick, desktop.clipboard.content);
    EXPECT_EQ(quick, "clRed");
}

TEST_F(MenuTest, EmptyBufferCopiesAsClBtnFace)
{
    choose(swatch("shZwischenspeicher3"), "puDelphi");
    EXPECT_EQ(desktop.clipboard.content, "clBtnFace");
}

TEST_F(MenuTest, PastingTheNewestColourIntoTheActiveColour)
{
    swatch("Vorschlag1")->setColor(RGB(0, 0, 200));
    choose(swatch("Vorschlag1"), "puHex");
    auto* brightness = control<QScrollBar>("sbHell");
    brightness->setFocus();
    brightness->setValue(20);
    choose(swatch("Farbanzeige"), "puInsert");
    EXPECT_EQ(window->activeColor(), RGB(0, 0, 200));
    EXPECT_EQ(brightness->value(), 0);
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(0, 0, 200));
}

TEST_F(MenuTest, TheMenuActsOnTheSlotItWasOpenedOnEvenAnEmptyOne)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(10, 20, 30), 1);
    partOf<SchemeSwatches>(*window).setSlot(4, RGB(40, 50, 60), 1);
    choose(swatch("Palette1"), "puHTML");
    enter(swatch("Palette4"));
    enter(swatch("Palette8")); // empty: the value panel keeps slot 4
    openMenuOn(swatch("Palette8"));
    EXPECT_FALSE(enabled("puFarbwert"));
    EXPECT_FALSE(enabled("puFarbwerte"));
    EXPECT_TRUE(enabled("puInsert"));
    partOf<ContextMenu>(*window).PopupmenueClick(item("puInsert"));
    EXPECT_EQ(swatch("Palette8")->color(), RGB(10, 20, 30));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(8), 1);
    EXPECT_EQ(swatch("Palette8")->dragMode(), TColorShape::DragMode::Automatic);
    EXPECT_EQ(swatch("Palette4")->color(), RGB(40, 50, 60));
    EXPECT_EQ(control<QLabel>("lbHex")->text(), "#28323C");
}

TEST_F(MenuTest, BackgroundCommands)
{
    swatch("Vorschlag1")->setColor(RGB(0, 0, 0));
    choose(swatch("Vorschlag1"), "puHintergrund");
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), RGB(0, 0, 0));
    EXPECT_EQ(control("Label10")->palette().color(QPalette::WindowText), QColor(Qt::white));

    partOf<ContextMenu>(*window).PopupmenueClick(item("puHintergrundStandard"));
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ModuleBackground::standardBackground());
    control<QAbstractButton>("ToolButton1")->click();
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ModuleBackground::standardBackground()) << "the flag is off again";

    // The standard colour as the user's background: flag on, but labels in the window-text colour.
    swatch("Vorschlag1")->setColor(ModuleBackground::standardBackground());
    choose(swatch("Vorschlag1"), "puHintergrund");
    control<QAbstractButton>("ToolButton32")->click();
    control<QAbstractButton>("ToolButton1")->click();
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ModuleBackground::standardBackground());
    EXPECT_EQ(control("Label10")->palette().color(QPalette::WindowText), toQColor(clWindowText));
}

TEST_F(MenuTest, TextCommandsWorkOnTheFocusedField)
{
    auto* html = control<QLineEdit>("edHTML");
    html->setFocus();
    html->selectAll();
    openMenuOn(html);
    partOf<ContextMenu>(*window).PopupmenueClick(item("puCopy"));
    EXPECT_EQ(desktop.clipboard.content, "#16AE00");

    desktop.clipboard.content = "#0000FF";
    html->selectAll();
    partOf<ContextMenu>(*window).PopupmenueClick(item("puPaste"));
    EXPECT_EQ(window->activeColor(), RGB(0, 0, 255));
}

TEST_F(MenuTest, HelpItemOpensHelpLikeF1)
{
    // An installed help file, in a data folder of this test's own.
    QTemporaryDir data;
    QDir(data.path()).mkpath("tintara");
    const QString path = data.filePath("tintara/tintara.chm");
    Testing::writeFile(path, "");
    const Testing::ScopedEnvironment dataHome("XDG_DATA_HOME", data.path().toUtf8());
    partOf<ContextMenu>(*window).PopupmenueClick(item("puHilfe"));
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.shell.opened, (QStringList{path, path}));
}

namespace {

// The full-screen view shown now, if any.
FullScreenView* fullScreenView()
{
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<FullScreenView*>(shown); view && view->isVisible())
            return view;
    }
    return nullptr;
}

} // namespace

// Chosen with the keys in the open menu, as a user would: Up from the top reaches the last entry.
TEST_F(MenuTest, FullScreenShowsASwatchOrTheContrastPairUntilAKeyOrAClick)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(200, 100, 50), 1);
    QMenu* menu = partOf<ContextMenu>(*window).menu();
    QContextMenuEvent opened(QContextMenuEvent::Mouse, QPoint(2, 2), swatch("Palette1")->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(swatch("Palette1"), &opened);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Up);
    EXPECT_EQ(menu->activeAction()->text(), "Vollbild");
    QTest::keyClick(menu, Qt::Key_Return);
    FullScreenView* view = fullScreenView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isFullScreen());
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixel(shown.rect().center()), qRgb(200, 100, 50));
    EXPECT_EQ(shown.pixel(3, 3), qRgb(200, 100, 50));
    QTest::keyClick(view, Qt::Key_A);
    EXPECT_EQ(fullScreenView(), nullptr);

    openMenuOn(swatch("Palette2"));
    EXPECT_FALSE(item("puVollbild")->isVisible()) << "an empty slot has no colour to show";

    window->Toolbar(Command::Kontrast);
    window->showContrastPair(clWhite, RGB(0, 0, 128));
    openMenuOn(swatch("shVorder"));
    EXPECT_TRUE(item("puVollbild")->isVisible());
    ASSERT_TRUE(item("puVollbildPaar")->isVisible());
    item("puVollbildPaar")->trigger();
    view = fullScreenView();
    ASSERT_NE(view, nullptr);
    const QImage pair = view->grab().toImage();
    EXPECT_EQ(pair.pixel(3, 3), qRgb(0, 0, 128));
    int textPixels = 0;
    for (int y = 0; y < pair.height(); ++y)
        for (int x = 0; x < pair.width(); ++x)
            textPixels += pair.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(textPixels, 2000) << "the sample text in white";
    QTest::mouseClick(view, Qt::LeftButton);
    EXPECT_EQ(fullScreenView(), nullptr);
}
