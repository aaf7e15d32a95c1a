#pragma once

#include "AppModel.h"
#include "TwipScale.h"

#include <QWidget>

#include <array>

class QListWidget;
class QTabWidget;

namespace quarrix::ui {

// The records window: the model's three high-score tables on the tabs of `Records`. It only
// displays them.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(AppModel& model, QWidget* parent = nullptr);
    // Makes `tab` current (AppModel::LastTab keeps the current one) and shows the window modeless;
    // an open window stays open.
    void showTab(int tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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

    void buildTab(int tab);
    QListWidget* addList(QWidget* page, const QString& name);
    void placeTab(int tab);
    void showTables();

    AppModel& model_;
    TwipScale scale_;
    QTabWidget* records_ = nullptr;
    std::array<TabLists, records::TableCount> lists_{};
};

}  // namespace quarrix::ui
