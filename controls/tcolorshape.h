#pragma once

#include "color/tcolor.h"

#include <QWidget>

namespace Tintara {

// A rectangle filled with one colour: every colour field of the program. It reports the pointer
// entering and leaving, and while the pointer is over it hint windows take its own hint colour.
class TColorShape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(uint color READ color WRITE setColor)
    Q_PROPERTY(Tintara::TColorShape::BrushStyle brushStyle READ brushStyle WRITE setBrushStyle)
    Q_PROPERTY(uint penColor READ penColor WRITE setPenColor)
    Q_PROPERTY(Tintara::TColorShape::PenStyle penStyle READ penStyle WRITE setPenStyle)
    Q_PROPERTY(Tintara::TColorShape::DragMode dragMode READ dragMode WRITE setDragMode)
    Q_PROPERTY(Tintara::TColorShape::Role role READ role WRITE setRole)

public:
    enum class BrushStyle { Solid, Clear, Cross, DiagCross };
    Q_ENUM(BrushStyle)
    enum class PenStyle { Solid, Clear, InsideFrame };
    Q_ENUM(PenStyle)
    enum class DragMode { Manual, Automatic };
    Q_ENUM(DragMode)
    // What the window does with the swatch: a source shows its values on hover and offers them
    // in the context menu; a target also takes colours dropped or pasted on it; a mixing field
    // lays them over its own; a decoration takes part in nothing.
    enum class Role { Source, Target, MixingField, Decoration };
    Q_ENUM(Role)

    explicit TColorShape(QWidget* parent = nullptr);

    // The swatch's colour is its brush colour.
    TColor color() const { return m_brushColor; }
    void setColor(TColor color);
    BrushStyle brushStyle() const { return m_brushStyle; }
    void setBrushStyle(BrushStyle style);

    TColor penColor() const { return m_penColor; }
    void setPenColor(TColor color);
    PenStyle penStyle() const { return m_penStyle; }
    void setPenStyle(PenStyle style);
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width);

    TColor hintColor() const { return m_hintColor; }
    void setHintColor(TColor color) { m_hintColor = color; }

    Role role() const { return m_role; }
    void setRole(Role role) { m_role = role; }

    DragMode dragMode() const { return m_dragMode; }
    void setDragMode(DragMode mode) { m_dragMode = mode; }

    // The hint text, shown as tooltip while showHint() is on.
    QString hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool show);

    // While designing, entering records the hint colour but changes nothing and reports nothing.
    void setDesigning(bool designing) { m_designing = designing; }

    // The rectangle that is filled and outlined, for a control of `size` and a pen of `penWidth`.
    static QRect figureRect(QSize size, int penWidth);

Q_SIGNALS:
    // Every colour set, also the same one again: a drop or a paste of an equal colour still counts.
    void colorChanged(Tintara::TColorShape* sender);
    // A drag swatch pressed and released on itself, without going anywhere: a click.
    void clicked(Tintara::TColorShape* sender);
    // Filled or empty: a mixing field is emptied on the trash and filled by a drop.
    void brushStyleChanged(Tintara::TColorShape* sender);
    void mouseEnter(Tintara::TColorShape* sender);
    void mouseLeave(Tintara::TColorShape* sender);
    void ctl3DChanged(Tintara::TColorShape* sender);
    void parentColorChange(Tintara::TColorShape* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pointerEntered();
    void pointerLeft();

    TColor m_brushColor = clWhite;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    TColor m_penColor = clBlack;
    PenStyle m_penStyle = PenStyle::Solid;
    int m_penWidth = 1;
    TColor m_hintColor = clInfoBk;
    TColor m_savedHintColor = clInfoBk;
    bool m_over = false;
    bool m_designing = false;
    DragMode m_dragMode = DragMode::Manual;
    Role m_role = Role::Source;
    QString m_hint;
    bool m_showHint = false;
};

} // namespace Tintara
