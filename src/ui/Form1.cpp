#include "Form1.h"

#include "PlayfieldWidget.h"
#include "TitleBar.h"
#include "WindowLook.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

#include <optional>

namespace quarrix::ui {

namespace {
constexpr int RowHeight = 360;  // twips, of a caption label and of its value
constexpr int RowPitch = 240;   // from one row's top to the next one's

// A value label is as wide as its figure and as high as its caption, so the two share a baseline.
void fitValue(QLabel* value)
{
    value->resize(value->sizeHint().width(), value->height());
}

// The keys of the well; every other key is the menus' and the window's.
std::optional<Command> commandFor(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return Command::Left;
    case Qt::Key_Up: return Command::Turn;
    case Qt::Key_Right: return Command::Right;
    case Qt::Key_Down: return Command::Down;
    default: return std::nullopt;
    }
}
}  // namespace

Form1::Form1(AppModel& model, QWidget* parent) : QMainWindow(parent, FixedWindow), model_(model), scale_(logicalDpiX())
{
    setObjectName(QStringLiteral("Form1"));
    //: The game's name and the day of its first version, 17 February 2004, as a date is written here.
    setWindowTitle(tr("Quarrix Solo. - 17/2/2004"));
    setFocusPolicy(Qt::StrongFocus);

    playfield_ = new PlayfieldWidget(model_.game().field(), scale_, this);
    playfield_->setFixedSize(scale_.px(7725), scale_.px(8655));
    setCentralWidget(playfield_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the size the well and the menu bar need, no other
    buildMenus();
    buildPanels(playfield_);
    showChecks();

    connect(&model_, &AppModel::changed, this, &Form1::refresh);
    connect(&model_, &AppModel::changedNow, this, &Form1::repaintNow);
    connect(&model_, &AppModel::highestChanged, this, &Form1::showHighest);
    connect(this, &Form1::firstFrameShown, &model_, &AppModel::loadSound);
    TitleBar::fit(this);
}

Form1::~Form1() = default;

void Form1::load()
{
    model_.loadRecords();
    // Opening the sound device and loading the music take longer than everything the first
    // frame needs, so they wait for the well's first paint.
    playfield_->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == playfield_ && event->type() == QEvent::Paint) {
        playfield_->removeEventFilter(this);
        // Queued, so that the frame being painted reaches the screen first.
        QTimer::singleShot(0, this, &Form1::firstFrameShown);
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* Form1::addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("M_F"));
    connect(addItem(file, "M_F_NewGame", tr("New Game"), Qt::Key_F1), &QAction::triggered, &model_, &AppModel::newGame);
    file->addSeparator()->setObjectName(QStringLiteral("M_F_blank"));
    connect(addItem(file, "M_F_Exit", tr("Exit")), &QAction::triggered, qApp, &QCoreApplication::quit);

    QMenu* options = menuBar()->addMenu(tr("Options"));
    options->setObjectName(QStringLiteral("M_S"));
    auto* speeds = new QActionGroup(this);  // exclusive: one check mark, beside the chosen speed
    for (std::size_t i = 0; i < SpeedSetting::Items.size(); ++i) {
        const SpeedItem& item = SpeedSetting::Items[i];
        QAction* action = addItem(options, std::string(item.name).c_str(),
                                  QCoreApplication::translate("quarrix::SpeedSetting", item.caption.data()));
        action->setCheckable(true);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { chooseSpeed(static_cast<int>(i)); });
        speedItems_[i] = action;
    }
    options->addSeparator()->setObjectName(QStringLiteral("M_S_BLANK"));
    connect(addItem(options, "M_S_S", tr("Sound Option"), Qt::Key_F5), &QAction::triggered, this,
            [this] { model_.showSoundOptions(); });

    QMenu* records = menuBar()->addMenu(tr("Records"));
    records->setObjectName(QStringLiteral("M_R"));
    connect(addItem(records, "M_R_S", tr("Highest Scores"), Qt::Key_F2), &QAction::triggered, this,
            [this] { model_.showRecords(0); });
    connect(addItem(records, "H_R_Co", tr("Highest Combo"), Qt::Key_F3), &QAction::triggered, this,
            [this] { model_.showRecords(1); });
    connect(addItem(records, "H_R_Ch", tr("Highest Chain"), Qt::Key_F4), &QAction::triggered, this,
            [this] { model_.showRecords(2); });

    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("M_H"));
    addItem(help, "M_H_hmm", tr("Coming Soon..."));  // does nothing yet
}

