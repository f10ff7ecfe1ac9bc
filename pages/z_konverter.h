#pragma once

#include "color/tcolor.h"
#include "pages/modulepage.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class Z_Konverter;
}

namespace Tintara {

class PageHost;
class TColorShape;

// Shows the up to 48 colours of an old scheme file, to be dragged into the scheme.
class Z_Konverter : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Konverter(PageHost& host, QWidget* parent = nullptr);
    ~Z_Konverter() override;

private:
    void btnKonvDateiOeffnen();
    void showColours(const std::array<std::optional<TColor>, 48>& colors);
    void importPalette(const QString& path);
    void showOldScheme(const QString& path);

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Konverter> ui;
    std::vector<TColorShape*> m_grid;
};

} // namespace Tintara
