#include "mainwindow/tform1.h"

#include "color/mix.h"
#include "controls/tcolorshape.h"

#include "ui_z_palette.h"

namespace Tintara {

void TForm1::FarbpaletteFuellen()
{
    uiPalette->shPal1->setColor(RGB(255, 0, 0));
    uiPalette->shPal2->setColor(RGB(255, 0, 255));
    uiPalette->shPal3->setColor(RGB(0, 0, 255));
    uiPalette->shPal4->setColor(RGB(0, 0, 0));
    uiPalette->shPal5->setColor(RGB(255, 255, 255));
    uiPalette->shPal6->setColor(RGB(255, 128, 0));
    uiPalette->shPal7->setColor(RGB(0, 255, 0));
    uiPalette->shPal8->setColor(RGB(255, 255, 0));
}

// A clear mixing field takes the first colour as it is; later ones are laid over it.
void TForm1::DragDropPalette(TColorShape* field, TColorShape* source)
{
    const bool empty = field->brushStyle() == TColorShape::BrushStyle::Clear;
    field->setColor(empty ? source->color()
                          : MixColors(source->color(), field->color(), uiPalette->cbPalettenmischer->value()));
    field->setBrushStyle(TColorShape::BrushStyle::Solid);
}

} // namespace Tintara
