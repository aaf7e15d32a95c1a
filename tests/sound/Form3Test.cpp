#include "FakeAudio.h"
#include "UiFakes.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quarrix;

struct Form3Test : ::testing::Test {
    void click(const char* name) const { QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton); }

    test::FakeDialogs dialogs;
    test::FakeAudio audio;
    ui::Form3 form{dialogs, audio};
    test::FakeAudio::Buffer& music() { return audio.records.at(0); }  // loaded by the window
};

TEST_F(Form3Test, MusicPausesWhenPlayIsClickedWithBGMDisabled)
{
    EXPECT_EQ(music().file, "BGM_2.wav");
    EXPECT_EQ(music().status, sound::StatusPlaying | sound::StatusLooping);
    form.findChild<QCheckBox*>("checkBGM")->setChecked(true);
    click("cmdBGMPlay");
    EXPECT_TRUE(form.musicDisabled());
    EXPECT_EQ(music().status, 0U);  // paused, still loaded
    EXPECT_TRUE(music().live);
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
    EXPECT_EQ(music().device, 0);
    EXPECT_EQ(audio.records.back().device, 1);
}
