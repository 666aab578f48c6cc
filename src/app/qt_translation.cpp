#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace orvika {

QTranslator *installQtTranslation(const QLocale &locale)
{
    // The language of messages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), not that of numbers.
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty() || QLocale(languages.first()).language() != QLocale::Russian)
        return nullptr;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    // Memory-mapped, not read: the start pays for the pages Qt's words are looked up in.
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator.release();
}

} // namespace orvika
