#include "WindowLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace quarrix::ui {

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("FreeSans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);  // the layouts' default size
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
