#include "mainwindow/tform1.h"
#include "platform/qtplatform.h"
#include "platform/systemcolors.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintara"));

    // Qt's own dialogs and message-box buttons speak German like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    Tintara::installPaletteColorResolver();
    Tintara::QtPlatform desktop;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    Tintara::TForm1 window(desktop.platform(), {Tintara::TForm1::defaultConfigurationPath(), arguments});
    window.show();
    return QApplication::exec();
}
