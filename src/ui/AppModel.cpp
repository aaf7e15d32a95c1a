#include "AppModel.h"

#include "sound/DefaultSounds.h"

#include <QCoreApplication>
#include <QThread>

namespace quarrix::ui {

namespace {
// The records' texts in the language the program speaks.
QString shown(const records::PlayerText& text)
{
    return QString::fromStdString(text.shown([](const char* pattern) {
        return QCoreApplication::translate(records::PlayerText::TextContext, pattern).toStdString();
    }));
}

SoundSettings firstSettings()
{
    return {QString::fromUtf8(sound::CollisionSound), QString::fromUtf8(sound::DestructionSound),
            QString::fromUtf8(sound::MusicSound)};
}
}  // namespace

QtDropTimer::QtDropTimer(QObject* parent) : timer_(new QTimer(parent))
{
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(1000);
}

void QtDropTimer::setEnabled(bool on)
{
    if (on == timer_->isActive()) {
        return;  // switching a running timer on again must not restart its period
    }
    if (on) {
        timer_->start();
    } else {
        timer_->stop();
    }
}

AppModel::AppModel(Dialogs& dialogs, sound::AudioDevice& audio, RandomSource& random)
    : dialogs_(dialogs),
      timer_(this),
      game_(Game::Services{random, timer_, *this, *this, *this}),
      keeper_({*this, *this, *this}),
      audio_(audio),
      bank_(audio),
      settings_(firstSettings())
{
    connect(timer_.timer(), &QTimer::timeout, this, &AppModel::tick);
}

void AppModel::newGame()
{
    game_.newGame();
    emit changed();
}

void AppModel::tick()
{
    game_.tick();
    emit changed();
}

void AppModel::command(Command move)
{
    game_.command(move);
    emit changed();
}

void AppModel::chooseSpeed(int index)
{
    game_.chooseSpeed(index);
    emit changed();
}

void AppModel::pause(int milliseconds)
{
    if (pauseFunction_) {
        pauseFunction_(milliseconds);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void AppModel::repaintNow()
{
    emit changedNow();
}

void AppModel::showGameOver()
{
    emit changedNow();
    dialogs_.message(tr("Game Over"));
}

void AppModel::loadRecords()
{
    recordsOpen_ = true;
    keeper_.load();
    emit recordsLoaded();
}

void AppModel::reopenRecords()
{
    if (!recordsOpen_) {
        loadRecords();
    }
}

void AppModel::showRecords(int tab)
{
    reopenRecords();
    emit recordsWanted(tab);
}

void AppModel::processScore(const FinishedGame& game)
{
    reopenRecords();
    keeper_.processScore(game);
    emit tablesChanged();
    emit recordsWanted(LastTab);
}

std::string AppModel::askName(const records::PlayerText& prompt)
{
    return dialogs_.inputBox(shown(prompt)).toStdString();
}

void AppModel::showMessage(const records::PlayerText& text)
{
    dialogs_.message(shown(text));
}

void AppModel::showHighest(const std::string& score, const std::string& combo, const std::string& chain)
{
    emit highestChanged(score, combo, chain);
}

void AppModel::loadSound()
{
    if (soundOpen_) {
        return;
    }
    soundOpen_ = true;
    devices_.clear();
    for (const std::string& description : audio_.deviceDescriptions()) {
        devices_ << QString::fromStdString(description);
    }
    settings_.device = devices_.isEmpty() ? -1 : 0;
    bank_.startMusic(settings_.music.toStdString(), settings_.device);
    emit soundLoaded();
}

void AppModel::showSoundOptions()
{
    loadSound();
    emit soundOptionsWanted();
}

void AppModel::closeSound()
{
    bank_.unload();
    settings_ = firstSettings();
    soundOpen_ = false;
}

void AppModel::applyMusic()
{
    loadSound();
    bank_.stopMusic();
    if (settings_.musicOff) {
        return;  // paused: the next landing's speed change resumes it once unticked
    }
    if (!sound::SoundBank::isWaveName(settings_.music.toStdString())) {
        dialogs_.message(tr("This is not a valid Sound File!"));
        return;
    }
    bank_.startMusic(settings_.music.toStdString(), settings_.device);
}

void AppModel::playEffect(const QString& file, std::int16_t position)
{
    bank_.PlaySound(file.toStdString(), position, settings_.device);
}

void AppModel::playCollision(std::int16_t position)
{
    loadSound();
    playEffect(settings_.collision, position);
}

void AppModel::playDestruction(std::int16_t position)
{
    loadSound();
    playEffect(settings_.destruction, position);
}

void AppModel::cleanUpBuffers()
{
    loadSound();
    bank_.CleanUpSndBuffer();
}

bool AppModel::musicDisabled()
{
    loadSound();
    return settings_.musicOff;
}

void AppModel::setMusicSpeed(std::int16_t gemHeight)
{
    loadSound();
    bank_.SetBGMSpeed(gemHeight);
}

}  // namespace quarrix::ui
