#include "WindowLook.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>

namespace quarrix::ui {

QFont windowFont(QLocale::Script script)
{
    QFont font;
    QStringList families{QStringLiteral("FreeSans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("Helvetica")};
    if (script == QLocale::SimplifiedHanScript || script == QLocale::TraditionalHanScript ||
        script == QLocale::JapaneseScript || script == QLocale::KoreanScript) {
        families.prepend(QStringLiteral("Noto Sans CJK SC"));
        families.prepend(QStringLiteral("WenQuanYi Micro Hei"));
    }
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);  // the layouts' default size
    return font;
}

QFont fittingHeight(QFont font, const QStringList& texts, int height)
{
    constexpr qreal Step = 0.5;
    // From the highest ink of any of them to the lowest: one row's bottom to the next row's top.
    const auto tallest = [&texts](const QFont& f) {
        QRect ink;
        for (const QString& text : texts) {
            ink |= QFontMetrics(f).tightBoundingRect(text);
        }
        return ink.height();
    };
    while (tallest(font) > height && font.pointSizeF() > 2 * Step) {
        font.setPointSizeF(font.pointSizeF() - Step);
    }
    return font;
}

QStyle* classicFrameStyle()
{
    // One style for every frame, owned by the application so that it outlives every window.
    const QString name = QStringLiteral("classicFrameStyle");
    auto* style = qApp->findChild<QStyle*>(name, Qt::FindDirectChildrenOnly);
    if (style == nullptr) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        style->setObjectName(name);
        style->setParent(qApp);
    }
    return style;
}

}  // namespace quarrix::ui
