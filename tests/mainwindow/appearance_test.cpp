#include "color/wcag.h"
#include "mainwindow/appearance.h"
#include "platform/colorconversion.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <map>

using namespace Tintara;
using Tintara::Testing::partOf;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::writeFile;

namespace {

TColor colorAt(const QImage& image, QPoint point)
{
    const QRgb pixel = image.pixel(point);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// A text as it shows: the most frequent colour of its area is what it is drawn on, the pixel of
// the strongest contrast to that is its ink. The contrast of the two, or none where the area is
// all one colour (no text drawn).
std::optional<double> shownContrast(const QImage& image, const QRect& area)
{
    std::map<TColor, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[colorAt(image, {x, y})];
    if (counts.size() < 2)
        return std::nullopt;
    const TColor background =
        std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    double strongest = 1;
    for (const auto& [color, count] : counts)
        strongest = std::max(strongest, contrastRatio(color, background));
    return strongest;
}

// Where a control draws its text, in its own coordinates.
QRect textArea(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QGroupBox*>(control))
        return QRect(0, 0, box->width(), box->fontMetrics().height() + 2);
    if (qobject_cast<const QComboBox*>(control))
        return control->rect().adjusted(3, 3, -control->height(), -3); // without the arrow
    return control->rect().adjusted(1, 1, -1, -1);                     // without a frame
}

QString textOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* tool = qobject_cast<const QToolButton*>(control); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return {}; // its text is its tool tip
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(control))
        return box->title();
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return {};
}

class AppearanceTest : public WindowTest
{
protected:
    // System colours come from the application's palette, as in the program.
    void SetUp() override
    {
        installPaletteColorResolver();
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        setSystemColorResolver(nullptr);
    }
    // Qt hands a new palette on to the widgets from the event loop.
    bool chromeShown(const QPalette& palette) const
    {
        return QTest::qWaitFor([&] { return window->palette().color(QPalette::Window) == palette.color(QPalette::Window); });
    }
    // Each text of the window as it shows now that reads at less than 4.5:1, with its contrast.
    QStringList unreadableTexts() const
    {
        QStringList found;
        const QImage shown = window->grab().toImage();
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisible() || textOf(control).trimmed().isEmpty() || isUsersSample(control))
                continue;
            const QRect area = textArea(control).translated(control->mapTo(window.get(), QPoint(0, 0)));
            const auto contrast = shownContrast(shown, area);
            if (contrast && *contrast < 4.5)
                found << QString("%1 \"%2\" %3:1").arg(control->objectName(), textOf(control)).arg(*contrast, 0, 'f', 2);
        }
        return found;
    }
    // What the user works with, as every page shows it: each swatch that is no decoration (its
    // centre) and the module background (a page's corner), by page and name.
    std::map<QString, QRgb> usersColours()
    {
        std::map<QString, QRgb> shown;
        for (const CommandRow& row : commandTable) {
            if (!row.createPage)
                continue;
            window->Toolbar(row.command);
            const QImage image = window->grab().toImage();
            const QWidget* page = control<QStackedWidget>("PageControl1")->currentWidget();
            if (row.background == BackgroundUse::User) // the others show the chrome's standard
                shown[visiblePage() + " background"] = image.pixel(page->mapTo(window.get(), QPoint(1, 1)));
            for (const TColorShape* swatch : window->findChildren<TColorShape*>()) {
                // An empty slot shows the chrome's colour, an empty role the background: no colour of the user's.
                if (swatch->isVisible() && swatch->role() != TColorShape::Role::Decoration && !isSystemColor(swatch->color())
                    && swatch->brushStyle() != TColorShape::BrushStyle::Clear)
                    shown[visiblePage() + " " + swatch->objectName()] =
                        image.pixel(swatch->mapTo(window.get(), swatch->rect().center()));
            }
        }
        return shown;
    }
    // The export page's style sheet and reference picture, saved.
    std::pair<QByteArray, QByteArray> exports(const QString& folder)
    {
        window->Toolbar(Command::Export);
        QByteArray saved[2];
        for (const int format : {0, 2}) {
            control<QComboBox>("cbExportFormat")->setCurrentIndex(format);
            desktop.fileDialogs.results.push_back(folder + "/export");
            control<QAbstractButton>("btSpeichern")->click();
            saved[format / 2] = readFile(folder + (format == 0 ? "/export.css" : "/export.bmp"));
        }
        return {saved[0], saved[1]};
    }
    // The texts of the test pages and the contrast sample show the user's colours, not the chrome's.
    static bool isUsersSample(const QWidget* control)
    {
        for (const QWidget* parent = control; parent; parent = parent->parentWidget()) {
            if (QStringList{"Z_Webseite", "Z_Testbild", "Z_Kontrast"}.contains(parent->objectName())
                && qobject_cast<const QLabel*>(control) && control->palette().resolveMask() != 0)
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(AppearanceTest, EveryTextOfTheWindowAndItsPagesReadsInTheDark)
{
    desktop.appearance.dark = true;
    start();
    ASSERT_TRUE(partOf<Appearance>(*window).isDark());
    ASSERT_TRUE(chromeShown(darkChromePalette()));
    QStringList unreadable;
    for (const CommandRow& row : commandTable) {
        if (!row.createPage)
            continue;
        window->Toolbar(row.command);
        for (const QString& text : unreadableTexts())
            unreadable << visiblePage() + ": " + text;
    }
    // The menus, each entry as the menu draws it.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        menu->adjustSize();
        const QImage shown = menu->grab().toImage();
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator() || !entry->isVisible())
                continue;
            const auto contrast = shownContrast(shown, menu->actionGeometry(entry));
            if (!contrast || *contrast < 4.5)
                unreadable << QString("%1: \"%2\" %3:1").arg(menu->objectName(), entry->text()).arg(contrast.value_or(1), 0, 'f', 2);
        }
    }
    unreadable.removeDuplicates();
    EXPECT_EQ(unreadable.join('\n').toStdString(), "");
}

