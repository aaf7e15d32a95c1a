#include "Form3.h"

#include "WindowLook.h"
#include "sound/DefaultSounds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quarrix::ui {

namespace {
constexpr int ClientWidth = 7125;  // twips
constexpr int ClientHeight = 3615;
constexpr int LabelPointSize = 12;
constexpr int TextLeft = 2280;
constexpr int BrowseLeft = 5400;
constexpr int PlayLeft = 6480;
}  // namespace

Form3::Form3(Dialogs& dialogs, sound::AudioDevice& audio, QWidget* parent)
    : QWidget(parent, FixedWindow), dialogs_(dialogs), audio_(audio), bank_(audio)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Sound Option"));
    setAttribute(Qt::WA_DeleteOnClose);
    scale_ = TwipScale(logicalDpiX());
    buildControls();
    setFixedSize(scale_.px(ClientWidth), scale_.px(ClientHeight));
    listDevices();
    bank_.startMusic(txtBGM_->text().toStdString(), listIndex_);
}

// Closing the window releases every loaded sound through the table's destructor.
Form3::~Form3() = default;

void Form3::PlaySound(const QString& file, std::int16_t position)
{
    bank_.PlaySound(file.toStdString(), position, listIndex_);
}

void Form3::CleanUpSndBuffer()
{
    bank_.CleanUpSndBuffer();
}

bool Form3::musicDisabled() const
{
    return checkBGM_->isChecked();
}

void Form3::SetBGMSpeed(std::int16_t gemHeight)
{
    bank_.SetBGMSpeed(gemHeight);
}

QString Form3::collisionFile() const
{
    return txtGC_->text();
}

QString Form3::destructionFile() const
{
    return txtGD_->text();
}

void Form3::buildControls()
{
    auto* hide = addButton("Command1", QStringLiteral("_ Hide"), 6000, 0, 1095, 495);
    connect(hide, &QPushButton::clicked, this, &QWidget::hide);

    addLabel("Label1", QStringLiteral("Sound Device:"), 120, 1080, 1545);
    cmbDevices_ = new QComboBox(this);
    cmbDevices_->setObjectName(QStringLiteral("cmbDevices"));
    cmbDevices_->setEditable(true);
    cmbDevices_->setInsertPolicy(QComboBox::NoInsert);
    cmbDevices_->setEditText(QStringLiteral("Combo1"));
    scale_.place(cmbDevices_, {TextLeft, 1080, 3000, 315});
    connect(cmbDevices_, &QComboBox::activated, this, [this](int index) { listIndex_ = index; });
    connect(cmbDevices_->lineEdit(), &QLineEdit::textEdited, this, [this] { listIndex_ = -1; });

    addLabel("Label2", QStringLiteral("Gem Collision:"), 120, 1440, 1515);
    txtGC_ = addTextBox("txtGC", QString::fromUtf8(sound::CollisionSound), 1440);
    addLabel("Label3", QStringLiteral("Gem Destruction:"), 120, 1800, 1875);
    txtGD_ = addTextBox("txtGD", QString::fromUtf8(sound::DestructionSound), 1800);
    addLabel("Label4", QStringLiteral("BackGround Music:"), 120, 2160, 2085);
    txtBGM_ = addTextBox("txtBGM", QString::fromUtf8(sound::MusicSound), 2160);

    const QString browse = QStringLiteral("Browse...");
    const QString play = QStringLiteral("Play");
    connect(addButton("cmdGCclect", browse, BrowseLeft, 1440, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtGC_); });
    connect(addButton("cmdGDclect", browse, BrowseLeft, 1800, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtGD_); });
    connect(addButton("cmdBGMclect", browse, BrowseLeft, 2160, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtBGM_); });
    connect(addButton("cmdGCPlay", play, PlayLeft, 1440, 500, 300), &QPushButton::clicked, this,
            [this] { PlaySound(txtGC_->text(), -1); });
    connect(addButton("cmdGDPlay", play, PlayLeft, 1800, 500, 300), &QPushButton::clicked, this,
            [this] { PlaySound(txtGD_->text(), -1); });
    connect(addButton("cmdBGMPlay", play, PlayLeft, 2160, 500, 300), &QPushButton::clicked, this,
            [this] { cmdBGMPlay_Click(); });

    checkBGM_ = new QCheckBox(QStringLiteral("Disable BGM (click Play to apply)"), this);
    checkBGM_->setObjectName(QStringLiteral("checkBGM"));
    scale_.place(checkBGM_, {120, 2640, 2775, 495});
}

QLabel* Form3::addLabel(const char* name, const QString& text, int left, int top, int width)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TwipScale::sized(label->font(), LabelPointSize));
    scale_.place(label, {left, top, width, 300});
    return label;
}

QLineEdit* Form3::addTextBox(const char* name, const QString& text, int top)
{
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromLatin1(name));
    scale_.place(box, {TextLeft, top, 3000, 315});
    return box;
}

QPushButton* Form3::addButton(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    scale_.place(button, {left, top, width, height});
    return button;
}

void Form3::listDevices()
{
    for (const std::string& description : audio_.deviceDescriptions()) {
        cmbDevices_->addItem(QString::fromStdString(description));
    }
    if (cmbDevices_->count() > 0) {
        cmbDevices_->setCurrentIndex(0);
        listIndex_ = 0;
    }
}

void Form3::browseInto(QLineEdit* box)
{
    const QString chosen =
        dialogs_.openFile(QStringLiteral("Select Sound File..."), QStringLiteral("Wave Sound Files (*.wav)"));
    if (!chosen.isEmpty()) {
        box->setText(chosen);
    }
}

void Form3::cmdBGMPlay_Click()
{
    bank_.stopMusic();
    if (checkBGM_->isChecked()) {
        return;  // paused: the next landing's speed change resumes it once unticked
    }
    const QString file = txtBGM_->text();
    if (!sound::SoundBank::isWaveName(file.toStdString())) {
        dialogs_.message(QStringLiteral("This is not a valid Sound File!"));
        return;
    }
    bank_.startMusic(file.toStdString(), listIndex_);
}

}  // namespace quarrix::ui
