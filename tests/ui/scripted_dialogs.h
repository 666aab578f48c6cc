#pragma once

#include "ui/dialogs.h"

#include <QPoint>
#include <QPrinter>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

namespace orvika::test {

// The dialog seam with scripted answers: records every message and input box in order, and answers
// input boxes from a queue (the empty text, as Cancel, when the queue is empty).
class ScriptedDialogs : public Dialogs
{
public:
    struct InputCall
    {
        QString title;
        QString prompt;
        QString initialText;
        QPoint position;
    };

    void message(QWidget *, const QString &text) override { messages.append(text); }

    QString input(QWidget *, const QString &title, const QString &prompt, const QString &initialText,
                  QPoint position) override
    {
        inputs.append({title, prompt, initialText, position});
        return answers.isEmpty() ? QString() : answers.dequeue();
    }

    struct FileCall
    {
        QString caption;
        QString folder;
        QString proposedName;
        QString filter;
    };

    // Answered from fileAnswers (Cancel when empty).
    QString saveFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &proposedName, const QString &filter) override
    {
        fileCalls.append({caption, folder, proposedName, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    // Answered from fileAnswers too (Cancel when empty).
    QString openFileName(QWidget *, const QString &caption, const QString &folder, const QString &filter) override
    {
        fileCalls.append({caption, folder, QString(), filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    // Cancel unless the test chose a printer.
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++printDialogs;
        return printerChoice ? printerChoice(printer) : false;
    }

    // Takes the messages recorded so far.
    QStringList takeMessages()
    {
        QStringList taken = messages;
        messages.clear();
        return taken;
    }

    QStringList messages;
    QList<InputCall> inputs;
    QQueue<QString> answers;
    QList<FileCall> fileCalls;
    QQueue<QString> fileAnswers;
    int printDialogs = 0;
    std::function<bool(QPrinter &)> printerChoice;
};

} // namespace orvika::test
