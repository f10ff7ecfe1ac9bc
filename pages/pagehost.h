#pragma once

#include "platform/filedialog.h"
#include "platform/platform.h"
#include "rules/schemeformat.h"

namespace Tintara {

// What a module page may ask of the window. Changes come to the pages as signals.
class PageHost
{
public:
    virtual ~PageHost() = default;
    virtual const Platform& platform() const = 0;
    // The colour the editor shows.
    virtual TColor activeColor() const = 0;
    // The sixteen slots as they are now.
    virtual SchemeSlots schemeSlots() const = 0;
    // The scheme's file dialogs, which keep their last name; a page may lend them for a while.
    virtual FileDialog& schemeOpenDialog() = 0;
    virtual FileDialog& schemeSaveDialog() = 0;
    // Every slot's info text at once; a text switches the slot's tooltip on, none switches it off.
    virtual void setInfoTexts(const std::array<QString, 16>& texts) = 0;
};

} // namespace Tintara
