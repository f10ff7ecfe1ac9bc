#include "mainwindow/windowfixture.h"

#include "color/notation.h"
#include "exchange/scaleformats.h"
#include "support/files.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::readFile;

namespace {

class ScalePageTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window->setActiveColor(blue);
        action("mmFarbskala")->trigger();
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    void useSlot(int n, TColor color) { partOf<SchemeSwatches>(*window).setSlot(n, color, 1); }
    SchemeSlots scheme() const { return window->schemeSlots(); }
    void typeTargets(const char* text)
    {
        auto* field = control<QLineEdit>("edZiele");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    static constexpr TColor blue = RGB(0x25, 0x63, 0xEB);
};

} // namespace

TEST_F(ScalePageTest, TheBaseFollowsTheActiveColourUntilAColourIsDroppedOnIt)
{
    EXPECT_EQ(visiblePage(), "Z_Farbskala");
    EXPECT_EQ(swatch("shBasis")->color(), blue);
    EXPECT_EQ(swatch("shStufe7")->color(), blue) << "lightness 0.546: step 600 is the base";
    EXPECT_EQ(control<QLabel>("lbStufe7")->text(), "600");
    EXPECT_EQ(control<QLabel>("lbStufe7Hex")->text(), "#2563EB");
    EXPECT_EQ(control<QLabel>("lbStufe7Weiss")->text(), "Weiß 5,16:1 AA");
    EXPECT_EQ(control<QLabel>("lbStufe7Schwarz")->text(), "Schwarz 4,06:1 AA groß");
    EXPECT_FALSE(swatch("shStufe12")->isVisible()) << "eleven steps";

    window->setActiveColor(RGB(0xDC, 0x26, 0x26));
    EXPECT_EQ(swatch("shBasis")->color(), RGB(0xDC, 0x26, 0x26));
    useSlot(1, RGB(0x0D, 0x94, 0x88));
    drag(swatch("Palette1"), swatch("shBasis"));
    EXPECT_EQ(swatch("shBasis")->color(), RGB(0x0D, 0x94, 0x88));
    window->setActiveColor(clBlack);
    EXPECT_EQ(swatch("shBasis")->color(), RGB(0x0D, 0x94, 0x88)) << "fixed by the drop";
    const std::vector<ScaleStep> expected = tonalScale(RGB(0x0D, 0x94, 0x88));
    EXPECT_EQ(swatch("shStufe1")->color(), *expected.front().color);
}

