#include "Form3.h"

#include "TitleBar.h"
#include "WindowLook.h"

#include <QCheckBox>
#include <QCloseEvent>
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

Form3::Form3(Dialogs& dialogs, AppModel& model, QWidget* parent)
    : QWidget(parent, FixedWindow), dialogs_(dialogs), model_(model), scale_(logicalDpiX())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Sound Option"));
    buildControls();
    setFixedSize(scale_.px(ClientWidth), scale_.px(ClientHeight));
    showSettings();
    connect(&model_, &AppModel::soundLoaded, this, &Form3::showSettings);
    connect(&model_, &AppModel::soundOptionsWanted, this, [this] {
        show();
        raise();
    });
    TitleBar::fit(this);
}

void Form3::closeEvent(QCloseEvent* event)
{
    model_.closeSound();
    QWidget::closeEvent(event);
}

void Form3::buildControls()
{
    //: Hides the window.
    auto* hide = addButton("Command1", tr("_ Hide"), 6000, 0, 1095, 495);
    connect(hide, &QPushButton::clicked, this, &QWidget::hide);

    addLabel("Label1", tr("Sound Device:"), 120, 1080, 1545);
    cmbDevices_ = new QComboBox(this);
    cmbDevices_->setObjectName(QStringLiteral("cmbDevices"));
    cmbDevices_->setEditable(true);
    cmbDevices_->setInsertPolicy(QComboBox::NoInsert);
    scale_.place(cmbDevices_, {TextLeft, 1080, 3000, 315});
    connect(cmbDevices_, &QComboBox::activated, this, [this](int index) { model_.settings().device = index; });
    connect(cmbDevices_->lineEdit(), &QLineEdit::textEdited, this, [this] { model_.settings().device = -1; });

    addLabel("Label2", tr("Gem Collision:"), 120, 1440, 1515);
    txtGC_ = addTextBox("txtGC", &SoundSettings::collision, 1440);
    addLabel("Label3", tr("Gem Destruction:"), 120, 1800, 1875);
    txtGD_ = addTextBox("txtGD", &SoundSettings::destruction, 1800);
    addLabel("Label4", tr("BackGround Music:"), 120, 2160, 2085);
    txtBGM_ = addTextBox("txtBGM", &SoundSettings::music, 2160);

    const QString browse = tr("Browse...");
    const QString play = tr("Play");
    connect(addButton("cmdGCclect", browse, BrowseLeft, 1440, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtGC_); });
    connect(addButton("cmdGDclect", browse, BrowseLeft, 1800, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtGD_); });
    connect(addButton("cmdBGMclect", browse, BrowseLeft, 2160, 1000, 300), &QPushButton::clicked, this,
            [this] { browseInto(txtBGM_); });
    connect(addButton("cmdGCPlay", play, PlayLeft, 1440, 500, 300), &QPushButton::clicked, this,
            [this] { model_.playCollision(-1); });
    connect(addButton("cmdGDPlay", play, PlayLeft, 1800, 500, 300), &QPushButton::clicked, this,
            [this] { model_.playDestruction(-1); });
    connect(addButton("cmdBGMPlay", play, PlayLeft, 2160, 500, 300), &QPushButton::clicked, &model_,
            &AppModel::applyMusic);

    checkBGM_ = new QCheckBox(tr("Disable BGM (click Play to apply)"), this);
    checkBGM_->setObjectName(QStringLiteral("checkBGM"));
    scale_.place(checkBGM_, {120, 2640, 2775, 495});
    connect(checkBGM_, &QCheckBox::toggled, this, [this](bool on) { model_.settings().musicOff = on; });
}

QLabel* Form3::addLabel(const char* name, const QString& text, int left, int top, int width)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TwipScale::sized(label->font(), LabelPointSize));
    scale_.place(label, {left, top, width, 300});
    return label;
}

QLineEdit* Form3::addTextBox(const char* name, QString SoundSettings::*setting, int top)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    scale_.place(box, {TextLeft, top, 3000, 315});
    // Typed or chosen with Browse, a name counts from the next sound on.
    connect(box, &QLineEdit::textChanged, this,
            [this, setting](const QString& text) { model_.settings().*setting = text; });
    return box;
}

QPushButton* Form3::addButton(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    scale_.place(button, {left, top, width, height});
    return button;
}

void Form3::showSettings()
{
    const SoundSettings shown = model_.settings();  // each control writes back into the settings as it is set
    txtGC_->setText(shown.collision);
    txtGD_->setText(shown.destruction);
    txtBGM_->setText(shown.music);
    checkBGM_->setChecked(shown.musicOff);
    cmbDevices_->clear();
    //: In the device box until there is a device to show.
    cmbDevices_->setEditText(tr("Combo1"));
    cmbDevices_->addItems(model_.devices());
    if (shown.device >= 0) {
        cmbDevices_->setCurrentIndex(shown.device);
    }
}

void Form3::browseInto(QLineEdit* box)
{
    const QString chosen = dialogs_.openFile(tr("Select Sound File..."), tr("Wave Sound Files (*.wav)"));
    if (!chosen.isEmpty()) {
        box->setText(chosen);
    }
}

}  // namespace quarrix::ui
