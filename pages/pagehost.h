#pragma once

#include "platform/filedialog.h"
#include "platform/platform.h"
#include "rules/schemeformat.h"

#include <QObject>

namespace Tintara {

// What changes in the window that pages may follow.
class PageEvents : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    // Any slot's colour, used flag or info text changed.
    void schemeChanged();
    // A scheme file filled the slots.
    void schemeLoaded();
    // The editor took a new active colour.
    void activeColorChanged();
};

// What a module page may ask of the window. Changes come to the pages as signals.
class PageHost
{
public:
    virtual ~PageHost() = default;
    virtual const PageEvents& events() const = 0;
    virtual const Platform& platform() const = 0;
    // The colour the editor shows.
    virtual TColor activeColor() const = 0;
    // The sixteen slots as they are now.
    virtual SchemeSlots schemeSlots() const = 0;
    // The scheme's file dialogs, which keep their last name; a page may lend them for a while.
    virtual FileDialog& schemeOpenDialog() = 0;
    virtual FileDialog& schemeSaveDialog() = 0;
    // Runs what a click on the tool button or menu entry `sender` runs, a page change included.
    virtual void runCommand(QStringView sender) = 0;
    // Every slot's info text at once; a text switches the slot's tooltip on, none switches it off.
    virtual void setInfoTexts(const std::array<QString, 16>& texts) = 0;
};

} // namespace Tintara
