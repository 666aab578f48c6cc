#include "report/report_writer.h"

#include <QRegularExpression>
#include <QStringBuilder>
#include <cmath>

namespace orvika {
namespace {

const QString Bullet = QStringLiteral("- ");
const QString Rule = QString(41, u'-');

QString integerText(std::int32_t value)
{
    return QString::number(value);
}

// "- " and the item, sized once: a long zone list writes a line per zone. (A sum of two QStrings
// copies the first and then grows it; the view makes the builder count both parts first.)
QString bulleted(const QString &item)
{
    return QStringView(Bullet) % item;
}

// The items of a list, each behind "- ", empty items left out. Returns how many were written.
qsizetype appendItems(QStringList &lines, const QStringList &items)
{
    qsizetype written = 0;
    for (const QString &item : items) {
        if (item.isEmpty())
            continue;
        lines.append(bulleted(item));
        ++written;
    }
    return written;
}

} // namespace

QString formatGeneralNumber(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");
    // Far beyond any power the program handles: the exponent form keeps the text short.
    if (std::fabs(value) >= 1e15)
        return QString::number(value, 'G', 15).replace(u'.', locale.decimalPoint());

    // Round to 15 significant digits first, then lay the digits out without an exponent; a value
    // that rounds to a whole number is written as one.
    const QString scientific = QString::number(std::fabs(value), 'e', 14); // d.ddddddddddddddde±xx
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e);
    digits.remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    const int wholeDigits = exponent + 1;

    QString whole;
    QString fraction;
    if (wholeDigits <= 0) {
        whole = QStringLiteral("0");
        fraction = QString(-wholeDigits, u'0') + digits;
    } else if (wholeDigits >= digits.size()) {
        whole = digits + QString(wholeDigits - digits.size(), u'0');
    } else {
        whole = digits.left(wholeDigits);
        fraction = digits.mid(wholeDigits);
    }
    while (fraction.endsWith(u'0'))
        fraction.chop(1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += whole;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return text;
}

QString lineControlRequirement(LineControl control)
{
    switch (control) {
    case LineControl::Manual:
        return Bullet + QStringLiteral("Возможность ручного контроля линий");
    case LineControl::Automatic:
        return Bullet + QStringLiteral("Возможность автоматического контроля линий");
    case LineControl::None:
        break;
    }
    return {};
}

QStringList composeRequirements(const Requirements &requirements, double totalPower, const QLocale &locale)
{
    const Requirements &r = requirements;
    const QString totalPowerText = formatGeneralNumber(totalPower, locale);
    QStringList lines;
    if (r.semiAutomatic)
        lines << Bullet + QStringLiteral("Полуавтоматическое оповещение при помощи микрофона");
    if (r.automatic)
        lines << Bullet + QStringLiteral("Автоматическое оповещение");
    if (r.music)
        lines << Bullet + QStringLiteral("Музыкальная трансляция");
    if (r.remoteConsole)
        lines << Bullet + QStringLiteral("Наличие удаленной микрофонной консоли");
    if (r.multiZone) {
        lines << QStringLiteral("Многозонная система:");
        lines << Bullet + QStringLiteral("Количество зон - ") + integerText(r.zoneCount);
    }
    if (r.powerMode == PowerMode::Total)
        lines << Bullet + QStringLiteral("Суммарная мощность: - ") + totalPowerText + QStringLiteral(" Вт");
    if (r.powerMode == PowerMode::PerZone) {
        lines << QStringLiteral("Раскладка по зонам:");
        appendItems(lines, r.zoneLines);
        lines << QStringLiteral("ИТОГО: ") + totalPowerText + QStringLiteral(" Вт");
    }
    lines << QString();
    if (r.powerReserve)
        lines << QStringLiteral("Суммарная мощность подсчитана с учетом запаса - ") + r.reservePercentText +
                     QStringLiteral("%");
    lines << QString();
    lines << QString();

    if (r.multiChannel) {
        lines << QStringLiteral("Многоканальная система:");
        lines << Bullet + QStringLiteral("Количество каналов - ") + integerText(r.channelCount);
    }
    if (r.lineControl != LineControl::None)
        lines << lineControlRequirement(r.lineControl);
    if (r.amplifierReserve)
        lines << Bullet + QStringLiteral("Возможность резервирования усилителей");
    if (r.attenuatorControl)
        lines << Bullet + QStringLiteral("Возможность управления аттенюаторами");
    if (r.fans)
        lines << Bullet + QStringLiteral("Наличие вентиляторов");
    if (r.automaticPowerOn)
        lines << Bullet + QStringLiteral("Автоматическое включение питания");
    if (r.powerSupplyReserve)
        lines << Bullet + QStringLiteral("Возможность резервирования по питанию");
    if (r.cabinet)
        lines << Bullet + QStringLiteral("Наличие шкафа для установки блоков");
    return lines;
}

QStringList composeReport(const Requirements &requirements, const Proposal &proposal, const QLocale &locale)
{
    const Requirements &r = requirements;
    QStringList lines;
    // The headings, options and rules come to fewer than FixedLineCount; the lists add a line an item.
    constexpr qsizetype FixedLineCount = 40;
    lines.reserve(FixedLineCount + r.zoneLines.size() + r.sourceLines.size() + proposal.lines.size());

    lines << QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ: (Требования предъявляемые к системе)");
    lines << QString(57, u'_');
    lines << QString();

    lines << composeRequirements(requirements, proposal.totalPower, locale);
    lines << Rule;

    lines << QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:");
    lines << QString(29, u'_');
    if (appendItems(lines, r.sourceLines) == 0)
        lines << QStringLiteral("Список звуковых источников - пуст");
    lines << QString();

    lines << QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:");
    lines << QString(26, u'_');
    appendItems(lines, proposal.lines);
    lines << Rule;
    lines << QStringLiteral("Суммарная потребляемая мощность системы - ") +
                 integerText(proposal.totals.powerDraw) + QStringLiteral(" Вт");
    lines << QStringLiteral("Суммарная высота блоков (в юнитах) - ") +
                 integerText(proposal.totals.heightUnits);
    lines << Rule;
    lines << QStringLiteral("ПРИМЕРНАЯ БЛОК-СХЕМА: - ") + proposal.schemeChoice;
    lines << Rule;
    return lines;
}

QLocale notationOfReport(const QStringList &lines, const QLocale &user)
{
    static const QString total = Bullet + QStringLiteral("Суммарная мощность: - ");
    static const QRegularExpression fraction(QStringLiteral("^-?\\d+(\\D)\\d+ Вт$"));
    for (const QString &line : lines) {
        if (!line.startsWith(total))
            continue;
        const QString separator = fraction.match(line.mid(total.size())).captured(1);
        if (separator == u"." && user.decimalPoint() != u".")
            return QLocale::c();
        if (separator == u"," && user.decimalPoint() != u",")
            return QLocale(QLocale::Russian, QLocale::Russia);
        break;
    }
    return user;
}

} // namespace orvika
