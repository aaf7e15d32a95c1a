#include "FakeAudio.h"
#include "UiFakes.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quarrix::test {
namespace {

constexpr std::uint32_t Music = sound::StatusPlaying | sound::StatusLooping;

class Form3Test : public ::testing::Test {
protected:
    template <typename T = QPushButton>
    T* control(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    FakeDialogs dialogs;
    FakeAudio audio;
    std::unique_ptr<ui::Form3> form = std::make_unique<ui::Form3>(dialogs, audio);
    const sound::BufferHandle music = audio.last();  // loaded by the window
};

TEST_F(Form3Test, OpensWithTheFirstDeviceAndTheMusicLoopingAndPausesItWhileTicked)
{
    EXPECT_EQ(control<QComboBox>("cmbDevices")->currentText(), "Speakers");
    EXPECT_EQ(audio.at(music).file, "BGM_2.wav");
    EXPECT_EQ(audio.at(music).status, Music);
    control<QCheckBox>("checkBGM")->setChecked(true);
    EXPECT_TRUE(form->musicDisabled());
    click("cmdBGMPlay");
    EXPECT_EQ(audio.at(music).status, 0U);
    EXPECT_TRUE(audio.isLive(music));  // paused, still loaded
    EXPECT_TRUE(dialogs.messages.isEmpty());

    control<QCheckBox>("checkBGM")->setChecked(false);
    control<QLineEdit>("txtBGM")->setText("music.WAV");
    click("cmdBGMPlay");
    EXPECT_EQ(dialogs.messages, QStringList{"This is not a valid Sound File!"});
    EXPECT_EQ(audio.createCalls, 1);  // only the window's own load
}

TEST_F(Form3Test, BrowseFillsTheNameUnlessCancelledAndAChosenDeviceServesTheNextSound)
{
    dialogs.chosenFile = "/sounds/knock.wav";
    click("cmdGCclect");
    dialogs.chosenFile.clear();
    click("cmdGCclect");
    EXPECT_EQ(form->collisionFile(), "/sounds/knock.wav");
    EXPECT_EQ(dialogs.fileDialogs, QStringList(2, "Select Sound File...|Wave Sound Files (*.wav)"));

    click("cmdGDPlay");
    const auto earlier = audio.last();
    auto* combo = control<QComboBox>("cmbDevices");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    click("cmdGDPlay");
    EXPECT_EQ(audio.at(audio.last()).device, 1);
    EXPECT_EQ(audio.at(earlier).device, 0);
    EXPECT_EQ(audio.at(earlier).status, sound::StatusPlaying);  // earlier sounds play on
}

}  // namespace
}  // namespace quarrix::test
