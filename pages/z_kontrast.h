#pragma once

#include "color/tcolor.h"
#include "pages/modulepage.h"

#include <memory>

namespace Ui {
class Z_Kontrast;
}

namespace Tintara {

// The contrast check: the brightness and colour difference of a text and a background colour.
class Z_Kontrast : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Kontrast(QWidget* parent = nullptr);
    ~Z_Kontrast() override;

    // The sample, both differences, their lamps and sentences from shVorder and shHinter; runs
    // whenever either takes a colour.
    void KontrastCheck();
    // Puts a pair into the two fields, as drops on them would.
    void setPair(TColor text, TColor background);

private:
    // The WCAG 2.2 ratio with its lamp, and a passing shade of the text colour where AA fails.
    void showWcag();

    std::unique_ptr<Ui::Z_Kontrast> ui;
};

} // namespace Tintara
