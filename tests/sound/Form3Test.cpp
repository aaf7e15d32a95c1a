#include "FakeAudio.h"
#include "UiFakes.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace quarrix::test {
namespace {

constexpr std::uint32_t Music = sound::StatusPlaying | sound::StatusLooping;

class Form3Test : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    FakeDialogs dialogs;
    FakeAudio audio;
    std::unique_ptr<ui::Form3> form = std::make_unique<ui::Form3>(dialogs, audio);
    const sound::BufferHandle music = audio.last();  // loaded by the window
};

TEST_F(Form3Test, ShowsTheCaptionTextsAndLayoutInTwipsAndStartsTheMusic)
{
    EXPECT_EQ(form->windowTitle(), "Sound Option");
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));  // closing, unlike hiding, stops every sound
    const double px = form->logicalDpiX() / 96.0 / 15.0;
    const auto scaled = [px](int twips) { return static_cast<int>(twips * px + 0.5); };
    EXPECT_EQ(form->size(), QSize(scaled(7125), scaled(3615)));

    // Name, left, top, width and height in twips, text.
    const std::tuple<const char*, int, int, int, int, const char*> layout[]{
        {"Command1", 6000, 0, 1095, 495, "_ Hide"},
        {"Label1", 120, 1080, 1545, 300, "Sound Device:"},
        {"cmbDevices", 2280, 1080, 3000, 315, "Speakers"},
        {"Label2", 120, 1440, 1515, 300, "Gem Collision:"},
        {"txtGC", 2280, 1440, 3000, 315, "Dink.wav"},
        {"cmdGCclect", 5400, 1440, 1000, 300, "Browse..."},
        {"cmdGCPlay", 6480, 1440, 500, 300, "Play"},
        {"Label3", 120, 1800, 1875, 300, "Gem Destruction:"},
        {"txtGD", 2280, 1800, 3000, 315, "PahTush.wav"},
        {"cmdGDclect", 5400, 1800, 1000, 300, "Browse..."},
        {"cmdGDPlay", 6480, 1800, 500, 300, "Play"},
        {"Label4", 120, 2160, 2085, 300, "BackGround Music:"},
        {"txtBGM", 2280, 2160, 3000, 315, "BGM_2.wav"},
        {"cmdBGMclect", 5400, 2160, 1000, 300, "Browse..."},
        {"cmdBGMPlay", 6480, 2160, 500, 300, "Play"},
        {"checkBGM", 120, 2640, 2775, 495, "Disable BGM (click Play to apply)"}};
    for (const auto& [name, left, top, width, height, text] : layout) {
        const QWidget* w = control(name);
        ASSERT_NE(w, nullptr);
        const QRect at = w->geometry();
        EXPECT_EQ(at.topLeft(), QPoint(scaled(left), scaled(top))) << name;
        EXPECT_EQ(at.height(), scaled(height)) << name;
        // Captions may widen to fit the font they get, but labels stop short of the text boxes.
        const bool caption = qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w);
        EXPECT_TRUE(caption ? at.width() >= scaled(width) : at.width() == scaled(width)) << name;
        EXPECT_TRUE(!qobject_cast<const QLabel*>(w) || at.right() < scaled(2280)) << name;
        EXPECT_EQ(w->property(qobject_cast<const QComboBox*>(w) ? "currentText" : "text").toString(), text) << name;
    }
    EXPECT_EQ(control<QLabel>("Label4")->font().pointSize(), 12);
    EXPECT_EQ(audio.at(music).status, Music);
}

TEST_F(Form3Test, MusicPlayPausesWhileTickedAndRefusesANameNotEndingInLowerCaseWav)
{
    control<QCheckBox>("checkBGM")->setChecked(true);
    EXPECT_TRUE(form->musicDisabled());
    click("cmdBGMPlay");
    EXPECT_EQ(audio.at(music).status, 0u);
    EXPECT_TRUE(audio.isLive(music));  // paused, still loaded
    EXPECT_TRUE(dialogs.messages.isEmpty());

    control<QCheckBox>("checkBGM")->setChecked(false);
    control<QLineEdit>("txtBGM")->setText("music.WAV");
    click("cmdBGMPlay");
    EXPECT_EQ(dialogs.messages, QStringList{"This is not a valid Sound File!"});
    EXPECT_EQ(audio.createCalls, 1);  // only the window's own load
}

TEST_F(Form3Test, BrowseAsksForAWaveFileAndCancelKeepsTheText)
{
    dialogs.chosenFile = "/sounds/knock.wav";
    click("cmdGCclect");
    dialogs.chosenFile.clear();
    click("cmdGCclect");
    EXPECT_EQ(form->collisionFile(), "/sounds/knock.wav");
    EXPECT_EQ(dialogs.fileDialogs, QStringList(2, "Select Sound File...|Wave Sound Files (*.wav)"));
}

TEST_F(Form3Test, AChosenDeviceServesTheNextSoundWhileEarlierOnesPlayOn)
{
    click("cmdGCPlay");
    const auto earlier = audio.last();
    auto* combo = control<QComboBox>("cmbDevices");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    click("cmdGDPlay");
    EXPECT_EQ(audio.at(audio.last()).device, 1);
    EXPECT_EQ(audio.at(earlier).device, 0);
    EXPECT_EQ(audio.at(earlier).status, sound::StatusPlaying);
    EXPECT_EQ(audio.at(music).status, Music);
}

}  // namespace
}  // namespace quarrix::test
