#include "fakes/fakeplatform.h"
#include "platform/filedialog.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(FileDialog, ClassicFilterBecomesQtFilter)
{
    EXPECT_EQ(qtFileFilter("TintaraStudio Farbschema|*.tsf"), "TintaraStudio Farbschema (*.tsf)");
    EXPECT_EQ(qtFileFilter("Bitmap|*.bmp|JPEG|*.jpg;*.jpeg"), "Bitmap (*.bmp);;JPEG (*.jpg *.jpeg)");
}

TEST(FileDialog, DefaultExtensionOnlyWhenTheNameHasNone)
{
    EXPECT_EQ(withDefaultExtension("/home/a/schema", "tsf"), "/home/a/schema.tsf");
    EXPECT_EQ(withDefaultExtension("/home/a/schema.txt", "tsf"), "/home/a/schema.txt");
    EXPECT_EQ(withDefaultExtension("/home/a.b/schema", "tsf"), "/home/a.b/schema.tsf");
    EXPECT_EQ(withDefaultExtension("/home/a/schema", ""), "/home/a/schema");
}

TEST(FileDialog, RemembersTheChosenNameAndKeepsItOnCancel)
{
    Fakes::FakeFileDialogs dialogs;
    FileDialog save(FileDialogKind::Save, dialogs);
    save.options = {"TintaraStudio Farbschema|*.tsf", "tsf", "/tmp/alt.tsf"};

    dialogs.results.push_back(QString("/tmp/neu"));
    EXPECT_TRUE(save.execute());
    EXPECT_EQ(save.options.fileName, "/tmp/neu.tsf");

    EXPECT_FALSE(save.execute()); // nothing queued: the user cancels
    EXPECT_EQ(save.options.fileName, "/tmp/neu.tsf");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].options.fileName, "/tmp/neu.tsf");
    EXPECT_EQ(dialogs.shown[1].kind, FileDialogKind::Save);
}
