#include "fakes/fakeplatform.h"
#include "platform/filedialog.h"
#include "platform/qtplatform.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

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

// The real dialog: a name typed without its extension that ends up naming an existing file asks
// before replacing it; No shows the dialog again.
TEST(QtFileDialogs, AsksBeforeReplacingTheFileTheNameEndsUpAs)
{
    QTemporaryDir folder;
    Testing::writeFile(folder.filePath("style.css"), "handgeschrieben");
    QtFileDialogs dialogs;
    QStringList asked;
    int dialogsShown = 0;
    QTimer user; // answers whatever is open, as a person would
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked << box->text();
            box->button(asked.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            QMetaObject::invokeMethod(dialog, ++dialogsShown < 5 ? "accept" : "reject");
        }
    });
    user.start(20);
    const auto chosen = dialogs.execute(FileDialogKind::Save, {"Style-Sheet|*.css", "css", folder.filePath("style")});
    EXPECT_EQ(chosen, folder.filePath("style.css"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("style.css")) << asked[0].toStdString();
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(Testing::readFile(folder.filePath("style.css")), "handgeschrieben") << "the dialog itself writes nothing";
}
