#pragma once

#include "platform/platform.h"

#include <QMimeData>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

namespace Tintara::Fakes {

// Scripted stand-ins for the desktop: answers are queued, what was shown is recorded.

class FakeMessageBoxes : public MessageBoxes
{
public:
    void showError(const QString& text) override { errors << text; }
    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override { return answer(text); }
    bool askOkCancel(const QString& text) override { return answer(text); }

    QStringList errors, messages, questions;
    std::deque<bool> answers; // an empty queue answers No / Cancel

private:
    bool answer(const QString& text)
    {
        questions << text;
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
};

class FakeColorDialog : public ColorDialog
{
public:
    std::optional<TColor> execute(TColor initial) override
    {
        shownWith.push_back(initial);
        return result;
    }
    std::optional<TColor> result;
    std::vector<TColor> shownWith;
};

class FakeFileDialogs : public FileDialogs
{
public:
    std::optional<QString> execute(FileDialogKind kind, const FileDialogOptions& options) override
    {
        shown.push_back({kind, options});
        if (results.empty())
            return std::nullopt;
        auto result = results.front();
        results.pop_front();
        return result ? std::optional(withDefaultExtension(*result, options.defaultExt)) : std::nullopt;
    }
    struct Shown {
        FileDialogKind kind;
        FileDialogOptions options;
    };
    std::vector<Shown> shown;
    std::deque<std::optional<QString>> results; // nothing queued means Cancel
};

class FakeClipboard : public Clipboard
{
public:
    void setText(const QString& value) override { content = value; }
    QString text() const override { return content; }
    QImage image() const override { return picture; }
    QString content;
    QImage picture;
};

class FakeScreen : public Screen
{
public:
    QPoint cursorPos() const override { return cursor; }
    TColor pixel(QPoint position) const override
    {
        return image.valid(position) ? RGB(qRed(image.pixel(position)), qGreen(image.pixel(position)),
                                           qBlue(image.pixel(position)))
                                     : clBlack;
    }
    QImage capture(const QRect& area) const override
    {
        captures.push_back(area);
        return image.copy(area);
    }
    QSize primarySize() const override { return image.size(); }
    QPoint cursor;
    QImage image; // the whole "desktop"
    mutable std::vector<QRect> captures;
};

class FakeShell : public Shell
{
public:
    void openFirst(const QStringList& paths, const std::function<void()>& noneOpened) override
    {
        for (const QString& path : paths) {
            opened << path;
            if (!refused.contains(path))
                return;
        }
        noneOpened();
    }
    QStringList opened;
    QStringList refused; // no program registered for these
};

class FakeNotificationArea : public NotificationArea
{
public:
    bool notify(NotifyMessage message, const NotifyIconData& data) override
    {
        calls.push_back({message, data});
        return true;
    }
    bool available() const override { return present; }
    unsigned shellVersion() const override { return version; }
    quintptr taskBarWindow() const override { return taskBar; }
    QPoint cursorPos() const override { return cursor; }
    Qt::KeyboardModifiers keyboardModifiers() const override { return keys; }
    Qt::MouseButtons mouseButtons() const override { return buttons; }
    void setCallback(Callback value) override { callback = std::move(value); }

    struct Call {
        NotifyMessage message;
        NotifyIconData data;
    };
    std::vector<Call> calls;
    bool present = true;
    unsigned version = 0x60000;
    quintptr taskBar = 1;
    QPoint cursor;
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
    Callback callback;
};

class FakeRandomSource : public RandomSource
{
public:
    void randomize() override { ++randomizeCount; }
    int random(int range) override
    {
        if (values.empty())
            return 0;
        const int value = values.front() % range;
        values.pop_front();
        return value;
    }
    std::deque<int> values;
    int randomizeCount = 0;
};

class FakeDragOut : public DragOut
{
public:
    void start(QWidget*, QMimeData* data) override { started.emplace_back(data); }
    std::vector<std::unique_ptr<QMimeData>> started;
};

class FakeAppearance : public DesktopAppearance
{
public:
    bool prefersDark() override { return dark; }
    void change(bool prefersDark)
    {
        dark = prefersDark;
        Q_EMIT preferenceChanged();
    }
    bool dark = false;
};

struct FakePlatform {
    FakeMessageBoxes messages;
    FakeColorDialog colorDialog;
    FakeFileDialogs fileDialogs;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeShell shell;
    FakeNotificationArea notificationArea;
    FakeRandomSource random;
    FakeDragOut dragOut;
    FakeAppearance appearance;

    Platform platform()
    {
        return {messages, colorDialog, fileDialogs, clipboard, screen, shell, notificationArea, random, dragOut, appearance};
    }
};

} // namespace Tintara::Fakes
