#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quarrix::ui {

Language::Language(const QStringList& uiLanguages)
{
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
}

}  // namespace quarrix::ui
