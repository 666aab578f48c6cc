#include "files/number_text.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace orvika {
namespace {

const QLocale &russian()
{
    static const QLocale locale = [] {
        QLocale russian(QLocale::Russian, QLocale::Russia);
        russian.setNumberOptions(QLocale::OmitGroupSeparator);
        return russian;
    }();
    return locale;
}

} // namespace

QString russianNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    // Whole figures, the most of them, need no locale.
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return russian().toString(value, 'g', 15);
}

QString russianFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    const QString text = russian().toString(value, 'f', decimals);
    // A value that rounds to zero from below is zero to the reader.
    const bool zero = std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return zero && text.startsWith(u'-') ? text.mid(1) : text;
}

QString russianDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    QString text = russian().toString(value, 'f', decimals);
    if (text.contains(u',')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u','))
            text.chop(1);
    }
    return text == u"-0" ? QStringLiteral("0") : text;
}

} // namespace orvika
