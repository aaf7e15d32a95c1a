#include "ThreeWindows.h"
#include "ui/Language.h"
#include "ui/TitleBar.h"
#include "ui/WindowLook.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTest>

#include <gtest/gtest.h>

// Texts fit their boxes and miss their siblings' and ancestors', captions sit in the border, rows share a baseline.
static void expectLaidOut(QWidget& window)
{
    std::vector<std::tuple<QWidget*, QString, QRect, int>> drawn;  // text, ink and baseline in the window
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool frame = w->inherits("QGroupBox");
        // A frame has a title, the others a text.
        const QString text = w->property("text").toString() + w->property("title").toString();
        if (text.isEmpty() || (label == nullptr && !frame && !w->inherits("QAbstractButton"))) {
            continue;
        }
        QRect box = w->contentsRect();
        Qt::Alignment align = Qt::AlignCenter;
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (label != nullptr)
            align = label->alignment();
        if (w->inherits("QCheckBox")) {
            align = Qt::AlignLeft | Qt::AlignVCenter;
            contents = QStyle::SE_CheckBoxContents;
        }
        if (frame) {
            QStyleOptionGroupBox opt;
            opt.initFrom(w);
            opt.text = text;
            box = w->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, w);
            const int top = w->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, w).top();
            EXPECT_TRUE(box.contains(box.center().x(), top, true)) << "caption off the border: " << qPrintable(text);
        } else if (label == nullptr) {
            QStyleOptionButton opt;
            opt.initFrom(w);
            box = w->style()->subElementRect(contents, &opt, w);
        }
        const QFontMetrics fm(w->font());
        const QRect line = QStyle::alignedRect(Qt::LeftToRight, align, {fm.horizontalAdvance(text), fm.height()}, box);
        const QPoint origin = w->mapTo(&window, line.topLeft() + QPoint(0, fm.ascent()));  // where the baseline starts
        const QRect ink = fm.tightBoundingRect(text).translated(origin);
        EXPECT_TRUE(box.translated(w->mapTo(&window, QPoint())).contains(ink)) << "clipped: " << qPrintable(text);
        for (const auto& [o, oText, oInk, oBaseline] : drawn) {
            if (w->parentWidget() != o->parentWidget() && !o->isAncestorOf(w) && !w->isAncestorOf(o)) {
                continue;
            }
            EXPECT_FALSE(ink.intersects(oInk)) << qPrintable(text + " / " + oText);
            if (label != nullptr && qobject_cast<QLabel*>(o) != nullptr && w->y() == o->y()) {
                EXPECT_EQ(origin.y(), oBaseline) << "baselines of " << qPrintable(text + " / " + oText);
            }
        }
        drawn.emplace_back(w, text, ink, origin.y());
    }
}

// English (in the C locale), then every shipped language.
class Layout : public testing::TestWithParam<std::string> {};

TEST_P(Layout, EveryTextFitsItsBoxInTheShippedFace)
{
    ASSERT_EQ(QFontInfo(quarrix::ui::windowFont()).family(), QStringLiteral("FreeSans"));
    const quarrix::ui::Language language({QString::fromStdString(GetParam())});
    ASSERT_EQ(language.name(), QString::fromStdString(GetParam()).remove(QRegularExpression("^C$")));
    quarrix::test::ThreeWindows w;
    w.form1.showHighest("99999", "99", "99");
    for (QWidget* window : std::initializer_list<QWidget*>{&w.form1, &w.form2, &w.form3}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        expectLaidOut(*window);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Layout, testing::Values("C", QUARRIX_LANGUAGES),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// Where a window carries its own title bar: minimise and close only, the window's title, and the
// content as it was, one bar lower.
TEST(TitleBar, OffersMinimiseAndCloseAboveTheContentAsItWas)
{
    quarrix::test::ThreeWindows plain;
    qputenv("QUARRIX_OWN_TITLE_BAR", "1");
    quarrix::ui::Form1 form1(plain.model);
    quarrix::ui::Form2 form2(plain.model);
    quarrix::ui::Form3 form3(plain.dialogs, plain.model);
    qunsetenv("QUARRIX_OWN_TITLE_BAR");
    const std::array<std::pair<QWidget*, QWidget*>, 3> windows{
        {{&plain.form1, &form1}, {&plain.form2, &form2}, {&plain.form3, &form3}}};
    for (auto [window, barred] : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        barred->show();
        const auto* bar = barred->findChild<quarrix::ui::TitleBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(barred->windowFlags(), window->windowFlags() | Qt::FramelessWindowHint);
        EXPECT_EQ(barred->size(), window->size() + QSize(0, bar->height()));
        EXPECT_EQ(bar->geometry(), QRect(0, 0, barred->width(), bar->height()));
        const QList<QWidget*> content = window->findChildren<QWidget*>();
        const QList<QWidget*> moved = barred->findChildren<QWidget*>();  // the same, then the bar's own
        for (qsizetype i = 0; i < content.size(); ++i) {
            SCOPED_TRACE(content[i]->metaObject()->className());
            EXPECT_EQ(QRect(moved[i]->mapTo(barred, QPoint()), moved[i]->size()),
                      QRect(content[i]->mapTo(window, QPoint(0, bar->height())), content[i]->size()));
        }
        QStringList offered;
        for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>()) {
            offered << button->objectName();
        }
        EXPECT_EQ(offered, QStringList({"minimise", "close"}));
        EXPECT_EQ(bar->findChild<QLabel*>()->text(), window->windowTitle());
        barred->setWindowTitle(QStringLiteral("Renamed"));
        EXPECT_EQ(bar->findChild<QLabel*>()->text(), QStringLiteral("Renamed"));
        QTest::mouseClick(bar->findChild<QAbstractButton*>(QStringLiteral("minimise")), Qt::LeftButton);
        EXPECT_TRUE(barred->isMinimized());
    }
    plain.model.settings().musicOff = true;
    QTest::mouseClick(form3.findChild<QAbstractButton*>(QStringLiteral("close")), Qt::LeftButton);
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(plain.model.settings().musicOff);  // closed as the desktop closes it: the settings start anew
}
