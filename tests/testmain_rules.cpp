#include <gtest/gtest.h>

#include <QGuiApplication>

// The rules draw pictures and read system colours: they need a GUI application, but no widgets.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
