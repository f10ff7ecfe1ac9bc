#include "cli/commandline.h"
#include "mainwindow/tform1.h"
#include "platform/qtplatform.h"
#include "platform/systemcolors.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own dialogs, buttons and command-line messages speak German like the rest of the program.
void installGermanQtTexts(QTranslator& translator)
{
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

// Exports need fonts and painting but no screen: over SSH and in containers there is none.
// Standard error is for the command line's own messages; Qt's notes about the missing desktop stay out.
int runWithoutWindow(int argc, char* argv[], const QStringList& arguments)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);
    QTranslator qtTranslator;
    installGermanQtTexts(qtTranslator);
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
    if (Tintara::wantsCommandLine(arguments))
        return runWithoutWindow(argc, argv, arguments);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintara"));
    QTranslator qtTranslator;
    installGermanQtTexts(qtTranslator);

    Tintara::installPaletteColorResolver();
    Tintara::QtPlatform desktop;
    arguments = QApplication::arguments();
    arguments.removeFirst();
    Tintara::TForm1 window(desktop.platform(), {Tintara::TForm1::defaultConfigurationPath(), arguments});
    window.show();
    return QApplication::exec();
}
