#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quarrix::ui {

// The hook, then the window the dialog belongs to.
QWidget* QtDialogs::prepare() const
{
    if (beforeShowing_) {
        beforeShowing_();
    }
    return QApplication::activeWindow();
}

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, prepare());
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(prepare(), QApplication::applicationDisplayName(), prompt,
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(prepare(), title, QString(), filter);
}

}  // namespace quarrix::ui
