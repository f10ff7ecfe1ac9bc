#include "cli/commandline.h"
#include "color/colorscale.h"
#include "controls/ttrayicon.h"
#include "exchange/exportformats.h"
#include "exchange/scaleformats.h"
#include "platform/language.h"
#include "platform/inifile.h"
#include "rules/schemeformat.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <map>

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
    // Colours a red-green deficiency confuses, so that the pages have pairs and a matrix to name.
    void fillSchemeAndVisitEveryPage()
    {
        window->addToFreeSlots([] { return QString(); }, {RGB(204, 0, 0), RGB(0, 128, 0), RGB(0, 0, 160)});
        visitEveryPage();
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
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modul", "Farben testen", "Farbschema", "Hilfe", "Ansicht"}));
    installLanguage(Language::English);
    start();
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modules", "Test colors", "Color scheme", "Help", "View"}));
    EXPECT_EQ(control<QAction>("mmHilfeAufrufen")->text(), "Help (F1)");
    EXPECT_EQ(control<QAction>("mmFarbsehschwaeche")->text(), "Color vision deficiency");
    EXPECT_EQ(window->windowTitle(), "Orbelin Tintara Studio Version 1.0.4") << "the title the desktop finds it by";

    installLanguage(Language::German);
    start();
    EXPECT_EQ(menuTitles(), QStringList({"Tintara Studio", "Modul", "Farben testen", "Farbschema", "Hilfe", "Ansicht"}));
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("de"), Language::German);
    EXPECT_FALSE(languageNamed("fr"));
}

namespace {

// Where a text stands: the object and which of its texts it is.
using TextPlace = std::pair<const QObject*, QString>;

// Every text a person may read on the window, its menus and its pages, by where it stands.
std::map<TextPlace, QString> readableTexts(const QWidget& window)
{
    std::map<TextPlace, QString> texts;
    const auto add = [&texts](const QObject* object, const QString& which, const QString& text) {
        if (!text.isEmpty())
            texts[{object, which}] = text;
    };
    QList<QObject*> objects = window.findChildren<QObject*>();
    objects << const_cast<QWidget*>(&window);
    for (const QObject* object : std::as_const(objects)) {
        if (const auto* widget = qobject_cast<const QWidget*>(object)) {
            add(object, "toolTip", widget->toolTip());
            add(object, "windowTitle", widget->isWindow() ? widget->windowTitle() : QString());
        }
        if (const auto* action = qobject_cast<const QAction*>(object)) {
            add(object, "text", action->text());
            add(object, "toolTip", action->toolTip());
        }
        if (const auto* label = qobject_cast<const QLabel*>(object))
            add(object, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(object))
            add(object, "text", button->text());
        if (const auto* menu = qobject_cast<const QMenu*>(object))
            add(object, "title", menu->title());
        if (const auto* field = qobject_cast<const QLineEdit*>(object))
            add(object, "placeholder", field->placeholderText());
        if (const auto* list = qobject_cast<const QComboBox*>(object)) {
            for (int i = 0; i < list->count(); ++i)
                add(object, QStringLiteral("item%1").arg(i), list->itemText(i));
        }
        if (const auto* swatch = qobject_cast<const TColorShape*>(object))
            add(object, "hint", swatch->hint());
        if (const auto* icon = qobject_cast<const TTrayIcon*>(object))
            add(object, "hint", icon->hint());
    }
    return texts;
}

// Texts that read the same in both languages: names, technical terms, words English shares with
// German, numbers, colour codes and the placeholder Latin of the test pages.
bool sameInBothLanguages(QString text)
{
    static const QRegularExpression shared(QStringLiteral(
        "\\b(Orbelin|Tintara|Studio|Version|RGB|HSV|OKLCH|HTML|WCAG|APCA|Lc|CMYK|CSS|rgb|hsl|oklch|color|display|p3|sRGB|Display|P3|Hex|Delphi|Visual|"
        "Basic|Net|JPEG|jpg|bmp|Bitmap|Zoom|Design|Tokens|Adobe|Swatch|Exchange|Palette|Export|Normal|Standard|"
        "Mixer|Start|Details|Logo|Text|Link|Links|OK|Name|Deutsch|English|Sprache|Language)\\b|^Lorem ipsum.*|"
        "[#$][0-9A-F]+|0x[0-9A-F]+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-zÄÖÜäöüß]{2,}"));
    return !text.remove(shared).contains(word);
}

} // namespace

