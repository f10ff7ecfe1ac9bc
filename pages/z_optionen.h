#pragma once

#include "pages/modulepage.h"
#include "rules/configformat.h"

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class Z_Optionen;
}

namespace Tintara {

// What is restored at start (the eighteen switches), the copy format, the way to the converter.
class Z_Optionen : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Optionen(PageHost& host, QWidget* parent = nullptr);
    ~Z_Optionen() override;

    bool option(Option option) const;
    // Chosen from code, as at start: every switch as `options` has it.
    void setOptions(const OptionSwitches& options);
    OptionSwitches options() const;

    // The copy format: an index of the eight notations, -1 for none.
    int copyFormat() const;
    void writeSettings(PageSettings& settings) const override;
    void restoreSettings(const PageSettings& settings) override;
    // Chosen from code: no change is reported. An index that names no item selects none.
    void selectCopyFormat(int index);

Q_SIGNALS:
    // The user chose another copy format in the list.
    void copyFormatChanged();

private:
    std::unique_ptr<Ui::Z_Optionen> ui;
    std::array<QCheckBox*, optionCount> m_switches{}; // [Option]: cbOpt_n
};

} // namespace Tintara
