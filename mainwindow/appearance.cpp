#include "mainwindow/appearance.h"

#include "controls/languagechange.h"
#include "model/documentmodel.h"
#include "platform/desktopappearance.h"
#include "platform/systemcolors.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace Tintara {

QPalette darkChromePalette()
{
    const QColor window(0x2d, 0x2d, 0x30), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    const QColor disabledText(0xb8, 0xb8, 0xb8); // 6.9:1 on the window, 4.8:1 on a button's lighter face
    QPalette palette(text, window, QColor(0x4a, 0x4a, 0x4f), QColor(0x16, 0x16, 0x18), QColor(0x24, 0x24, 0x27),
                     text, QColor(0xff, 0xff, 0xff), base, window);
    palette.setColor(QPalette::Midlight, QColor(0x3a, 0x3a, 0x3e));
    palette.setColor(QPalette::Shadow, QColor(0x0a, 0x0a, 0x0a));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x29));
    palette.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x40));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca)); // white on it 5.6:1
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    palette.setColor(QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    return palette;
}

Appearance::Appearance(QMenu* viewMenu, QWidget& window, DocumentModel& model, DesktopAppearance& desktop)
    : QObject(&window)
    , m_model(model)
    , m_desktop(desktop)
    , m_menu(viewMenu->addMenu(QString()))
    , m_light(QApplication::palette())
{
    m_menu->setObjectName(QStringLiteral("mmErscheinungsbild"));
    auto* group = new QActionGroup(m_menu);
    const char* names[] = {"mmWieDerDesktop", "mmHell", "mmDunkel"};
    for (int i = 0; i < 3; ++i) {
        QAction* choice = group->addAction(QString());
        choice->setObjectName(QLatin1String(names[i]));
        choice->setCheckable(true);
        m_menu->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, i] { setChoice(static_cast<Choice>(i)); });
        m_choices[static_cast<std::size_t>(i)] = choice;
    }
    m_choices.front()->setChecked(true);
    connect(&desktop, &DesktopAppearance::preferenceChanged, this, [this] {
        if (m_choice == Choice::Desktop)
            apply();
    });
    keepTranslated(&window, [this] { retranslate(); });
}

Appearance::~Appearance()
{
    if (m_dark) { // the application outlives the window, as in the tests
        setDarkChrome(false);
        QApplication::setPalette(m_light);
    }
}

void Appearance::retranslate()
{
    m_menu->setTitle(tr("Erscheinungsbild"));
    m_choices[0]->setText(tr("Wie der Desktop"));
    m_choices[1]->setText(tr("Hell"));
    m_choices[2]->setText(tr("Dunkel"));
}

void Appearance::setChoice(Choice choice)
{
    m_choice = choice;
    m_choices[static_cast<std::size_t>(choice)]->setChecked(true);
    m_model.setAppearance(static_cast<int>(choice));
    apply();
}

void Appearance::apply()
{
    const bool dark = m_choice == Choice::Dark || (m_choice == Choice::Desktop && m_desktop.prefersDark());
    if (dark == m_dark)
        return;
    m_dark = dark;
    setDarkChrome(dark);
    QApplication::setPalette(dark ? darkChromePalette() : m_light);
    Q_EMIT chromeChanged();
}

} // namespace Tintara
