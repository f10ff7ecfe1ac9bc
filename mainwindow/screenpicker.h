#pragma once

#include "color/tcolor.h"

#include "platform/screen.h"

#include <QObject>

#include <optional>

class QComboBox;
class QWidget;

namespace Tintara {

class Screen;
class ContextMenu;
class DocumentModel;
class TMagnifier;

// The magnifier's zoom level for an item of the zoom list, if the item is one.
std::optional<int> zoomLevelFor(int index);

// Press on the magnifier, move anywhere on the screen, release: the pixel under the pointer.
// The press is the magnifier's own; the window holds the mouse for the rest, and the active
// colour display follows the pointer meanwhile. Where the screen cannot be read directly, the
// press hands the pick to the desktop, and its answer ends picking the same way.
class ScreenPicker : public QObject
{
    Q_OBJECT

public:
    ScreenPicker(QWidget& window, TMagnifier* magnifier, QComboBox* zoomList, DocumentModel& model,
                 Screen& screen);
    bool isPicking() const { return m_picking; }
    bool isFollowing() const { return m_following; }
    // The loupe follows the pointer wherever it goes, and the display shows the pixel under it,
    // until a click or Space picks it or Escape ends without a pick. Space with the pointer on the
    // magnifier starts it too.
    void startFollowing();
    // The context menu's entry for it, shown on the magnifier.
    void offerFollowingIn(ContextMenu& menu);

Q_SIGNALS:
    // The release ended picking on this colour.
    void picked(const WideColor& color);
    // The desktop should have picked, but no picker answered.
    void desktopPickerMissing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ZoomMouseDown(Qt::MouseButton button);
    void ZoomMouseUp();
    void desktopPicked(const DesktopPick& pick);
    // A desktop that never answers must not leave picking stuck: Escape or another press on the
    // magnifier gives up waiting, and a late answer is then ignored.
    void stopWaitingForDesktop();
    bool pointerOnMagnifier() const;
    // Space and Escape, wherever the window's focus is.
    bool followingKey(QObject* watched, QEvent* event);
    void follow(QPointF pointer);
    void endFollowing(bool pick);

    QWidget& m_window;
    TMagnifier* m_magnifier;
    QComboBox* m_zoomList;
    DocumentModel& m_model;
    Screen& m_screen;
    bool m_picking = false;
    WideColor m_underPointer; // the colour the display shows while picking
    bool m_waitingForDesktop = false;
    int m_desktopRequest = 0; // the request whose answer still counts
    QObject* m_escapeWhileWaiting;
    bool m_following = false;
    bool m_trackedBefore = false;
};

} // namespace Tintara
