#pragma once

#include "color/tcolor.h"
#include "rules/navigationrules.h"

#include <QObject>

#include <functional>
#include <optional>

class QStackedWidget;
class QWidget;

namespace Tintara {

class DocumentModel;
class ModulePage;

// The colour of the module area. A user background chosen from the context menu shows on the
// pages that take it; the others keep the standard colour. Captions on the background take a
// text colour readable on it.
class ModuleBackground : public QObject
{
    Q_OBJECT

public:
    // `onUserBackgroundPage` tells whether the page on view is one that shows the user's colour.
    ModuleBackground(QWidget* panel, QStackedWidget* pages, DocumentModel& model,
                     std::function<bool()> onUserBackgroundPage, QObject* parent);

    static TColor standardBackground();
    // The colour the module area shows now.
    TColor color() const { return m_moduleBackground.value_or(clBtnFace); }
    // Makes `color` the user's background (the context menu's "Als Hintergrundfarbe").
    void setUserBackground(TColor color);
    void resetToStandard();
    // The background a command that uses it so leaves the module area in.
    void follow(BackgroundUse use);
    // A page made after start takes the caption colour of the background on view.
    void pageAdded(const ModulePage& page);
    void HintergrundWechsel(TColor color);
    // The chrome turned light or dark: the standard background and its captions follow it.
    void chromeChanged();

    // Kept in the model for tintara.ini: whether the user chose a background, and the last one shown.
    void restore(int customFlag, TColor storedBackground);

private:
    QWidget* m_panel;
    QStackedWidget* m_pages;
    DocumentModel& m_model;
    std::function<bool()> m_onUserBackgroundPage;
    TColor m_captionColor = clWindowText;
    std::optional<TColor> m_moduleBackground;
    bool m_standardShown = false;
};

} // namespace Tintara
