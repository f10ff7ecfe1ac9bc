#pragma once

#include "pages/modulepage.h"

#include <memory>
#include <vector>

namespace Ui {
class Z_Websave;
}

namespace Tintara {

class TColorShape;

// The 216 web-safe colours, WS1 to WS216.
class Z_Websave : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Websave(QWidget* parent = nullptr);
    ~Z_Websave() override;

private:
    void WebsavePalette();

    std::unique_ptr<Ui::Z_Websave> ui;
    std::vector<TColorShape*> m_grid;
};

} // namespace Tintara
