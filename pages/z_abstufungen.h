#pragma once

#include "pages/modulepage.h"

#include <memory>
#include <vector>

namespace Ui {
class Z_Abstufungen;
}

namespace Tintara {

class PageHost;
class TColorShape;

// Eighteen shades of every used scheme slot, in the direction the list chooses.
class Z_Abstufungen : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Abstufungen(const PageHost& host, QWidget* parent = nullptr);
    ~Z_Abstufungen() override;

    // The chosen direction; restoring one from the configuration recomputes nothing.
    int direction() const;
    void writeSettings(PageSettings& settings) const override;
    void restoreSettings(const PageSettings& settings) override;
    void restoreDirection(int index);

    void Helligkeitsabstufungen();
    // The gradations follow every change of the scheme while the page is in view.
    void schemeChanged();
    void pageShown() override { Helligkeitsabstufungen(); }
    QList<QWidget*> backgroundCaptions() const override;

private:
    const PageHost& m_host;
    std::unique_ptr<Ui::Z_Abstufungen> ui;
    std::vector<TColorShape*> m_grid;
};

} // namespace Tintara
