#pragma once

#include "platform/language.h"

#include <QObject>

class QAction;
class QMenu;

namespace Tintara {

class DocumentModel;

// "Sprache / Language" in the help menu: German or English, applied at once to every window and
// page. It remembers the language to keep, which a run started with --language does not change.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QMenu* helpMenu, DocumentModel& model);
    ~LanguageMenu() override;

    // The language kept in tintara.ini, and the one this run shows (--language may differ).
    void start(Language kept, Language shown);

private:
    // What tintara.ini keeps: the last one chosen in the menu, else the one it held.
    void keep(Language language);
    void show(Language language);

    QAction* m_german;
    QAction* m_english;
    DocumentModel& m_model;
};

} // namespace Tintara
