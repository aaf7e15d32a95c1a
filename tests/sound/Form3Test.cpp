#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quarrix;

struct Form3Test : ::testing::Test {
    Form3Test() { model.loadSound(); }
    void click(const char* name) const { QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton); }

    test::FakeDialogs dialogs;
    test::FakeAudio audio;
    FixedSeedRandom random;
    ui::AppModel model{dialogs, audio, random};
    ui::Form3 form{dialogs, model};
    test::FakeAudio::Buffer& music() { return audio.records.at(0); }  // loaded with the sound
};

TEST_F(Form3Test, MusicPausesWhenPlayIsClickedWithBGMDisabled)
{
    EXPECT_EQ(music().file, "BGM_2.wav");
    EXPECT_EQ(music().status, sound::StatusPlaying | sound::StatusLooping);
    form.findChild<QCheckBox*>("checkBGM")->setChecked(true);
    click("cmdBGMPlay");
    EXPECT_EQ(model.musicDisabled(), true);
    EXPECT_EQ(music().status, 0U);  // paused, still loaded
    EXPECT_EQ(music().live, true);
}

TEST_F(Form3Test, PlayRefusesAMusicNameNotEndingInWav)
{
    form.findChild<QLineEdit*>("txtBGM")->setText("music().WAV");
    click("cmdBGMPlay");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(audio.createCalls, 1);  // only the music the window started with
}

TEST_F(Form3Test, AChosenDeviceServesTheNextSoundNotTheMusic)
{
    QTest::keyClick(form.findChild<QComboBox*>("cmbDevices"), Qt::Key_Down);  // chooses the second device
    click("cmdGDPlay");
    EXPECT_EQ(std::pair(music().device, audio.records.back().device), std::pair(0, 1));
}
