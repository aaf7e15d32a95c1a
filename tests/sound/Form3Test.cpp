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
using namespace quarrix::test;

class Form3Test : public ::testing::Test {
protected:
    void click(const char* name) const { QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton); }

    FakeDialogs dialogs;
    FakeAudio audio;
    ui::Form3 form{dialogs, audio};
    const sound::BufferHandle music = audio.last();  // loaded by the window
};

TEST_F(Form3Test, OpensWithTheMusicLoopingPausesItWhileTickedAndRefusesANameNotEndingInWav)
{
    EXPECT_EQ(audio.at(music).file, "BGM_2.wav");
    EXPECT_EQ(audio.at(music).status, sound::StatusPlaying | sound::StatusLooping);
    form.findChild<QCheckBox*>("checkBGM")->setChecked(true);
    EXPECT_TRUE(form.musicDisabled());
    click("cmdBGMPlay");
    EXPECT_TRUE(audio.at(music).status == 0U && audio.at(music).live);  // paused, still loaded

    form.findChild<QCheckBox*>("checkBGM")->setChecked(false);
    form.findChild<QLineEdit*>("txtBGM")->setText("music.WAV");
    click("cmdBGMPlay");
    EXPECT_EQ(dialogs.messages, QStringList{"This is not a valid Sound File!"});
}

TEST_F(Form3Test, BrowseFillsTheNameUnlessCancelledAndAChosenDeviceServesTheNextSound)
{
    dialogs.chosenFile = "/sounds/knock.wav";
    click("cmdGCclect");
    dialogs.chosenFile.clear();
    click("cmdGCclect");
    EXPECT_EQ(form.collisionFile(), "/sounds/knock.wav");
    EXPECT_EQ(dialogs.fileDialogs, QStringList(2, "Select Sound File...|Wave Sound Files (*.wav)"));

    click("cmdGDPlay");
    const auto earlier = audio.last();
    form.findChild<QComboBox*>("cmbDevices")->setCurrentIndex(1);
    emit form.findChild<QComboBox*>("cmbDevices")->activated(1);
    click("cmdGDPlay");
    EXPECT_EQ(audio.at(audio.last()).device, 1);
    EXPECT_TRUE(audio.at(earlier).device == 0 && audio.at(earlier).status == sound::StatusPlaying);  // plays on
}
