#include "mainwindow/languagemenu.h"

#include <QActionGroup>
#include <QMenu>

namespace Tintara {

LanguageMenu::LanguageMenu(QMenu* helpMenu)
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
    connect(m_german, &QAction::triggered, this, [this] {
        m_kept = Language::German;
        show(Language::German);
    });
    connect(m_english, &QAction::triggered, this, [this] {
        m_kept = Language::English;
        show(Language::English);
    });
}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::start(Language kept, Language shown)
{
    m_kept = kept;
    show(shown);
}

void LanguageMenu::show(Language language)
{
    (language == Language::English ? m_english : m_german)->setChecked(true);
    if (language != installedLanguage())
        installLanguage(language);
}

} // namespace Tintara
