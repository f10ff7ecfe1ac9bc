#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace Tintara {

class TColorShape;

// Dragging colours between swatches. A left press on a swatch in automatic drag mode starts the
// drag at once and is not delivered as a press; the window then holds mouse and keyboard until
// the release drops the colour on what is under the pointer, or Escape calls the drag off. Once
// the pointer leaves the window, the drag is handed on to the desktop.
class SwatchDrag : public QObject
{
    Q_OBJECT

public:
    // Watches every swatch of `window`; `trash` is the waste bin.
    SwatchDrag(QWidget& window, QWidget* trash);
    // Watches the swatches of `area` too, a page made later.
    void watch(const QWidget& area);

    bool isDragging() const { return m_source != nullptr; }

Q_SIGNALS:
    // On a swatch that takes colours (the source itself too).
    void dropped(TColorShape* target, TColorShape* source);
    void droppedOnMixer(TColorShape* field, TColorShape* source);
    void droppedOnTrash(TColorShape* source);
    // The pointer left the window: the drag is over here and goes on to other programs.
    void leftWindow(TColorShape* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class DropKind { General, Trash, Mixer };
    bool start(QObject* watched, const QMouseEvent& press);
    void end();
    void move(QPoint globalPosition);
    std::optional<DropKind> dropKindOf(const QWidget* target) const;
    QWidget* dropTargetAt(QPoint globalPosition) const;
    void drop(QWidget* target, TColorShape* source);

    QWidget& m_window;
    QWidget* m_trash;
    TColorShape* m_source = nullptr;
};

} // namespace Tintara