TEST_F(LanguageTest, EveryTextOfTheWindowAndItsPagesSwitchesToEnglishAndBack)
{
    fillSchemeAndVisitEveryPage();
    window->setInfoTexts({"Logo"}); // a step to undo, named before the switch
    control<QComboBox>("cbSchwaeche")->setCurrentIndex(1); // deuteranopia
    window->Toolbar(Command::Farbsehschwaeche);
    const std::map<TextPlace, QString> german = readableTexts(*window);
    installLanguage(Language::English);
    QCoreApplication::processEvents(); // the change reaches the widgets as posted events
    const std::map<TextPlace, QString> english = readableTexts(*window);
    ASSERT_GT(german.size(), 400u);
    EXPECT_TRUE(english.at({control("lbWcag"), "text"}).contains("21.00:1")) << "numbers take the decimal point";
    EXPECT_EQ(english.at({control<QAction>("mmRueckgaengig"), "text"}), "Undo: Color information");
    for (const auto& [place, text] : german) {
        const auto found = english.find(place);
        if (found != english.end() && found->second == text && !sameInBothLanguages(text))
            ADD_FAILURE() << place.first->objectName().toStdString() << " " << place.second.toStdString()
                          << " is still German: " << text.toStdString();
    }
    // A text put together from parts may be half translated.
    static const QRegularExpression germanWords(
        QStringLiteral("[äöüÄÖÜß]|\\b(und|oder|der|die|das|den|dem|mit|nicht|ist|für|von|auf|eine?|keine?|Farben?|"
                       "Schrift|Hintergrund|Unterschied|Platz)\\b"));
    for (const auto& [place, text] : english) {
        EXPECT_FALSE(text.contains(germanWords)) << place.first->objectName().toStdString() << " "
                                                 << place.second.toStdString() << ": " << text.toStdString();
    }
    installLanguage(Language::German);
    QCoreApplication::processEvents();
    const std::map<TextPlace, QString> back = readableTexts(*window);
    for (const auto& [place, text] : german) {
        EXPECT_TRUE(back.count(place)) << place.first->objectName().toStdString() << " " << place.second.toStdString()
                                       << " lost " << text.toStdString();
    }
    for (const auto& [place, text] : back) {
        EXPECT_EQ(text, german.count(place) ? german.at(place) : QString())
            << "back in German, " << place.first->objectName().toStdString() << " " << place.second.toStdString();
    }
}

namespace {

// Captions whose text is wider than the place the form gives them, with the window's font.
QStringList cutCaptions(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
            continue;
        QRect room = label->contentsRect();
        QString under;
        // A control the form lays over the label's right part, on the same line, takes that part away
        // from the text; controls stacked below it (a frame behind it) do not.
        const QObjectList& stack = label->parentWidget()->children();
        for (qsizetype n = stack.indexOf(label) + 1; n < stack.size() && !label->isHidden(); ++n) {
            const auto* other = qobject_cast<const QWidget*>(stack[n]);
            const QRect covered = other ? other->geometry().intersected(label->geometry()) : QRect();
            if (!other || other->isHidden() || covered.height() <= label->height() / 2)
                continue;
            if (covered.x() > label->x() && covered.x() - label->x() - 3 < room.right()) {
                room.setRight(covered.x() - label->x() - 3);
                under = QStringLiteral(" (up to ") + other->objectName() + u')';
            }
        }
        const QRect needed = label->fontMetrics().boundingRect(
            room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << label->objectName() + ": " + label->text() + under;
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || qobject_cast<const QToolButton*>(button))
            continue;
        // Check boxes and radio buttons need their mark beside the text; push buttons their frame.
        const int needed = qobject_cast<const QPushButton*>(button)
            ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 8
            : button->sizeHint().width();
        if (needed > button->width())
            cut << button->objectName() + ": " + button->text();
    }
    return cut;
}

} // namespace

TEST_F(LanguageTest, NoCaptionIsCutInEitherLanguage)
{
    fillSchemeAndVisitEveryPage();
    const QStringList german = cutCaptions(*window);
    EXPECT_TRUE(german.isEmpty()) << "in German: " << german.join(u'\n').toStdString();
    installLanguage(Language::English);
    QCoreApplication::processEvents();
    const QStringList english = cutCaptions(*window);
    EXPECT_TRUE(english.isEmpty()) << "in English: " << english.join(u'\n').toStdString();
}

// The lines the pages compose (pairs hard to tell apart, with slot names as long as users give them)
// fit their place in both languages; a shortened one carries the whole line in its tool tip.
TEST_F(LanguageTest, EveryComposedLineFitsItsPlaceInEitherLanguage)
{
    window->addToFreeSlots([] { return QString(); },
                           {RGB(204, 0, 0), RGB(0, 128, 0), RGB(150, 100, 0), RGB(0, 0, 160), RGB(90, 90, 200)});
    window->setInfoTexts({"Hintergrund der Seitenleiste 1", "Hintergrund der Seitenleiste 2",
                          "Hintergrund der Seitenleiste 3", "Hintergrund der Seitenleiste 4",
                          "Hintergrund der Seitenleiste 5"});
    visitEveryPage();
    window->Toolbar(Command::Farbsehschwaeche);
    control<QComboBox>("cbSchwaeche")->setCurrentIndex(1); // deuteranopia: several pairs
    ASSERT_FALSE(control<QLabel>("lbPaar1")->isHidden());
    for (const Language language : {Language::German, Language::English}) {
        installLanguage(language);
        QCoreApplication::processEvents();
        const QStringList cut = cutCaptions(*window);
        EXPECT_TRUE(cut.isEmpty()) << cut.join(u'\n').toStdString();
        const auto* line = control<QLabel>("lbPaar1");
        EXPECT_NE(line->text(), line->toolTip()) << "the long names give way: " << line->text().toStdString();
        EXPECT_TRUE(line->toolTip().contains("Hintergrund der Seitenleiste 1")) << line->toolTip().toStdString();
        EXPECT_TRUE(line->text().endsWith(line->toolTip().section(',', -1))) << "the distances stay readable";
    }
}

