#pragma once

#include "color/notation.h"
#include "color/widecolor.h"

#include <QObject>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;

namespace Tintara {

class DocumentModel;
class TColorShape;
class WideSwatches;
struct Platform;

// The object names of the copy items of "Farbwert kopieren", one per notation in its order.
inline constexpr std::array<const char*, NotationCount> notationMenuItems = {
    "puHTML", "puHex", "puRGB", "puDelphi", "puCpp", "puVB", "puVSN", "puCMYK", "puCssRgb", "puCssHsl", "puCssOklch",
    "puCssDisplayP3",
};
static_assert(std::find(notationMenuItems.begin(), notationMenuItems.end(), nullptr) == notationMenuItems.end(),
              "every notation needs the object name of its copy item");

// The window's one context menu. It opens on every control of the window: swatches give their
// colour (copy, background), editable ones take the newest colour of the history, the HTML field
// gets copy and paste. Each copy also goes into the five-colour history.
class ContextMenu : public QObject
{
    Q_OBJECT

public:
    // A slot without a colour gives none; the window knows which swatches those are.
    using EmptySlotCheck = std::function<bool(const TColorShape*)>;
    // `buffers` show the model's five-colour history, newest first; a colour dropped on one goes
    // into the history there.
    ContextMenu(QWidget& window, QLineEdit* htmlField, const std::array<TColorShape*, 5>& buffers,
                DocumentModel& model, const Platform& platform, std::function<int()> copyFormat,
                EmptySlotCheck isEmptySlot, const WideSwatches& wide);

    // Opens on `area` and its controls too, a page made later.
    void watch(QWidget& area);
    QMenu* menu() const { return m_popup; }
    // An entry of a part added to the window, after the menu's own entries: shown when the menu
    // opens on a control `shownOn` accepts.
    using ControlCheck = std::function<bool(const QObject* control)>;
    void addEntry(QAction* entry, ControlCheck shownOn);
    // The swatch the menu was last opened on, with its colour; none where it opened elsewhere.
    const TColorShape* openedOnSwatch() const { return m_openedOnSwatch ? m_target : nullptr; }
    const WideColor& targetColor() const { return m_targetColor; }
    // Whether the menu, opened on `control`, has a colour of it to give: a swatch, not an empty slot.
    bool givesColour(const QObject* control) const;
    void PopupmenueClick(QAction* item);
    // The quick-copy entry names the copy format of this index.
    void showCopyFormat(int index);
    // The history's newest colour was set in this run, so it may be pasted.
    int bufferFilled() const { return m_bufferFilled; }
    void markBufferFilled() { m_bufferFilled = 1; }

Q_SIGNALS:
    void backgroundChosen(TColor color);
    void backgroundReset();
    void helpRequested();
    // "Farbwert einfügen" gave `swatch` the colour; the window makes it count.
    void colorInserted(TColorShape* swatch, TColor color);
    // "Einfügen" in the HTML field: the field reads colour text its own way.
    void pastedIntoHtmlField(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    enum class MenuContext { None, EditableSwatch, ReadOnlySwatch, HtmlField };
    MenuContext menuContextFor(QObject* control) const;
    void PopupmenuePopup(MenuContext context);
    void pushBuffer(TColor color);
    void showHistory();
    void watchControls(const QWidget& area);

    const Platform& m_platform;
    QLineEdit* m_htmlField;
    std::function<int()> m_copyFormat;
    EmptySlotCheck m_isEmptySlot;
    const WideSwatches& m_wide;
    std::array<TColorShape*, 5> m_buffers{};
    DocumentModel& m_model;
    bool m_showingHistory = false;
    int m_bufferFilled = 0;
    TColorShape* m_target = nullptr; // the swatch the menu was opened on
    WideColor m_targetColor;
    QMenu* m_popup = nullptr;
    bool m_openedOnSwatch = false;
    QAction* m_addedEntries = nullptr; // the separator before them
    std::vector<std::pair<QAction*, ControlCheck>> m_added;
    QAction* m_puPaste = nullptr;
    QAction* m_puCopy = nullptr;
    QAction* m_puInsert = nullptr;
    QAction* m_puFarbwert = nullptr;
    QMenu* m_puFarbwerte = nullptr;
    std::array<QAction*, NotationCount> m_notationActions{};
    QAction* m_puHintergrund = nullptr;
    QAction* m_puHintergrundStandard = nullptr;
    QAction* m_puHilfe = nullptr;
    int m_copyFormatShown = -1;
};

} // namespace Tintara
