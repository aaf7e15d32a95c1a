#include "FakeAudio.h"
#include "ui/Dialogs.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quarrix::test {
namespace {

using sound::StatusLooping;
using sound::StatusPlaying;
using ui::Form3;

class ScriptedDialogs final : public ui::Dialogs {
public:
    void message(const QString& text) override { messages.push_back(text); }
    QString inputBox(const QString&) override { return {}; }
    QString openFile(const QString& title, const QString& filter) override
    {
        titles.push_back(title);
        filters.push_back(filter);
        return answers.empty() ? QString() : answers.takeFirst();
    }

    QStringList messages;
    QStringList titles;
    QStringList filters;
    QStringList answers;  // next file chosen; an empty text is a cancel
};

class Form3Test : public ::testing::Test {
protected:
    Form3Test() : form(new Form3(dialogs, audio)) {}
    ~Form3Test() override { delete form.data(); }

    template <typename T>
    T* control(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    sound::BufferHandle music() const
    {
        for (auto it = audio.created.rbegin(); it != audio.created.rend(); ++it) {
            if (*it != sound::NoBuffer && audio.at(*it).file.ends_with("BGM_2.wav")) {
                return *it;
            }
        }
        return sound::NoBuffer;
    }

    ScriptedDialogs dialogs;
    FakeAudio audio;
    QPointer<Form3> form;
};

// Left, top, width, height in twips.
struct Placement {
    const char* name;
    int left, top, width, height;
};

TEST_F(Form3Test, ShowsTheCaptionTextsAndLayoutInTwips)
{
    EXPECT_EQ(form->objectName(), "Form3");
    EXPECT_EQ(form->windowTitle(), "Sound Option");
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
    const double px = form->logicalDpiX() / 96.0 / 15.0;
    const auto scaled = [px](int twips) { return static_cast<int>(twips * px + 0.5); };
    EXPECT_EQ(form->size(), QSize(scaled(7125), scaled(3615)));

    const std::vector<Placement> layout{
        {"Command1", 6000, 0, 1095, 495},    {"Label1", 120, 1080, 1545, 300},    {"cmbDevices", 2280, 1080, 3000, 315},
        {"Label2", 120, 1440, 1515, 300},    {"txtGC", 2280, 1440, 3000, 315},    {"cmdGCclect", 5400, 1440, 1000, 300},
        {"cmdGCPlay", 6480, 1440, 500, 300}, {"Label3", 120, 1800, 1875, 300},    {"txtGD", 2280, 1800, 3000, 315},
        {"cmdGDclect", 5400, 1800, 1000, 300}, {"cmdGDPlay", 6480, 1800, 500, 300}, {"Label4", 120, 2160, 2085, 300},
        {"txtBGM", 2280, 2160, 3000, 315},   {"cmdBGMclect", 5400, 2160, 1000, 300}, {"cmdBGMPlay", 6480, 2160, 500, 300},
        {"checkBGM", 120, 2640, 2775, 495}};
    for (const auto& p : layout) {
        const QWidget* w = control<QWidget>(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), QRect(scaled(p.left), scaled(p.top), scaled(p.width), scaled(p.height))) << p.name;
    }

    EXPECT_EQ(control<QPushButton>("Command1")->text(), "_ Hide");
    const std::vector<std::pair<const char*, const char*>> labels{
        {"Label1", "Sound Device:"}, {"Label2", "Gem Collision:"}, {"Label3", "Gem Destruction:"},
        {"Label4", "BackGround Music:"}};
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(control<QLabel>(name)->text(), text);
        EXPECT_EQ(control<QLabel>(name)->font().pointSize(), 12);
    }
    EXPECT_EQ(control<QLineEdit>("txtGC")->text(), "Dink.wav");
    EXPECT_EQ(control<QLineEdit>("txtGD")->text(), "PahTush.wav");
    EXPECT_EQ(control<QLineEdit>("txtBGM")->text(), "BGM_2.wav");
    for (const char* name : {"cmdGCclect", "cmdGDclect", "cmdBGMclect"}) {
        EXPECT_EQ(control<QPushButton>(name)->text(), "Browse...");
    }
    for (const char* name : {"cmdGCPlay", "cmdGDPlay", "cmdBGMPlay"}) {
        EXPECT_EQ(control<QPushButton>(name)->text(), "Play");
    }
    EXPECT_EQ(control<QCheckBox>("checkBGM")->text(), "Disable BGM (click Play to apply)");
    EXPECT_FALSE(form->musicDisabled());
    EXPECT_EQ(form->collisionFile(), "Dink.wav");
    EXPECT_EQ(form->destructionFile(), "PahTush.wav");
}

