#pragma once

#include "AppModel.h"
#include "TwipScale.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrix::ui {

// The sound options window: output device, the three sound files and the music switch. Its
// controls show the model's sound settings and write every change into them at once. Closing it,
// rather than hiding it, has the model stop every sound and forget the settings.
class Form3 : public QWidget {
    Q_OBJECT
public:
    Form3(Dialogs& dialogs, AppModel& model, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width);
    QLineEdit* addTextBox(const char* name, QString SoundSettings::*setting, int top);
    QPushButton* addButton(const char* name, const QString& text, int left, int top, int width, int height);
    void showSettings();
    void browseInto(QLineEdit* box);

    Dialogs& dialogs_;
    AppModel& model_;
    TwipScale scale_;
    QComboBox* cmbDevices_ = nullptr;
    QLineEdit* txtGC_ = nullptr;
    QLineEdit* txtGD_ = nullptr;
    QLineEdit* txtBGM_ = nullptr;
    QCheckBox* checkBGM_ = nullptr;
};

}  // namespace quarrix::ui
