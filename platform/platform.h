#pragma once

#include "platform/clipboard.h"
#include "platform/colordialog.h"
#include "platform/desktopappearance.h"
#include "platform/dragout.h"
#include "platform/filedialog.h"
#include "platform/messageboxes.h"
#include "platform/notificationarea.h"
#include "platform/randomsource.h"
#include "platform/screen.h"
#include "platform/shell.h"

namespace Tintara {

// Everything the window needs from the desktop, handed over at construction.
struct Platform {
    MessageBoxes& messages;
    ColorDialog& colorDialog;
    FileDialogs& fileDialogs;
    Clipboard& clipboard;
    Screen& screen;
    Shell& shell;
    NotificationArea& notificationArea;
    RandomSource& random;
    DragOut& dragOut;
    DesktopAppearance& appearance;
};

} // namespace Tintara