TEST_F(ScalePageTest, ContrastTargetsShowTheirStepsAndAnUnreachableOneEmpty)
{
    QTest::mouseClick(control<QRadioButton>("rbKontrastziele"), Qt::LeftButton);
    EXPECT_TRUE(control("edZiele")->isVisible());
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "1,15 1,3 1,6 2 3 4,5 6 7 10 13");
    useSlot(1, RGB(0x77, 0x77, 0x77));
    drag(swatch("Palette1"), swatch("shSkalaHintergrund")); // black on it reaches 4,68:1 at most
    typeTargets("3 4.5 7");
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "3 4,5 7");
    const std::vector<ScaleStep> expected =
        contrastShades(blue, RGB(0x77, 0x77, 0x77), {3, 4.5, 7}, ContrastMeasure::Wcag);
    EXPECT_EQ(swatch("shStufe2")->color(), *expected[1].color);
    EXPECT_EQ(control<QLabel>("lbStufe2")->text(), "4,5");
    EXPECT_EQ(control<QLabel>("lbStufe3Hex")->text(), "nicht erreichbar");
    EXPECT_EQ(swatch("shStufe3")->brushStyle(), TColorShape::BrushStyle::Clear);
    EXPECT_FALSE(swatch("shStufe4")->isVisible());

    typeTargets("3 22");
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "3 4,5 7") << "no ratio above 21: the last list stays";
    EXPECT_FALSE(control<QLabel>("lbZieleHinweis")->text().isEmpty());
    typeTargets("3 viel");
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "3 4,5 7");
    EXPECT_FALSE(control<QLabel>("lbZieleHinweis")->text().isEmpty());
    control<QComboBox>("cbMass")->setCurrentIndex(1);
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "15 30 45 60 75 90");

    // With APCA the rows give the signed Lc, the WCAG ratio goes into the tool tip; a target below
    // Lc 15 and a second target of the same colour are said, not shown as colours again.
    typeTargets("10 30 30 35"); // black on the grey is Lc 33
    const std::vector<ScaleStep> apca = contrastShades(blue, RGB(0x77, 0x77, 0x77), {10, 30, 30, 35}, ContrastMeasure::Apca);
    ASSERT_TRUE(apca[1].color);
    EXPECT_EQ(control<QLabel>("lbStufe1Hex")->text(), "nicht erreichbar");
    EXPECT_EQ(control<QLabel>("lbStufe2Hex")->text(), QString::fromStdString(ColorNotation(*apca[1].color, NotationHtml)));
    EXPECT_EQ(control<QLabel>("lbStufe3Hex")->text(), "wie Ziel 30");
    EXPECT_EQ(control<QLabel>("lbStufe4Hex")->text(), "nicht erreichbar");
    const auto lcText = [](double lc) { return QString::number(lc, 'f', 1).replace('.', ','); };
    EXPECT_EQ(control<QLabel>("lbStufe2Weiss")->text(), "Weiß Lc " + lcText(apca[1].lcOnWhite));
    EXPECT_EQ(control<QLabel>("lbStufe2Schwarz")->text(), "Schwarz Lc " + lcText(apca[1].lcOnBlack));
    EXPECT_TRUE(control<QLabel>("lbStufe2Weiss")->toolTip().startsWith("WCAG "));
    // Each metric keeps what was typed for it.
    control<QComboBox>("cbMass")->setCurrentIndex(0);
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "3 4,5 7");
    EXPECT_EQ(control<QLabel>("lbStufe2Weiss")->toolTip().left(8), "APCA Lc ");
    control<QComboBox>("cbMass")->setCurrentIndex(1);
    EXPECT_EQ(control<QLineEdit>("edZiele")->text(), "10 30 30 35");
}

TEST_F(ScalePageTest, StepsGoIntoTheSchemeByDragOrAllAtOnceAndComeBackWithCtrlZ)
{
    drag(swatch("shStufe3"), swatch("Palette5"));
    EXPECT_EQ(scheme().colors[4], swatch("shStufe3")->color());
    EXPECT_EQ(scheme().used[4], 1);

    useSlot(2, clBlack);
    control<QAbstractButton>("btInsFarbschema")->click();
    const SchemeSlots filled = scheme();
    const std::vector<int> freeSlots = {1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13};
    for (std::size_t n = 0; n < freeSlots.size(); ++n)
        EXPECT_EQ(filled.colors[freeSlots[n] - 1], swatch(QString("shStufe%1").arg(n + 1))->color()) << n;
    EXPECT_EQ(filled.colors[1], clBlack);
    EXPECT_EQ(filled.used[13], 0);
    // Each slot filled carries its step's name, for the exports to group by.
    EXPECT_EQ(filled.infos[0], "primary-50");
    EXPECT_EQ(filled.infos[5], "primary-300");
    EXPECT_EQ(filled.infos[12], "primary-950");
    EXPECT_EQ(filled.infos[1], "") << "a slot that was used keeps its text";
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(scheme().infos[0], "");
    EXPECT_EQ(scheme().used[0], 0);
    EXPECT_EQ(scheme().used[12], 0);
    EXPECT_EQ(scheme().colors[1], clBlack);

    for (int n = 1; n <= 9; ++n)
        useSlot(n, clWhite);
    const SchemeSlots before = scheme();
    control<QAbstractButton>("btInsFarbschema")->click();
    EXPECT_EQ(scheme(), before);
    ASSERT_FALSE(desktop.messages.messages.isEmpty());
    EXPECT_TRUE(desktop.messages.messages.last().startsWith("Das Farbschema hat 7 freie Plätze, gebraucht werden 11."));
}

