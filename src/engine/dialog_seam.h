#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace orvika {

// Where an input box opens: over the main window's corner, or near the screen's corner.
enum class InputPlace { OverWindow, ScreenCorner };

// Every message box and input box the window's rules show goes through this seam: the window shows
// real boxes, the command line writes the messages to standard error, a re-check keeps them, and the
// tests answer from a script.
class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    // A modal message box with the single button OK. A text of two lines joins them with line feed
    // then carriage return, as the program composes it.
    virtual void message(const QString &text) = 0;

    // A modal input box. Returns the typed text, or the empty text on Cancel or close.
    virtual QString input(const QString &title, const QString &prompt, const QString &initialText,
                          InputPlace place) = 0;
};

// The seam where nobody is there to answer: the messages kept in order, every question answered with
// Cancel.
class KeptMessages : public DialogSeam
{
public:
    void message(const QString &text) override { messages.append(text); }
    QString input(const QString &, const QString &, const QString &, InputPlace) override { return {}; }

    QStringList messages;
};

// What the user is told once a file has been written: "Сохранено как: <name>", or the name and the
// reason the write failed.
QString writeAnnouncement(const QString &name, const std::optional<QString> &failure);

inline const QString ApplicationTitle = QStringLiteral("ORVIKA");

} // namespace orvika
