#pragma once

#include "pages/command.h"
#include "platform/filedialog.h"
#include "platform/platform.h"
#include "rules/schemeformat.h"

#include <QObject>
#include <QPixmap>

#include <functional>
#include <vector>

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
    // A colour was dropped on a page's swatch that takes colours, from slot `fromSlot` (0: from
    // anywhere else); the page decides what becomes of it.
    void colorDropped(QWidget* target, TColor color, int fromSlot);
    // A page's swatch was dragged onto the waste bin.
    void swatchTrashed(QWidget* source);
};

// The name of an undo step as the undo menu shows it, composed again when the language changes.
using StepName = std::function<QString()>;

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
    // Runs `command` as its tool button, menu entry or key does, a page change included.
    virtual void runCommand(Command command) = 0;
    // Shows the contrast page with `text` on `background`.
    virtual void showContrastPair(TColor text, TColor background) = 0;
    // What the colour-deficiency view simulates, drawn as the program shows it now: 0 the scheme,
    // 1 and 2 the test web pages, 3 to 8 the test images 1 to 6, 9 and 10 test web page 1 in the
    // theme's colour roles of the light and the dark mode.
    virtual QPixmap grabTestView(int view) = 0;
    // Makes `color` the active colour as a pick from the screen does: one undoable step.
    virtual void pickColor(TColor color) = 0;
    // Puts `colours` into the scheme's free slots from the left, with the info texts `infos` where
    // given, as one undoable step named `step`; where fewer slots are free, says so and changes
    // nothing. Whether it put them.
    virtual bool addToFreeSlots(const StepName& step, const std::vector<WideColor>& colours,
                                const std::vector<QString>& infos = {}) = 0;
    bool addToFreeSlots(const StepName& step, const std::vector<TColor>& colours, const std::vector<QString>& infos = {})
    {
        std::vector<WideColor> wide;
        for (const TColor colour : colours)
            wide.push_back({colour, std::nullopt});
        return addToFreeSlots(step, wide, infos);
    }
    // Records a change a page made as one step of the window's undo and redo; `apply` puts the
    // page back to the state before (true) or after (false) it.
    virtual void recordPageStep(const StepName& name, std::function<void(bool before)> apply) = 0;
    // The theme's colour roles, as one undoable step named `step`.
    virtual void setThemeRoles(const StepName& step, const ThemeRoles& roles) = 0;
    // Every slot's info text at once; a text switches the slot's tooltip on, none switches it off.
    virtual void setInfoTexts(const std::array<QString, 16>& texts) = 0;
};

} // namespace Tintara
