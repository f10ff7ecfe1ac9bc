#include "platform/qtplatform.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::ScopedEnvironment;
using Tintara::Testing::writeFile;

// The desktop's MIME registry may be slow to answer: the window goes on meanwhile, and the first
// file with a registered program is opened once the answers come. Here xdg-mime waits at a gate
// the test opens, and knows a program for HTML but none for CHM.
TEST(QtShellTest, AsksTheDesktopWithoutWaitingAndOpensTheFirstRegisteredFile)
{
    QTemporaryDir bin;
    const QString log = bin.filePath("log"), gate = bin.filePath("gate");
    ASSERT_EQ(mkfifo(QFile::encodeName(gate).constData(), 0600), 0);
    writeFile(bin.filePath("xdg-mime"), QStringLiteral("#!/bin/sh\necho \"query $3\" >> '%1'\nread answer < '%2'\n"
                                                       "[ \"$3\" = text/html ] && echo browser.desktop\nexit 0\n")
                                            .arg(log, gate)
                                            .toUtf8());
    QFile::setPermissions(bin.filePath("xdg-mime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const ScopedEnvironment path("PATH", (bin.path() + ':').toUtf8() + qgetenv("PATH"));
    const auto logged = [&] { return QString::fromUtf8(readFile(log)); };
    const auto letTheAnswerGo = [&] {
        QFile door(gate);
        ASSERT_TRUE(door.open(QIODevice::WriteOnly));
        door.write("go\n");
    };

    // The test platform cannot open documents and says which one it was asked for.
    static QStringList opened;
    opened.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains("openDocument"))
            opened << text.section('\'', 1, 1);
    });
    QtShell shell;
    bool noneOpened = false;
    shell.openFirst({bin.filePath("tintara.chm"), bin.filePath("index.html")}, [&] { noneOpened = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged().contains("query application/vnd.ms-htmlhelp"); }));
    EXPECT_TRUE(opened.isEmpty()) << "nothing is opened before the registry has answered";
    letTheAnswerGo(); // no program for the CHM
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged().contains("query text/html"); }));
    letTheAnswerGo();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
    qInstallMessageHandler(previous);
    EXPECT_EQ(opened, QStringList{"file://" + bin.filePath("index.html")});
    EXPECT_TRUE(noneOpened) << "the test platform opened nothing, and that is told";
}
