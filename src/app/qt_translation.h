#pragma once

#include <QLocale>

class QTranslator;

namespace orvika {

// Qt's own words — its file and print dialogs, the context menus of text fields, the command line's
// help — in Russian when the user's language is: Qt's translation from Qt's translations folder,
// installed in the application, which owns it. The program writes Russian itself whatever the
// language. Returns null, and Qt stays in English, for another language or without the translation.
QTranslator *installQtTranslation(const QLocale &locale);

} // namespace orvika
