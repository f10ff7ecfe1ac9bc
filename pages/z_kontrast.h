#pragma once

#include "color/tcolor.h"
#include "pages/modulepage.h"

#include <memory>
#include <utility>

namespace Ui {
class Z_Kontrast;
}

namespace Tintara {

class PageHost;

// The contrast check: the brightness and colour difference of a text and a background colour.
class Z_Kontrast : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Kontrast(PageHost& host, QWidget* parent = nullptr);
    ~Z_Kontrast() override;

    // The sample, both differences, their lamps and sentences from shVorder and shHinter; runs
    // whenever either takes a colour.
    void KontrastCheck();
    // Puts a pair into the two fields, as drops on them would.
    void setPair(TColor text, TColor background);
    // The text and background colours of the two fields, and whether `control` is one of them.
    std::pair<TColor, TColor> textAndBackground() const { return {pair().text, pair().background}; }
    bool holdsPair(const QObject* control) const;

protected:
    void languageChanged() override;

private:
    void showHints();
    struct Pair {
        TColor text, background;
    };
    Pair pair() const;
    // The WCAG 2.2 ratio with its lamp and the APCA value, and passing shades of the text colour
    // and of the background where AA fails.
    void showWcag();
    // A new colour in either field is one undoable step.
    void pairChanged();
    void showPair(const Pair& pair);

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Kontrast> ui;
    Pair m_shown;
    bool m_restoring = false;
};

} // namespace Tintara
