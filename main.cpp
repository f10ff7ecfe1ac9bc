#include "cli/commandline.h"
#include "platform/language.h"
#include "mainwindow/tform1.h"
#include "platform/inifile.h"
#include "platform/qtplatform.h"
#include "platform/systemcolors.h"
#include "rules/configformat.h"

#include <QApplication>
#include <QFile>

namespace {

// `--language de|en` chooses the interface's language for this run and is taken out of the
// arguments. `given` tells whether it was there at all.
std::optional<Tintara::Language> takeLanguage(QStringList& arguments, bool* given)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--language"));
    *given = at >= 0;
    if (at < 0)
        return std::nullopt;
    const auto language = Tintara::languageNamed(arguments.value(at + 1));
    arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    return language;
}

// The language the user chose in the window, kept in tintara.ini; German without it.
Tintara::Language keptLanguage()
{
    const Tintara::IniFile ini(Tintara::TForm1::configurationLocation());
    return Tintara::languageNamed(Tintara::readConfiguration(ini).sprache).value_or(Tintara::Language::German);
}

// Exports need fonts and painting but no screen: over SSH and in containers there is none.
// Standard error is for the command line's own messages; Qt's notes about the missing desktop stay out.
int runWithoutWindow(int argc, char* argv[], const QStringList& arguments, std::optional<Tintara::Language> language)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tintara")); // where the window keeps tintara.ini
    Tintara::installLanguage(language ? *language : keptLanguage());
    QFile out, err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return 1;
    return Tintara::runCommandLine(arguments, out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool languageGiven = false;
    const auto language = takeLanguage(arguments, &languageGiven);
    if (languageGiven && !language) {
        // In both languages: which one was wanted is what is unclear.
        fprintf(stderr, "tintara: --language nimmt de oder en. / --language takes de or en.\n");
        return 2;
    }
    if (Tintara::wantsCommandLine(arguments))
        return runWithoutWindow(argc, argv, arguments, language);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintara"));
    // The window switches to the language tintara.ini keeps, unless --language chose one.
    Tintara::installLanguage(language.value_or(Tintara::Language::German));

    Tintara::installPaletteColorResolver();
    Tintara::QtPlatform desktop;
    arguments = QApplication::arguments(); // without the options Qt took for itself
    arguments.removeFirst();
    takeLanguage(arguments, &languageGiven);
    Tintara::TForm1 window(desktop.platform(), {Tintara::TForm1::defaultConfigurationPath(), arguments, language});
    window.show();
    return QApplication::exec();
}
