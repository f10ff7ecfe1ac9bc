#include "fakes/fakeplatform.h"
#include "mainwindow/tform1.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(MainWindow, OpensWithItsCaption)
{
    Fakes::FakePlatform desktop;
    const TForm1 window(desktop.platform());
    EXPECT_EQ(window.windowTitle(), "Orbelin Tintara Studio Version 1.0.4");
}
