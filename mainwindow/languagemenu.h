#pragma once

#include "platform/language.h"

#include <QObject>

class QAction;
class QMenu;

namespace Tintara {

// "Sprache / Language" in the help menu: German or English, applied at once to every window and
// page. It remembers the language to keep, which a run started with --language does not change.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    explicit LanguageMenu(QMenu* helpMenu);
    ~LanguageMenu() override;

    // The language kept in tintara.ini, and the one this run shows (--language may differ).
    void start(Language kept, Language shown);
    // What tintara.ini keeps: the last one chosen in the menu, else the one it held.
    Language kept() const { return m_kept; }

private:
    void show(Language language);

    QAction* m_german;
    QAction* m_english;
    Language m_kept = Language::German;
};

} // namespace Tintara
