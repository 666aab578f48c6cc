#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
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

// The seam where nobody is there to answer: every question is answered with Cancel. What becomes of
// the messages is the subclass's.
class UnattendedDialogs : public Dialogs
{
public:
    QString input(QWidget *, const QString &, const QString &, const QString &, QPoint) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
};

// The messages kept in order instead of shown.
class KeptDialogs : public UnattendedDialogs
{
public:
    void message(QWidget *, const QString &text) override { messages.append(text); }

    QStringList messages;
};

// What the user is told once a file has been written: "Сохранено как: <name>", or the name and the
// reason the write failed.
void announceWrite(Dialogs &dialogs, QWidget *parent, const QString &name,
                   const std::optional<QString> &failure);

// The program's line break ("\n\r") shown as one line break.
QString displayText(const QString &text);

inline const QString ApplicationTitle = QStringLiteral("ORVIKA");

} // namespace orvika
