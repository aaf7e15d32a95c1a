#pragma once

#include "Dialogs.h"
#include "TwipScale.h"
#include "sound/AudioDevice.h"
#include "sound/SoundBank.h"

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrix::ui {

// The sound options window: output device, the three sound files and the music switch.
// Its controls are the sound settings themselves. It owns the table of loaded sounds, so
// closing it (rather than hiding it) stops every sound.
class Form3 : public QWidget {
    Q_OBJECT
public:
    // Lists the output devices, picks the first and loops the music file the window shows.
    Form3(Dialogs& dialogs, sound::AudioDevice& audio, QWidget* parent = nullptr);
    ~Form3() override;

    void PlaySound(const QString& file, std::int16_t position);
    void CleanUpSndBuffer();
    bool musicDisabled() const;
    void SetBGMSpeed(std::int16_t gemHeight);
    // The effect files as the player last typed or chose them.
    QString collisionFile() const;
    QString destructionFile() const;

private:
    void buildControls();
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width);
    QLineEdit* addTextBox(const char* name, const QString& text, int top);
    QPushButton* addButton(const char* name, const QString& text, int left, int top, int width, int height);
    void listDevices();
    void browseInto(QLineEdit* box);
    void cmdBGMPlay_Click();

    Dialogs& dialogs_;
    sound::AudioDevice& audio_;
    sound::SoundBank bank_;
    TwipScale scale_;
    int listIndex_ = -1;  // -1 once the device text has been edited by hand
    QComboBox* cmbDevices_ = nullptr;
    QLineEdit* txtGC_ = nullptr;
    QLineEdit* txtGD_ = nullptr;
    QLineEdit* txtBGM_ = nullptr;
    QCheckBox* checkBGM_ = nullptr;
};

}  // namespace quarrix::ui
