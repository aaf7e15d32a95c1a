#include "ThreeWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quarrix;

struct Form3Test : ::testing::Test {
    void click(const char* name) const { QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton); }
    test::FakeAudio::Buffer& music() { return w.audio.records.at(0); }  // loaded at start-up

    test::ThreeWindows w;
    ui::Form3& form = w.form3;
};

TEST_F(Form3Test, MusicPlayPausesWhenDisabled)
{
    EXPECT_EQ(music().file, "BGM_2.wav");
    EXPECT_EQ(music().status, sound::StatusPlaying | sound::StatusLooping);
    form.findChild<QCheckBox*>("checkBGM")->setChecked(true);
    click("cmdBGMPlay");
    EXPECT_EQ(w.model.musicDisabled(), true);
    EXPECT_EQ(music().status, 0U);  // paused, still loaded
    EXPECT_EQ(music().live, true);
}

// A chosen device serves the next sound, not the music. Closed, the window unloads every sound;
// the next sound finds the first files and device again.
TEST_F(Form3Test, AChosenDeviceLastsUntilTheWindowIsClosed)
{
    QTest::keyClick(form.findChild<QComboBox*>("cmbDevices"), Qt::Key_Down);  // chooses the second device
    click("cmdGDPlay");
    EXPECT_EQ(std::pair(music().device, w.audio.records.back().device), std::pair(0, 1));
    form.findChild<QLineEdit*>("txtGC")->setText("Other.wav");
    form.findChild<QCheckBox*>("checkBGM")->setChecked(true);
    form.close();
    EXPECT_EQ(w.audio.liveCount(), 0);
    w.model.playCollision(2);  // a landing
    EXPECT_EQ(w.audio.records.at(2).file, "BGM_2.wav");
    EXPECT_EQ(w.audio.records.at(3).file, "Dink.wav");
    EXPECT_EQ(w.audio.records.at(3).device, 0);
    EXPECT_EQ(form.findChild<QCheckBox*>("checkBGM")->isChecked(), false);  // shown as it is again
}
