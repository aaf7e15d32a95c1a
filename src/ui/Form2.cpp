#include "Form2.h"

#include "RecordsList.h"
#include "TitleBar.h"
#include "WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace quarrix::ui {

namespace {
// Places in twips, relative to the tab control.
constexpr TwipRect ClientArea{0, 0, 7470, 3990};
constexpr TwipRect TabControl{240, 240, 6975, 3495};
constexpr TwipRect TitleLabel{360, 360, 6135, 615};
constexpr TwipRect HeaderLabel{120, 960, 6615, 255};
constexpr int ListTop = 1320;
constexpr int ListHeight = 2010;
constexpr TwipRect PosList{120, ListTop, 375, ListHeight};
constexpr TwipRect NameList{600, ListTop, 1500, ListHeight};
constexpr std::array<int, 3> FigureLefts{2160, 3720, 5280};
constexpr int FigureWidth = 1500;
constexpr int TitlePoints = 24;
constexpr int HeaderPoints = 12;
// Small enough for ten rows to fit the 2010 twips of a list box without scrolling.
constexpr int ListPoints = 8;

struct TabTexts {
    QString tab;
    QString title;
    QString header;
};

// The blank runs line the header words up over the list boxes below them: each header is one text,
// so that a language lines its own words up.
std::array<TabTexts, 3> tabTexts()
{
    //: The headers: the blanks put each word over its column of the list below.
    return {{
        {Form2::tr("Highest Scores"), Form2::tr("Highest Score"),
         Form2::tr("Pos Name (Speed)        Score               Combo             Chain")},
        {Form2::tr("Highest Combos"), Form2::tr("Highest Combos"),
         Form2::tr("Pos Name (Speed)        Combo             Chain                Score")},
        {Form2::tr("Highest Chains"), Form2::tr("Highest Chains"),
         Form2::tr("Pos Name (Speed)        Chain               Score               Combo")},
    }};
}

// The records keep their texts in UTF-8, whatever encoding the file holds them in.
QString display(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fillList(QListWidget* list, const QStringList& items, const QStringList& rows)
{
    list->clear();
    list->addItems(items);
    for (int i = 0; i < list->count(); ++i) {
        list->item(i)->setToolTip(rows[i]);
    }
}
}  // namespace

Form2::Form2(AppModel& model, QWidget* parent) : QWidget(parent, FixedWindow), model_(model), scale_(logicalDpiX())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Records"));
    setFixedSize(scale_.px(ClientArea.width), scale_.px(ClientArea.height));

    records_ = new QTabWidget(this);
    records_->setObjectName(QStringLiteral("Records"));
    scale_.place(records_, TabControl);
    for (int t = 0; t < records::TableCount; ++t) {
        buildTab(t);
    }
    showTables();

    // Read anew, the tables show as in a window just created: from tab 0.
    connect(&model, &AppModel::recordsLoaded, this, [this] {
        records_->setCurrentIndex(0);
        showTables();
    });
    connect(&model, &AppModel::tablesChanged, this, &Form2::showTables);
    connect(&model, &AppModel::recordsWanted, this, &Form2::showTab);
    TitleBar::fit(this);
}

void Form2::showTab(int tab)
{
    if (tab != AppModel::LastTab) {
        records_->setCurrentIndex(tab);
    }
    show();
    raise();
}

void Form2::closeEvent(QCloseEvent* event)
{
    model_.closeRecords();
    QWidget::closeEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show) {
        for (int t = 0; t < records::TableCount; ++t) {
            if (watched == lists_[static_cast<std::size_t>(t)].page) {
                placeTab(t);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::buildTab(int tab)
{
    const auto t = static_cast<std::size_t>(tab);
    const TabTexts texts = tabTexts()[t];
    auto* page = new QWidget;
    records_->addTab(page, texts.tab);

    auto* title = new QLabel(texts.title, page);
    title->setObjectName(QStringLiteral("Label%1").arg(tab + 1));
    title->setFont(TwipScale::sized(title->font(), TitlePoints));

    auto* header = new QLabel(texts.header, page);
    header->setObjectName(QStringLiteral("Label%1").arg(tab + 4));
    header->setFont(
        fittingHeight(TwipScale::sized(header->font(), HeaderPoints), {texts.header}, scale_.px(HeaderLabel.height)));

    TabLists& lists = lists_[t];
    lists.page = page;
    const QString element = QStringLiteral("_%1").arg(tab);
    lists.listPos = addList(page, "listPos" + element);
    lists.listName = addList(page, "listName" + element);
    lists.listScore = addList(page, "listScore" + element);
    lists.listCombo = addList(page, "listCombo" + element);
    lists.listChain = addList(page, "listChain" + element);
    for (int position = 1; position <= static_cast<int>(records::HighScoreTable::Capacity); ++position) {
        lists.listPos->addItem(QString::number(position));
    }
    page->installEventFilter(this);
    placeTab(tab);
}

QListWidget* Form2::addList(QWidget* page, const QString& name)
{
    return new RecordsList(page, name, ListPoints);
}

void Form2::placeTab(int tab)
{
    const TabLists& lists = lists_[static_cast<std::size_t>(tab)];
    // The twips are relative to the tab control; the page sits below its tab bar.
    const QPoint origin = lists.page->mapTo(records_, QPoint(0, 0));
    const auto place = [&](QWidget* widget, const TwipRect& r) { scale_.place(widget, r, origin); };
    place(lists.page->findChild<QLabel*>(QStringLiteral("Label%1").arg(tab + 1)), TitleLabel);
    place(lists.page->findChild<QLabel*>(QStringLiteral("Label%1").arg(tab + 4)), HeaderLabel);
    place(lists.listPos, PosList);
    place(lists.listName, NameList);
    // The tab's key column comes first: Score, Combo, Chain rotated by the tab number.
    const std::array<QListWidget*, 3> figures{lists.listScore, lists.listCombo, lists.listChain};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const std::size_t column = (static_cast<std::size_t>(tab) + i) % figures.size();
        place(figures[column], TwipRect{FigureLefts[i], ListTop, FigureWidth, ListHeight});
    }
}

void Form2::showTables()
{
    for (std::size_t t = 0; t < lists_.size(); ++t) {
        QStringList names, scores, combos, chains, rows;
        for (const records::ScoreRow& row : model_.tables()[t].rows()) {
            names << display(row.name);
            scores << display(row.score);
            combos << display(row.combo);
            chains << display(row.chain);
            rows << QStringLiteral("%1   %2   %3   %4").arg(names.back(), scores.back(), combos.back(), chains.back());
        }
        // A name cut short in its column shows whole, with its figures, in every cell's tooltip.
        fillList(lists_[t].listName, names, rows);
        fillList(lists_[t].listScore, scores, rows);
        fillList(lists_[t].listCombo, combos, rows);
        fillList(lists_[t].listChain, chains, rows);
    }
}

}  // namespace quarrix::ui