TEST_F(Form3Test, LoadListsTheDevicesSelectsTheFirstAndLoopsTheMusic)
{
    auto* combo = control<QComboBox>("cmbDevices");
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "Headphones");
    EXPECT_EQ(combo->currentText(), "Speakers");
    const auto m = music();
    ASSERT_NE(m, sound::NoBuffer);
    EXPECT_EQ(audio.at(m).device, 0);
    EXPECT_EQ(audio.at(m).status, StatusPlaying | StatusLooping);
}

TEST_F(Form3Test, WithNoDeviceTheListKeepsItsInitialTextAndNothingPlays)
{
    FakeAudio silent;
    silent.devices.clear();
    Form3 other(dialogs, silent);
    EXPECT_EQ(other.findChild<QComboBox*>("cmbDevices")->currentText(), "Combo1");
    other.PlaySound("Dink.wav", 2);
    other.SetBGMSpeed(5);
    other.CleanUpSndBuffer();
    EXPECT_EQ(silent.liveCount(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Form3Test, MusicPlayWithANameNotEndingInLowerCaseWavShowsTheMessage)
{
    const auto m = music();
    control<QLineEdit>("txtBGM")->setText("music.WAV");
    const int loads = audio.createCalls;
    click("cmdBGMPlay");
    EXPECT_EQ(dialogs.messages, QStringList{"This is not a valid Sound File!"});
    EXPECT_EQ(audio.createCalls, loads);
    EXPECT_EQ(audio.at(m).status, 0u);  // left stopped
}

TEST_F(Form3Test, TickedMusicSwitchPlusPlayPausesAndUntickedPlayRestartsTheMusic)
{
    const auto m = music();
    control<QCheckBox>("checkBGM")->setChecked(true);
    EXPECT_TRUE(form->musicDisabled());
    click("cmdBGMPlay");
    EXPECT_EQ(audio.at(m).status, 0u);
    EXPECT_TRUE(audio.isLive(m));  // paused, still loaded for a later resume

    control<QCheckBox>("checkBGM")->setChecked(false);
    form->SetBGMSpeed(2);  // the next landing resumes it
    EXPECT_EQ(audio.at(m).status, StatusPlaying | StatusLooping);
    EXPECT_EQ(audio.at(m).frequency, 22270);

    click("cmdBGMPlay");  // a fresh load from the beginning at the file's own rate
    const auto again = music();
    EXPECT_NE(again, m);
    EXPECT_FALSE(audio.isLive(m));
    EXPECT_EQ(audio.at(again).frequency, 22050);
    EXPECT_EQ(audio.at(again).status, StatusPlaying | StatusLooping);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Form3Test, BrowseAsksForAWaveFileAndCancelKeepsTheText)
{
    auto* gc = control<QLineEdit>("txtGC");
    dialogs.answers = {"/sounds/knock.wav", ""};
    click("cmdGCclect");
    EXPECT_EQ(gc->text(), "/sounds/knock.wav");
    click("cmdGCclect");
    EXPECT_EQ(gc->text(), "/sounds/knock.wav");
    click("cmdBGMclect");
    EXPECT_EQ(control<QLineEdit>("txtBGM")->text(), "BGM_2.wav");
    EXPECT_EQ(dialogs.titles, QStringList(3, "Select Sound File..."));
    EXPECT_EQ(dialogs.filters, QStringList(3, "Wave Sound Files (*.wav)"));
    EXPECT_EQ(form->collisionFile(), "/sounds/knock.wav");
}

TEST_F(Form3Test, EffectPlayButtonsPlayTheTypedFilesAtCentre)
{
    control<QLineEdit>("txtGD")->setText("Dink.wav");
    click("cmdGDPlay");
    EXPECT_EQ(audio.at(audio.last()).file, "Dink.wav");
    EXPECT_EQ(audio.at(audio.last()).pan, 0);
    EXPECT_EQ(audio.at(audio.last()).status, StatusPlaying);
    click("cmdGCPlay");
    EXPECT_EQ(audio.createCalls, 3);
}

TEST_F(Form3Test, AChosenDeviceServesTheNextSoundAndAHandEditedOneServesNone)
{
    form->PlaySound("Dink.wav", 1);
    const auto earlier = audio.last();
    auto* combo = control<QComboBox>("cmbDevices");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    form->PlaySound("Dink.wav", 4);
    EXPECT_EQ(audio.at(audio.last()).device, 1);
    EXPECT_EQ(audio.at(earlier).status, StatusPlaying);
    EXPECT_EQ(audio.at(music()).device, 0);

    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "My speakers");
    const int before = audio.liveCount();
    form->PlaySound("Dink.wav", 4);
    EXPECT_EQ(audio.created.back(), sound::NoBuffer);
    EXPECT_EQ(audio.liveCount(), before);
}

TEST_F(Form3Test, HideKeepsTheSoundAndClosingStopsIt)
{
    form->show();
    click("Command1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(audio.liveCount(), 1);
    form->PlaySound("PahTush.wav", 0);
    form->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(audio.liveCount(), 0);
}

}  // namespace
}  // namespace quarrix::test
