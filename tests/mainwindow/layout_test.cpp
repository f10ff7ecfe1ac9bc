#include "windowfixture.h"

#include <QFontMetricsF>
#include <QScrollBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

TEST_F(WindowTest, ContrastResultsStandWhereTheLampsAre)
{
    visitEveryPage();
    const std::pair<const char*, int> tops[] = {
        {"lbHelligkeitsdifferenz", 141}, {"lbResultHell", 141}, {"lbFarbdifferenz", 156}, {"lbResultFarb", 156},
        {"lbLegende1", 187}, {"lbLegende2", 187}, {"lbLegende3", 187}, {"lbLegende4", 187}, {"shLegend1", 187},
    };
    for (const auto& [name, top] : tops)
        EXPECT_EQ(control(name)->y(), top) << name;
}

TEST_F(WindowTest, OptionsPageHasOnlyItsOwnCaptions)
{
    for (const QLabel* label : control("Z_Optionen")->findChildren<QLabel*>())
        EXPECT_NE(label->text(), "Import");
}

TEST_F(WindowTest, InfoHeaderNumbersStandThirtyPixelsApart)
{
    visitEveryPage();
    const auto* header = control<QLabel>("lbPalInfoKopf");
    EXPECT_NEAR(QFontMetricsF(header->font()).horizontalAdvance("01    "), 30.0, 0.5);
}

TEST_F(WindowTest, SaturationHeadIsAGreyRamp)
{
    const QImage ramp = control<QLabel>("shS")->pixmap().toImage();
    for (const int x : {0, 12, 24}) {
        const QColor c = ramp.pixelColor(x, 9);
        EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << " " << c.name().toStdString();
    }
    EXPECT_LT(ramp.pixelColor(0, 9).red(), ramp.pixelColor(24, 9).red());
}

TEST_F(WindowTest, TheBrightnessBarStaysAboveTheMagnifier)
{
    QTest::keyClick(window.get(), Qt::Key_F4);
    QWidget* bar = control("sbHell");
    EXPECT_EQ(bar->parentWidget()->childAt(bar->geometry().center()), bar);
}

TEST_F(WindowTest, ALongLoadedInfoTextTakesNoFurtherCharacters)
{
    visitEveryPage();
    const QString loaded(35, u'a');
    partOf<SchemeSwatches>(*window).setSlotInfo(1, loaded);
    control<QAbstractButton>("PalettenInfosLesen")->click();
    auto* field = control<QLineEdit>("edPalInfo1");
    EXPECT_EQ(field->text(), loaded);
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_B);
    EXPECT_EQ(field->text(), loaded);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text().size(), 34);

    auto* other = control<QLineEdit>("edPalInfo2");
    other->setFocus();
    QTest::keyClicks(other, QString(31, u'c'));
    EXPECT_EQ(other->text().size(), 30);
}
