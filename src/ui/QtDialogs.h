#pragma once

#include "Dialogs.h"

class QWidget;

namespace quarrix::ui {

// Dialogs shown with Qt's standard message box, input dialog and file dialog.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    QString inputBox(const QString& prompt) override;
    QString openFile(const QString& title, const QString& filter) override;
};

}  // namespace quarrix::ui