QGroupBox* Form1::makeFrame(QWidget* area, const char* name, const QString& caption, int top)
{
    auto* frame = new QGroupBox(caption, area);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(TwipScale::sized(font(), 18));
    frame->setStyle(classicFrameStyle());
    scale_.place(frame, {3960, top, 3255, 1575});
    return frame;
}

QLabel* Form1::makeRow(QGroupBox* frame, const char* captionName, const QString& caption, const char* valueName,
                       int top)
{
    const QFont labelFont =
        fittingHeight(TwipScale::sized(font(), 13.5), {tr("Score:"), tr("Combo:"), tr("Chain:")}, scale_.px(RowPitch));
    auto* captionLabel = new QLabel(caption, frame);
    captionLabel->setObjectName(QString::fromLatin1(captionName));
    captionLabel->setFont(labelFont);
    scale_.place(captionLabel, {360, top, 1005, RowHeight});
    auto* value = new QLabel(QStringLiteral("0"), frame);
    value->setObjectName(QString::fromLatin1(valueName));
    value->setFont(labelFont);
    scale_.place(value, {1440, top, 0, RowHeight});
    fitValue(value);
    return value;
}

void Form1::buildPanels(QWidget* area)
{
    auto* next = new QLabel(tr("Next"), area);
    next->setObjectName(QStringLiteral("Label1"));
    next->setFont(TwipScale::sized(font(), 18));
    scale_.place(next, {3600, 480, 735, 435});

    QGroupBox* high = makeFrame(area, "frmHigh", tr("Highest"), 2280);
    lblHScore_ = makeRow(high, "Label2", tr("Score:"), "lblHScore", 480);
    lblHCombo_ = makeRow(high, "Label6", tr("Combo:"), "lblHCombo", 720);
    lblHChain_ = makeRow(high, "Label4", tr("Chain:"), "lblHChain", 960);

    QGroupBox* best = makeFrame(area, "frmBest", tr("Best"), 4200);
    lblBCombo_ = makeRow(best, "Label12", tr("Combo:"), "lblBCombo", 480);
    lblBChain_ = makeRow(best, "Label10", tr("Chain:"), "lblBChain", 960);

    QGroupBox* current = makeFrame(area, "frmCurrent", tr("Current"), 6120);
    lblCCombo_ = makeRow(current, "Label16", tr("Combo:"), "lblCCombo", 480);
    lblCChain_ = makeRow(current, "Label14", tr("Chain:"), "lblCChain", 720);
    lblCScore_ = makeRow(current, "Label8", tr("Score:"), "lblCScore", 960);
}

void Form1::chooseSpeed(int index)
{
    model_.chooseSpeed(index);
    showChecks();  // a refused click must not leave Qt's own toggle behind
}

void Form1::showChecks()
{
    for (std::size_t i = 0; i < speedItems_.size(); ++i) {
        speedItems_[i]->setChecked(static_cast<int>(i) == model_.game().speed().checkedItem());
    }
}

void Form1::setFigure(QLabel* label, const QString& text)
{
    if (label->text() != text) {
        label->setText(text);
        fitValue(label);
    }
}

void Form1::showFigures()
{
    const Figures& f = model_.game().field().figures;
    setFigure(lblBCombo_, QString::number(f.bestCombo));
    setFigure(lblBChain_, QString::number(f.bestChain));
    setFigure(lblCScore_, QString::number(f.score));
    setFigure(lblCCombo_, QString::number(f.combo));
    setFigure(lblCChain_, QString::number(f.chain));
}

void Form1::refresh()
{
    showFigures();
    playfield_->update();
}

void Form1::showHighest(const std::string& score, const std::string& combo, const std::string& chain)
{
    setFigure(lblHScore_, QString::fromUtf8(score));
    setFigure(lblHCombo_, QString::fromUtf8(combo));
    setFigure(lblHChain_, QString::fromUtf8(chain));
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    const std::optional<Command> move = commandFor(event->key());
    if (!move) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    command(*move);
}

void Form1::command(Command move)
{
    model_.command(move);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The close box ends the program like File > Exit, hidden companion windows included.
    event->accept();
    QCoreApplication::quit();
}

void Form1::repaintNow()
{
    showFigures();
    playfield_->repaint();  // the panels are its children and are drawn with it
}

}  // namespace quarrix::ui
