#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quarrix::ui {

namespace {
QWidget* activeParent()
{
    return QApplication::activeWindow();
}
}  // namespace

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, activeParent());
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(activeParent(), QApplication::applicationDisplayName(), prompt,
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(activeParent(), title, QString(), filter);
}

}  // namespace quarrix::ui
