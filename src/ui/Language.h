#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace quarrix::ui {

// The language the windows speak, and Qt's own dialogs with them: the first of the player's
// languages that the game ships, or none (English, exactly as the texts are written) when English
// comes first or no language of the list is shipped. Installed for its lifetime; make it before
// any window.
class Language {
public:
    explicit Language(const QStringList& uiLanguages = QLocale::system().uiLanguages());
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // The shipped language in use, as "de" or "pt_BR"; empty for English.
    QString name() const { return name_; }

private:
    QTranslator game_;
    QTranslator qt_;
    QString name_;
    QLocale previous_;
};

}  // namespace quarrix::ui