TEST_F(AppearanceTest, TheUsersColoursAndTheExportsStayAsTheyAre)
{
    window->setActiveColor(RGB(200, 100, 50));
    for (int slot = 1; slot <= 3; ++slot)
        partOf<SchemeSwatches>(*window).setSlot(slot, RGB(40 * slot, 250 - 60 * slot, 90), 1);
    partOf<ModuleBackground>(*window).setUserBackground(RGB(250, 240, 200));
    QTemporaryDir light, dark;
    const auto lightExports = exports(light.path());
    const auto lightColours = usersColours();
    ASSERT_GT(lightColours.size(), 100u);
    ASSERT_FALSE(lightExports.first.isEmpty());
    ASSERT_FALSE(lightExports.second.isEmpty());

    control<QAction>("mmDunkel")->trigger();
    ASSERT_TRUE(chromeShown(darkChromePalette()));
    EXPECT_EQ(exports(dark.path()), lightExports);
    const auto darkColours = usersColours();
    QStringList changed;
    for (const auto& [name, colour] : lightColours) {
        if (darkColours.at(name) != colour)
            changed << name;
    }
    EXPECT_EQ(changed.join(", ").toStdString(), "");
    EXPECT_NE(window->grab().toImage().pixel(2, 30), qRgb(0xef, 0xef, 0xef)) << "the chrome itself did turn dark";
}

TEST_F(AppearanceTest, TheMenuChoosesAndLikeTheDesktopFollowsIt)
{
    EXPECT_TRUE(control<QAction>("mmWieDerDesktop")->isChecked());
    EXPECT_FALSE(partOf<Appearance>(*window).isDark()) << "a desktop without a preference";
    desktop.appearance.change(true);
    EXPECT_TRUE(partOf<Appearance>(*window).isDark()) << "the desktop changed its mind";
    control<QAction>("mmHell")->trigger();
    EXPECT_FALSE(partOf<Appearance>(*window).isDark());
    desktop.appearance.change(false);
    desktop.appearance.change(true);
    EXPECT_FALSE(partOf<Appearance>(*window).isDark()) << "light was chosen";

    QTemporaryDir folder;
    const QString ini = folder.filePath("tintara.ini");
    writeFile(ini, "[Erweiterungen]\r\nErscheinungsbild=2\r\n");
    desktop.appearance.dark = false;
    start({ini, {}});
    EXPECT_TRUE(partOf<Appearance>(*window).isDark());
    EXPECT_TRUE(control<QAction>("mmDunkel")->isChecked());
    control<QAction>("mmWieDerDesktop")->trigger();
    EXPECT_FALSE(partOf<Appearance>(*window).isDark());
    EXPECT_TRUE(chromeShown(QApplication::palette()));
    window->close();
    EXPECT_TRUE(readFile(ini).contains("Zoom=100\r\nErscheinungsbild=0\r\n"));
}
