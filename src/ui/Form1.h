#pragma once

#include "AppModel.h"
#include "TwipScale.h"

#include <QMainWindow>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace quarrix::ui {

class PlayfieldWidget;

// The main window: the well, the Next box, the Highest/Best/Current panels and the menus.
// It shows the model's game and hands the keys and menu commands to the model.
class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(AppModel& model, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: reads the records now, and loads the sound once the window's first frame has been drawn.
    void load();

    PlayfieldWidget* playfield() const { return playfield_; }

    // The Highest panel: the tops of the tables, as the records hold them (UTF-8).
    void showHighest(const std::string& score, const std::string& combo, const std::string& chain);

    // A move of the falling pair, from a key or a controller.
    void command(Command move);

signals:
    // Just after the first frame of the well reached the screen, once: for work the start can wait for.
    void firstFrameShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanels(QWidget* area);
    QGroupBox* makeFrame(QWidget* area, const char* name, const QString& caption, int top);
    QLabel* makeRow(QGroupBox* frame, const char* captionName, const QString& caption, const char* valueName, int top);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {});
    void chooseSpeed(int index);
    void showChecks();
    void refresh();
    void repaintNow();
    void showFigures();
    static void setFigure(QLabel* label, const QString& text);

    AppModel& model_;
    TwipScale scale_;
    PlayfieldWidget* playfield_ = nullptr;
    std::array<QAction*, SpeedSetting::Items.size()> speedItems_{};
    QLabel* lblHScore_ = nullptr;
    QLabel* lblHCombo_ = nullptr;
    QLabel* lblHChain_ = nullptr;
    QLabel* lblBCombo_ = nullptr;
    QLabel* lblBChain_ = nullptr;
    QLabel* lblCCombo_ = nullptr;
    QLabel* lblCChain_ = nullptr;
    QLabel* lblCScore_ = nullptr;
};

}  // namespace quarrix::ui
