#pragma once

#include "engine/dialog_seam.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace orvika {

// Every message box and input box of the program goes through this seam, so the rules run
// headless in tests with scripted answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A modal message box with the single button OK and the caption "ORVIKA". A text of two lines
    // joins them with line feed then carriage return, as the program composes it.
    virtual void message(QWidget *parent, const QString &text) = 0;

    // A modal input box whose top-left corner stands at position (global coordinates). Returns the
    // typed text, or the empty text on Cancel or close.
    virtual QString input(QWidget *parent, const QString &title, const QString &prompt,
                          const QString &initialText, QPoint position) = 0;

    // The standard dialog for saving a file, opened in folder with proposedName; it asks before an
    // existing file is replaced. Returns the chosen path, or the empty text on Cancel.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &proposedName, const QString &filter) = 0;

    // The standard dialog for opening a file, in folder. Returns the chosen path, or the empty text
    // on Cancel.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;

    // The standard print dialog for printer. False on Cancel.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};

// The real boxes: QMessageBox and QInputDialog.
class WidgetDialogs : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
    QString input(QWidget *parent, const QString &title, const QString &prompt, const QString &initialText,
                  QPoint position) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &proposedName, const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};

// The seam of the window's rules in the window: every box over the window that holds the user's
// attention (the main window, or a window of its own such as the load window while it loads), the
// input boxes placed by the main window. Before a box covers the window, the window is brought up
// to date with what the rules have done so far.
class WindowDialogSeam : public DialogSeam
{
public:
    WindowDialogSeam(Dialogs &dialogs, QWidget *window)
        : m_dialogs(dialogs), m_window(window), m_parent(window)
    {
    }

    void message(const QString &text) override;
    QString input(const QString &title, const QString &prompt, const QString &initialText,
                  InputPlace place) override;

    // The boxes are shown over parent while it lives.
    class Over
    {
    public:
        Over(WindowDialogSeam &seam, QWidget *parent) : m_seam(seam), m_before(seam.m_parent)
        {
            seam.m_parent = parent;
        }
        ~Over() { m_seam.m_parent = m_before; }
        Over(const Over &) = delete;
        Over &operator=(const Over &) = delete;

    private:
        WindowDialogSeam &m_seam;
        QWidget *m_before;
    };

    std::function<void()> beforeBox;

private:
    Dialogs &m_dialogs;
    QWidget *m_window;
    QWidget *m_parent;
};

// What the user is told once a file has been written: "Сохранено как: <name>", or the name and the
// reason the write failed.
void announceWrite(Dialogs &dialogs, QWidget *parent, const QString &name,
                   const std::optional<QString> &failure);

// The program's line break ("\n\r") shown as one line break.
QString displayText(const QString &text);

} // namespace orvika