TEST_F(ScalePageTest, TheScaleIsCopiedAndSavedInTheChosenFormat)
{
    auto* name = control<QLineEdit>("edSkalaName");
    name->selectAll();
    QTest::keyClicks(name, "brand");
    control<QComboBox>("cbSkalaFormat")->setCurrentIndex(2);
    control<QAbstractButton>("btSkalaKopieren")->click();
    EXPECT_EQ(desktop.clipboard.content.toUtf8(), scaleTailwindTheme("brand", tonalScale(blue)));

    QTemporaryDir folder;
    control<QComboBox>("cbSkalaFormat")->setCurrentIndex(1);
    desktop.fileDialogs.results = {folder.filePath("skala")};
    control<QAbstractButton>("btSkalaSpeichern")->click();
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.filter, "Design Tokens|*.json");
    EXPECT_EQ(readFile(folder.filePath("skala.json")), scaleDesignTokens("brand", tonalScale(blue)));

    // The hex text as the tokens' value is offered for tokens only.
    auto* hex = control<QAbstractButton>("cbSkalaTokenHex");
    EXPECT_TRUE(hex->isVisible());
    QTest::mouseClick(hex, Qt::LeftButton);
    control<QAbstractButton>("btSkalaKopieren")->click();
    EXPECT_EQ(desktop.clipboard.content.toUtf8(), scaleDesignTokens("brand", tonalScale(blue), TokenValue::Hex));
    control<QComboBox>("cbSkalaFormat")->setCurrentIndex(0);
    EXPECT_FALSE(hex->isVisible());
}

// The step the base is: chosen by its lightness, or pinned to any step of the list.
TEST_F(ScalePageTest, TheBaseIsPinnedToTheChosenStep)
{
    auto* step = control<QComboBox>("cbBasisStufe");
    EXPECT_TRUE(step->isVisible());
    EXPECT_EQ(step->currentText(), "Automatisch");
    for (int n = 1; n <= 11; ++n) {
        step->setCurrentIndex(n);
        EXPECT_EQ(swatch(QString("shStufe%1").arg(n))->color(), blue) << step->currentText().toStdString();
        EXPECT_EQ(control<QLabel>(QString("lbStufe%1").arg(n).toLatin1())->text(), step->currentText());
    }
    step->setCurrentIndex(6);
    const std::vector<ScaleStep> pinned = tonalScale(blue, 5);
    for (std::size_t n = 0; n < pinned.size(); ++n)
        EXPECT_EQ(swatch(QString("shStufe%1").arg(n + 1))->color(), *pinned[n].color) << "the page shows the rule's steps";
    // In Display P3 the swatches show each step's sRGB fallback, the hex's tool tip the P3 colour.
    window->setActiveColor(RGB(0xFF, 0, 0));
    control<QComboBox>("cbSkalaFarbraum")->setCurrentIndex(1);
    const std::vector<ScaleStep> p3 = displayP3Scale(toOklch(RGB(0xFF, 0, 0)), 5);
    int wide = 0;
    for (std::size_t n = 0; n < p3.size(); ++n) {
        EXPECT_EQ(swatch(QString("shStufe%1").arg(n + 1))->color(), *p3[n].color);
        const QString tip = control<QLabel>(QString("lbStufe%1Hex").arg(n + 1).toLatin1())->toolTip();
        wide += tip.startsWith("color(display-p3 ");
    }
    EXPECT_GT(wide, 3) << "a red's steps reach beyond sRGB";
    QTest::mouseClick(control<QRadioButton>("rbKontrastziele"), Qt::LeftButton);
    EXPECT_FALSE(step->isVisible()) << "contrast targets have no steps to pin";
    EXPECT_FALSE(control("cbSkalaFarbraum")->isVisible());
}
