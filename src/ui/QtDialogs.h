#pragma once

#include <QString>

#include <functional>
#include <utility>

class QWidget;

namespace quarrix::ui {

// The modal dialogs the game uses. Tests answer them without a screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with an OK button only, no icon, titled with the application's title.
    virtual void message(const QString& text) = 0;
    // A prompt with an empty default; returns the typed text, empty when cancelled.
    virtual QString inputBox(const QString& prompt) = 0;
    // A file-open dialog; returns the chosen path, empty when cancelled.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
};

// Dialogs shown with Qt's standard message box, input dialog and file dialog.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    QString inputBox(const QString& prompt) override;
    QString openFile(const QString& title, const QString& filter) override;
    // Runs before each dialog shows: a dialog at start-up may come before the controllers are started.
    void setBeforeShowing(std::function<void()> hook) { beforeShowing_ = std::move(hook); }

private:
    QWidget* prepare() const;

    std::function<void()> beforeShowing_;
};

}  // namespace quarrix::ui
