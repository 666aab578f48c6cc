#pragma once

#include "ui/dialogs.h"

#include <QPoint>
#include <QQueue>
#include <QString>
#include <QStringList>

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
};

} // namespace orvika::test
