#pragma once

#include "pages/modulepage.h"

#include <memory>

namespace Ui {
class Z_Kontrastmatrix;
}

namespace Tintara {

struct ContrastCell;
class PageHost;

// Every used slot of the scheme against every other as text on background, with the WCAG 2.2
// or APCA verdicts; a click on a cell takes the pair to the contrast page.
class Z_Kontrastmatrix : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Kontrastmatrix(PageHost& host, QWidget* parent = nullptr);
    ~Z_Kontrastmatrix() override;

    void pageShown() override { showMatrix(); }

protected:
    void languageChanged() override;

private:
    void showMatrix();
    void showMeasure();
    void schemeChanged();
    void takePair(const ContrastCell& cell);

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Kontrastmatrix> ui;
};

} // namespace Tintara
