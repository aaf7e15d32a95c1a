// The records rows, offscreen: one row height across the five lists whatever script a name is
// in, and names that keep their letters before their speed suffix.
#include "ThreeWindows.h"
#include "ui/RecordsList.h"

#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>

using namespace quarrix;

TEST(RecordsRows, TheFiveListsShareEveryRowAndANameLosesItsSuffixFirst)
{
    test::ThreeWindows w;
    const QStringList names{"\u674e\u5c0f\u9f8d (spd=+50%)",     "\u4f50\u85e4\u82b1\u5b50 (spd=0)",
                            "\uae40\ubbfc\uc900 (spd=-25%)",     "\U0001F600\U0001F3AE (spd=+75%)",
                            "Zo\u00eb \u00d8rsted (spd=+25%)",   "Marta-Louise (spd=-75%)",
                            "\u9234\u6728\u4e00\u90ce (spd=0)",  "Ada (spd=0)",
                            "\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Marta-Louise Bergstrom-Lindqvist (spd=-50%)"};
    std::vector<std::string> items;
    for (const QString& name : names) {
        items.insert(items.end(), {name.toStdString(), "9", "9", "9"});
    }
    items.emplace_back("NEXT");
    test::writeFile("HighScores", test::quotedLines(items) + test::quotedLines({"NEXT", "NEXT"}));
    w.model.loadRecords();
    ui::Form2& form = w.form2;
    form.show();
    const auto* name = form.findChild<ui::RecordsList*>("listName_0");
    ASSERT_EQ(name->count(), 10);
    for (int row = 0; row < 10; ++row) {
        SCOPED_TRACE(names[row].toStdString());
        const QRect cell = name->visualItemRect(name->item(row));
        for (const char* column : {"listPos_0", "listScore_0", "listCombo_0", "listChain_0"}) {
            const auto* other = form.findChild<ui::RecordsList*>(column);
            EXPECT_EQ(other->viewport()->mapTo(&form, other->visualItemRect(other->item(row)).topLeft()).y(),
                      name->viewport()->mapTo(&form, cell.topLeft()).y());
        }
        // Tall enough for the line of whichever face draws the name, and inside the box.
        QTextLayout line(names[row], name->font());
        line.beginLayout();
        const QTextLine text = line.createLine();
        line.endLayout();  // which lays the line out
        EXPECT_GE(cell.height(), std::ceil(text.height()));
        EXPECT_LE(cell.bottom(), name->viewport()->rect().bottom());
    }
    // The whole name, then what room is left of the suffix; a name too long alone keeps none of it.
    const std::pair<int, QString> starts[]{
        {0, "\u674e\u5c0f\u9f8d (spd"}, {1, names[1]}, {4, "Zo\u00eb \u00d8rsted (spd"},
        {5, "Marta-Louise ("},          {6, names[6]}, {9, "Marta-Louise Be"}};
    for (const auto& [row, start] : starts) {
        const QString shown = name->shownText(row);
        EXPECT_EQ(shown.left(start.size()), start);
        EXPECT_LE(name->fontMetrics().horizontalAdvance(shown), name->viewport()->width());
        EXPECT_EQ(shown.indexOf(QLatin1Char('(')) < 0, row == 9) << shown.toStdString();
    }
    // A name that fits exactly, with no room for an ellipsis, stays whole without its suffix.
    const QFontMetrics fm = name->fontMetrics();
    EXPECT_EQ(ui::elideName(fm, names[1], fm.horizontalAdvance(names[1].left(4))), names[1].left(4));
}

TEST(RecordsRows, TenRowsStayInsideABoxShorterThanTenOfTheTallestLines)
{
    ui::RecordsList list(nullptr, QStringLiteral("listName_0"), 8);
    list.addItems(QStringList(10, QStringLiteral("Ada")));
    list.resize(100, 5 * ui::tallestLine(list.font()));
    list.show();
    EXPECT_LE(list.visualItemRect(list.item(9)).bottom(), list.viewport()->rect().bottom());
    EXPECT_EQ(list.visualItemRect(list.item(9)).top(), 9 * list.visualItemRect(list.item(0)).height());
}
