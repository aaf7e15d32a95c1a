#pragma once

#include "Dialogs.h"

#include <functional>
#include <utility>

class QWidget;

namespace quarrix::ui {

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
