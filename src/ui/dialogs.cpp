#include "ui/dialogs.h"

#include "calc/proposal.h"
#include "files/text_file.h"
#include "ui/printing.h"
#include "ui/twips.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace orvika {

void announceWrite(Dialogs &dialogs, QWidget *parent, const QString &name,
                   const std::optional<QString> &failure)
{
    dialogs.message(parent, writeAnnouncement(name, failure));
}

void WindowDialogSeam::message(const QString &text)
{
    if (beforeBox)
        beforeBox();
    m_dialogs.message(m_parent, text);
}

// The zone's power is asked over the main window's corner, a name near the screen's corner.
QString WindowDialogSeam::input(const QString &title, const QString &prompt, const QString &initialText,
                                InputPlace place)
{
    if (beforeBox)
        beforeBox();
    QPoint position;
    if (m_window && place == InputPlace::OverWindow) {
        position = m_window->frameGeometry().topLeft();
    } else if (m_window) {
        const Twips twips(m_window->logicalDpiX(), m_window->logicalDpiY());
        position = m_window->screen()->geometry().topLeft() + QPoint(twips.x(100), twips.y(100));
    }
    return m_dialogs.input(m_parent, title, prompt, initialText, position);
}

QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(MessageLineBreak, QStringLiteral("\n"));
    return shown;
}

namespace {

// The boxes' buttons keep their English words in every language and theme, as Qt's translation and
// the desktop's theme would change them ("Отмена", "&OK").
const QString OkText = QStringLiteral("OK");
const QString CancelText = QStringLiteral("Cancel");

} // namespace

void WidgetDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, displayText(text), QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(OkText);
    box.exec();
}

QString WidgetDialogs::input(QWidget *parent, const QString &title, const QString &prompt,
                             const QString &initialText, QPoint position)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() ? ApplicationTitle : title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(initialText);
    dialog.setOkButtonText(OkText);
    dialog.setCancelButtonText(CancelText);
    dialog.move(position);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

} // namespace orvika

namespace orvika {

QString WidgetDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &proposedName, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, QDir(folder).filePath(proposedName), filter);
}

QString WidgetDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

bool WidgetDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    return execPrintDialog(parent, printer);
}

} // namespace orvika
