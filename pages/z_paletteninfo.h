#pragma once

#include "pages/modulepage.h"

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class Z_Paletteninfo;
}

namespace Tintara {

class PageHost;

// An info text (a name or a note) for each of the sixteen slots.
class Z_Paletteninfo : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Paletteninfo(PageHost& host, QWidget* parent = nullptr);
    ~Z_Paletteninfo() override;

    // The slots' texts into the fields; unapplied edits are dropped.
    void PalInfoslesen();

protected:
    // The header follows the window's font.
    void changeEvent(QEvent* event) override;

private:
    void PalInfossetzen();

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Paletteninfo> ui;
    std::array<QLineEdit*, 16> m_fields{};
};

} // namespace Tintara
