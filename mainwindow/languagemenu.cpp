#include "mainwindow/languagemenu.h"

#include "model/documentmodel.h"

#include <QActionGroup>
#include <QMenu>

namespace Tintara {

LanguageMenu::LanguageMenu(QMenu* helpMenu, DocumentModel& model) : m_model(model)
{
    // Each language is named in itself, so that either can be found whichever is shown.
    QMenu* menu = helpMenu->addMenu(QStringLiteral("Sprache / Language"));
    menu->setObjectName(QStringLiteral("mmSprache"));
    auto* group = new QActionGroup(menu); // with the menu, where the window finds its actions
    m_german = group->addAction(QStringLiteral("Deutsch"));
    m_german->setObjectName(QStringLiteral("mmSpracheDeutsch"));
    m_english = group->addAction(QStringLiteral("English"));
    m_english->setObjectName(QStringLiteral("mmSpracheEnglish"));
    for (QAction* action : {m_german, m_english}) {
        action->setCheckable(true);
        menu->addAction(action);
    }
    m_german->setChecked(true);
    for (const auto& [action, language] : {std::pair(m_german, Language::German), std::pair(m_english, Language::English)}) {
        connect(action, &QAction::triggered, this, [this, language] {
            keep(language);
            show(language);
        });
    }
}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::start(Language kept, Language shown)
{
    keep(kept);
    show(shown);
}

void LanguageMenu::keep(Language language)
{
    m_model.setLanguage(languageCode(language));
}

void LanguageMenu::show(Language language)
{
    (language == Language::English ? m_english : m_german)->setChecked(true);
    if (language != installedLanguage())
        installLanguage(language);
}

} // namespace Tintara
