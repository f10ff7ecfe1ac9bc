#pragma once

#include <QObject>
#include <QPalette>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace Tintara {

class DesktopAppearance;
class DocumentModel;

// The chrome's colours in the dark appearance: every text role reads at 4.5:1 or more on the
// roles it is drawn on, disabled texts included.
QPalette darkChromePalette();

// "Ansicht" → "Erscheinungsbild": the chrome (panels, menus, bars, fields, tabs) light, dark, or as
// the desktop prefers. The colours the user works with stay as they are: swatches, pictures, the
// test pages, a module background of the user's choice, exports.
class Appearance : public QObject
{
    Q_OBJECT

public:
    // In tintara.ini's order.
    enum class Choice { Desktop = 0, Light = 1, Dark = 2 };

    Appearance(QMenu* viewMenu, QWidget& window, DocumentModel& model, DesktopAppearance& desktop);
    ~Appearance() override;

    void setChoice(Choice choice);
    bool isDark() const { return m_dark; }

Q_SIGNALS:
    // The chrome's colours changed: a part that copied one of them takes it again.
    void chromeChanged();

private:
    void retranslate();
    void apply();

    DocumentModel& m_model;
    DesktopAppearance& m_desktop;
    QMenu* m_menu;
    std::array<QAction*, 3> m_choices{};
    Choice m_choice = Choice::Desktop;
    const QPalette m_light; // the desktop's own palette, which the light appearance keeps
    bool m_dark = false;
};

} // namespace Tintara
