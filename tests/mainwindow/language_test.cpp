#include "mainwindow/language.h"
#include "windowfixture.h"

#include <QMenuBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;

namespace {

// The tests run without translations; each test here leaves them so.
class LanguageTest : public WindowTest
{
protected:
    void TearDown() override
    {
        window.reset();
        installLanguage(Language::German);
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (const QAction* menu : control<QMenuBar>("mmMenue")->actions())
            titles << menu->text();
        return titles;
    }
};

} // namespace

TEST_F(LanguageTest, AWindowMadeInEnglishHasEnglishMenusAndGermanIsTheDefault)
{
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modul", "Farben testen", "Farbschema", "Hilfe"}));
    installLanguage(Language::English);
    start();
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modules", "Test colors", "Color scheme", "Help"}));
    EXPECT_EQ(control<QAction>("mmHilfeAufrufen")->text(), "Help (F1)");
    EXPECT_EQ(control<QAction>("mmFarbsehschwaeche")->text(), "Color vision deficiency");
    EXPECT_EQ(window->windowTitle(), "Orbelin Tintara Studio Version 1.0.4") << "the title the desktop finds it by";

    installLanguage(Language::German);
    start();
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modul", "Farben testen", "Farbschema", "Hilfe"}));
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("de"), Language::German);
    EXPECT_FALSE(languageNamed("fr"));
}
