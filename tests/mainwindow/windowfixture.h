#pragma once

#include "controls/tcolorshape.h"
#include "fakes/fakeplatform.h"
#include "mainwindow/coloreditor.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/modulebackground.h"
#include "mainwindow/schemefiles.h"
#include "mainwindow/schemehistory.h"
#include "mainwindow/recentschemes.h"
#include "mainwindow/schemeswatches.h"
#include "mainwindow/screenpicker.h"
#include "mainwindow/swatchdrag.h"
#include "mainwindow/tform1.h"
#include "mainwindow/traymode.h"
#include "mainwindow/valuepanel.h"
#include "platform/systemcolors.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace Tintara::Testing {

// The window's part of class `Part`, found among its children as the window keeps it.
template <class Part>
Part& partOf(const QObject& window)
{
    Part* part = window.findChild<Part*>();
    if (!part)
        throw std::logic_error("the window has no such part");
    return *part;
}

// A main window on scripted fakes, shown on the offscreen platform.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override { start(); }

    // (Re)starts the program with `options` (configuration file, command line).
    void start(const StartOptions& options = {})
    {
        window.reset();
        window = std::make_unique<TForm1>(desktop.platform(), options);
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    // Presses on `source`, moves over `target` and releases there, as the mouse would.
    static void drag(QWidget* source, QWidget* target)
    {
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(target, target->rect().center());
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().center());
    }

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    TColorShape* swatch(const QString& name) const { return control<TColorShape>(name); }

    // Shows every module page once, as a user going through the menus would; the window makes a
    // page when it is first shown. Ends on the first page.
    void visitEveryPage()
    {
        for (const CommandRow& row : commandTable) {
            if (row.createPage)
                window->Toolbar(row.command);
        }
        window->Toolbar(Command::Farbfinder);
    }

    QString visiblePage() const { return control<QStackedWidget>("PageControl1")->currentWidget()->objectName(); }

    Fakes::FakePlatform desktop;
    std::unique_ptr<TForm1> window;
};

} // namespace Tintara::Testing
