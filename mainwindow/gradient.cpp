#include "mainwindow/tform1.h"

#include "color/mix.h"
#include "controls/tcolorshape.h"

#include "ui_z_palette.h"

namespace Tintara {

// A clear mixing field takes the first colour as it is; later ones are laid over it.
void TForm1::DragDropPalette(TColorShape* field, TColorShape* source)
{
    const bool empty = field->brushStyle() == TColorShape::BrushStyle::Clear;
    field->setColor(empty ? source->color()
                          : MixColors(source->color(), field->color(), uiPalette->cbPalettenmischer->value()));
    field->setBrushStyle(TColorShape::BrushStyle::Solid);
}

} // namespace Tintara
