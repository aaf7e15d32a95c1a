#pragma once

#include "Dialogs.h"
#include "TwipScale.h"
#include "game/GameServices.h"
#include "records/ScoreKeeper.h"

#include <QWidget>

#include <array>

class QListWidget;
class QTabWidget;

namespace quarrix::ui {

// The records window: the three high-score tables on the tabs of `Records`. It only displays
// them; the tables themselves are kept by a ScoreKeeper.
class Form2 : public QWidget, private records::NamePrompt, private records::MessageSink {
    Q_OBJECT

public:
    // Starts from the placeholder rows and reads "HighScores" from the current working directory;
    // a file that cannot be read is reported through dialogs.message.
    Form2(Dialogs& dialogs, records::HighestPanel& panel, QWidget* parent = nullptr);
    // Ranks the game (asking for names), saves the tables and refreshes the Highest panel, then
    // shows the window on its current tab.
    void processScore(const quarrix::FinishedGame& game);
    // The Records menu: makes `tab` current and shows the window modeless (stays open if already open).
    void showTab(int tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page of tab t and its five list boxes, named listPos_t, listName_t and so on.
    struct TabLists {
        QWidget* page = nullptr;
        QListWidget* listPos = nullptr;
        QListWidget* listName = nullptr;
        QListWidget* listScore = nullptr;
        QListWidget* listCombo = nullptr;
        QListWidget* listChain = nullptr;
    };

    std::string askName(const std::string& prompt) override;
    void showMessage(const std::string& text) override;

    void buildTab(int tab);
    QListWidget* addList(QWidget* page, const QString& name);
    void placeTab(int tab);
    void showTables();

    Dialogs& dialogs_;
    TwipScale scale_;
    QTabWidget* records_ = nullptr;
    std::array<TabLists, records::TableCount> lists_{};
    records::ScoreKeeper keeper_;
};

}  // namespace quarrix::ui