namespace {

// Every file the program writes from one scheme: each export (pictures also as JPEG), each scale
// format, the picture colours' listing and the scheme file itself.
std::vector<QByteArray> everyFileWritten()
{
    SchemeSlots scheme;
    scheme.colors = {RGB(204, 0, 0), RGB(0, 128, 0), RGB(250, 250, 250)};
    scheme.used = {1, 1, 1};
    scheme.infos = {"Primär", "", "Fläche"};
    std::vector<QByteArray> files;
    for (const ExportFormat& format : exportFormats) {
        for (const bool jpeg : {false, true}) {
            if (jpeg && !format.jpeg)
                continue;
            ExportChoice choice;
            choice.content = format.content;
            files.push_back(exportFile(format, scheme, choice, "Tintara Studio", jpeg, nullptr));
        }
    }
    const std::vector<ScaleStep> steps = tonalScale(RGB(22, 174, 0));
    for (const ScaleFormatRow& row : scaleFormats)
        files.push_back(scaleFile(row.format, "primary", steps));
    files.push_back(dominantColorsText({{RGB(1, 2, 3), 0.75}, {RGB(200, 100, 0), 0.25}}));
    IniFile ini = IniFile::fromText({});
    writeSchemeSlots(ini, scheme);
    files.push_back(ini.toBytes());
    return files;
}

} // namespace

TEST_F(LanguageTest, FilesWrittenInEnglishAreTheOnesWrittenInGerman)
{
    const std::vector<QByteArray> german = everyFileWritten();
    installLanguage(Language::English);
    const std::vector<QByteArray> english = everyFileWritten();
    ASSERT_EQ(english.size(), german.size());
    for (std::size_t n = 0; n < german.size(); ++n) {
        EXPECT_FALSE(german[n].isEmpty()) << n;
        EXPECT_TRUE(english[n] == german[n]) << "file " << n << " differs";
    }
}

TEST_F(LanguageTest, HelpOpensInTheLanguageOfTheInterface)
{
    QTemporaryDir data;
    const Testing::ScopedEnvironment dataHome("XDG_DATA_HOME", data.path().toUtf8());
    const Testing::ScopedEnvironment dataDirs("XDG_DATA_DIRS", data.path().toUtf8());
    QDir(data.path()).mkpath("tintara");
    for (const char* file : {"tintara/tintara.chm", "tintara/tintara_en.chm"})
        Testing::writeFile(data.filePath(file), "ITSF");
    QTest::keyClick(window.get(), Qt::Key_F1);
    control<QAction>("mmSpracheEnglish")->trigger();
    QTest::keyClick(window.get(), Qt::Key_F1);
    desktop.shell.refused = QStringList{data.filePath("tintara/tintara_en.chm")}; // no CHM viewer: the pages
    QDir(data.path()).mkpath("doc/tintara/html_en");
    Testing::writeFile(data.filePath("doc/tintara/html_en/index.html"), "<html></html>");
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.shell.opened,
              (QStringList{data.filePath("tintara/tintara.chm"), data.filePath("tintara/tintara_en.chm"),
                           data.filePath("tintara/tintara_en.chm"), data.filePath("doc/tintara/html_en/index.html")}));
}

TEST_F(LanguageTest, TheCommandLineSpeaksTheLanguageOfTheRun)
{
    const auto run = [](const QStringList& arguments) {
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        runCommandLine(arguments, out, err);
        return QString::fromUtf8(out.data() + err.data());
    };
    EXPECT_TRUE(run({"--help"}).contains("Zeigt diese Hilfe."));
    installLanguage(Language::English);
    const QString help = run({"--help"});
    EXPECT_TRUE(help.contains("Shows this help.") && help.contains("Options:")) << help.toStdString();
    const QString misuse = run({"--scale", "#123456", "--count", "3"});
    EXPECT_TRUE(misuse.contains("--count applies only with --extract.") && misuse.contains("Usage: tintara"))
        << misuse.toStdString();
    EXPECT_EQ(run({"--convert", "#FF8000", "--to", "html"}), "#FF8000\n") << "what it prints is the same";
}
