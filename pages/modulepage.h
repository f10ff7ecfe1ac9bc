#pragma once

#include <QEvent>
#include <QList>
#include <QStackedWidget>
#include <QWidget>

#include <functional>
#include <type_traits>
#include <utility>

namespace Tintara {

class PageHost;
struct PageSettings;

// A page of the module area: its own form, its own handlers, its own share of the background.
class ModulePage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Captions that stand on the module background and take a text colour readable on it.
    virtual QList<QWidget*> backgroundCaptions() const { return {}; }
    // The window tells the page each time it becomes the visible one.
    void becameVisible()
    {
        catchUp();
        pageShown();
    }
    // What the page left for when it is shown, done now: for a reader of a page not on view.
    void catchUp()
    {
        if (const auto update = std::exchange(m_updateWhenShown, nullptr))
            update();
    }
    // The window's device pixels changed with its zoom: the pictures it made at the device
    // resolution are made again; a page not on view makes them as it is next shown.
    virtual void deviceResolutionChanged()
    {
        if (isCurrentPage())
            pageShown();
    }
    // The settings of tintara.ini the page keeps, written into `settings`; most pages keep none.
    virtual void writeSettings(PageSettings& settings) const { Q_UNUSED(settings); }
    // Shows `settings`, the model's, as the page is made or the configuration is read.
    virtual void restoreSettings(const PageSettings& settings) { Q_UNUSED(settings); }

Q_SIGNALS:
    // A setting the page keeps changed.
    void settingsChanged();

protected:
    // Runs each time the page becomes the visible one.
    virtual void pageShown() {}
    // Whether the page is the one the module area shows now.
    bool isCurrentPage() const;
    // A page not on view does no work: `update` runs now where the page is shown, else once when
    // it is next shown (the latest of those asked for meanwhile).
    void updateWhenShown(std::function<void()> update)
    {
        if (isCurrentPage())
            update();
        else
            m_updateWhenShown = std::move(update);
    }
    // Builds the page's form and has it read its texts again whenever the language changes.
    template <class Form> void setUpForm(Form& form)
    {
        form.setupUi(this);
        m_retranslate = [this, &form] { form.retranslateUi(this); };
    }
    void changeEvent(QEvent* event) override;
    // Shows again, in the new language, the texts the page composes itself; the form's own texts
    // have been read again before.
    virtual void languageChanged() {}

private:
    std::function<void()> m_retranslate;
    std::function<void()> m_updateWhenShown;
};

// Makes a page for the window; a page that needs nothing of the window takes no host.
template <class Page>
ModulePage* makePage(PageHost& host)
{
    if constexpr (std::is_constructible_v<Page, PageHost&>)
        return new Page(host);
    else
        return new Page;
}

inline void ModulePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (m_retranslate)
            m_retranslate();
        languageChanged(); // a page built without a form composes all its texts itself
    }
    QWidget::changeEvent(event);
}

inline bool ModulePage::isCurrentPage() const
{
    const auto* stack = qobject_cast<const QStackedWidget*>(parentWidget());
    return stack && stack->currentWidget() == this;
}

} // namespace Tintara
