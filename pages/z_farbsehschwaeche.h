#pragma once

#include "color/cvd.h"
#include "pages/modulepage.h"

#include <memory>

namespace Ui {
class Z_Farbsehschwaeche;
}

namespace Tintara {

class PageHost;

// What the scheme, the test web pages and the test images look like with a colour-vision
// deficiency, beside how they are drawn; and the scheme's slot pairs that become hard to tell apart.
class Z_Farbsehschwaeche : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Farbsehschwaeche(PageHost& host, QWidget* parent = nullptr);
    ~Z_Farbsehschwaeche() override;

    void pageShown() override { simulate(); }

protected:
    void languageChanged() override;

private:
    Matrix3 matrix() const;
    void changed();
    void simulate();
    QPixmap grabView() const;
    void showPairs(const Matrix3& matrix);

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Farbsehschwaeche> ui;
};

} // namespace Tintara
