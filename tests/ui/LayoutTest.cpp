#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/WindowLook.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOption>

#include <gtest/gtest.h>

using namespace quarrix;

namespace {

// A caption or value as its widget draws it: its ink and baseline, in window coordinates.
struct Drawn {
    QWidget* widget;
    QString text;
    QRect ink;
    int baseline;
};

std::optional<Drawn> drawnText(QWidget* w)
{
    const auto* label = qobject_cast<QLabel*>(w);
    const bool frame = qobject_cast<QGroupBox*>(w) != nullptr;
    const QString text = w->property(frame ? "title" : "text").toString();
    if (text.isEmpty() || (label == nullptr && !frame && qobject_cast<QAbstractButton*>(w) == nullptr)) {
        return std::nullopt;
    }
    QRect box = w->contentsRect();
    const Qt::Alignment align = label != nullptr                         ? label->alignment()
                                : qobject_cast<QCheckBox*>(w) != nullptr ? Qt::AlignLeft | Qt::AlignVCenter
                                                                         : Qt::Alignment(Qt::AlignCenter);
    QStyleOptionGroupBox frameOption;
    frameOption.initFrom(w);
    frameOption.text = text;
    QStyleOptionButton buttonOption;
    buttonOption.initFrom(w);
    if (frame) {
        box = w->style()->subControlRect(QStyle::CC_GroupBox, &frameOption, QStyle::SC_GroupBoxLabel, w);
        const QRect border = w->style()->subControlRect(QStyle::CC_GroupBox, &frameOption, QStyle::SC_GroupBoxFrame, w);
        EXPECT_TRUE(border.top() > box.top() && border.top() < box.bottom())
            << "caption off the border: " << qPrintable(text);
    } else if (label == nullptr) {
        const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
        box = w->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                         &buttonOption, w);
    }
    const QFontMetrics fm(w->font());
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    const QRect line = QStyle::alignedRect(Qt::LeftToRight, align, {fm.horizontalAdvance(text), fm.height()}, box);
    const QRect ink = fm.tightBoundingRect(text).translated(line.left(), line.top() + fm.ascent());
    EXPECT_TRUE(box.contains(ink)) << "clipped: " << qPrintable(text);
    return Drawn{w, text, ink.translated(at), line.top() + fm.ascent() + at.y()};
}

// Every text fits its box; no text touches another text of its parent; labels of one row share
// a baseline.
void expectLaidOut(QWidget& window)
{
    std::vector<Drawn> texts;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto d = drawnText(w)) {
            texts.push_back(*d);
        }
    }
    for (const Drawn& a : texts) {
        QWidget* parent = a.widget->parentWidget();
        for (const Drawn& b : texts) {
            const bool near = &a != &b && (parent == b.widget->parentWidget() || a.widget == b.widget->parentWidget());
            EXPECT_FALSE(near && a.ink.intersects(b.ink)) << qPrintable(a.text + " / " + b.text);
            EXPECT_TRUE(!near || a.widget->y() != b.widget->y() || !qobject_cast<QLabel*>(a.widget) ||
                        !qobject_cast<QLabel*>(b.widget) || a.baseline == b.baseline)
                << "baselines of " << qPrintable(a.text + " / " + b.text);
        }
    }
}

TEST(Layout, EveryTextFitsItsBoxInTheShippedFaceAndTheSpeedsAreOneExclusiveGroup)
{
    ASSERT_EQ(QFontInfo(ui::windowFont()).family(), QStringLiteral("FreeSans"));
    test::FakeDialogs dialogs;
    test::FakeCompanions companions;
    FixedSeedRandom random;
    sound::OpenAlAudio audio;
    ui::Form1 form1(dialogs, companions, random);
    form1.showHighest("99999", "99", "99");
    ui::Form2 form2(dialogs, form1);
    ui::Form3 form3(dialogs, audio);
    for (QWidget* window : std::initializer_list<QWidget*>{&form1, &form2, &form3}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        expectLaidOut(*window);
    }
    const QActionGroup* speeds = form1.findChild<QAction*>(QStringLiteral("M_S_0"))->actionGroup();
    ASSERT_NE(speeds, nullptr);
    EXPECT_TRUE(speeds->isExclusive() && speeds->actions().size() == 7);  // one check mark, not seven boxes
}

TEST(Layout, ALongNameLosesItsTypedEndButKeepsItsSpeedSuffix)
{
    const QFontMetrics fm(ui::windowFont());
    const int width = fm.horizontalAdvance(QStringLiteral("Marta (spd=+25%)"));
    // Name, the end of it as shown in a column that wide.
    const std::pair<QString, QString> cases[]{{"Marta (spd=+25%)", "Marta (spd=+25%)"},
                                              {"Marta-Louise Bergstrom (spd=-75%)", "\u2026 (spd=-75%)"},
                                              {"Marta (spd=+25%) and friends", "\u2026"}};
    for (const auto& [name, end] : cases) {
        const QString cut = ui::elideName(fm, name, width);
        EXPECT_TRUE(cut.endsWith(end) && cut.startsWith(name.left(2)) && fm.horizontalAdvance(cut) <= width)
            << qPrintable(name + " -> " + cut);
    }
}

}  // namespace
