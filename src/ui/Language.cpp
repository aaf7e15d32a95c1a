#include "Language.h"

#include "WindowLook.h"

#include <QApplication>
#include <QLibraryInfo>

namespace quarrix::ui {

Language::Language(const QStringList& uiLanguages)
{
    previous_ = QLocale();
    for (const QString& tag : uiLanguages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::English) {
            return;  // the texts as they are written
        }
        // Built into the program: ":/i18n/quarrix-solo_de.qm"; "de_AT" finds "de".
        if (locale.language() != QLocale::C &&
            game_.load(locale, QStringLiteral("quarrix-solo"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            break;
        }
    }
    if (game_.isEmpty()) {
        return;
    }
    name_ = game_.language();
    QCoreApplication::installTranslator(&game_);
    // Dates and the like in the language too, and the face that has its letters.
    QLocale::setDefault(QLocale(name_));
    QApplication::setFont(windowFont(QLocale(name_).script()));
    // OK, Cancel and the file dialog; without qtbase's translations they stay English.
    if (qt_.load(QLocale(name_), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

Language::~Language()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
    if (!name_.isEmpty()) {
        QLocale::setDefault(previous_);
        QApplication::setFont(windowFont());
    }
}

}  // namespace quarrix::ui
