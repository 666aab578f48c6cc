#include "offer/price_index.h"

#include <iterator>

namespace orvika {

namespace {

bool isDropped(QChar c)
{
    switch (c.unicode()) {
    case '-':
    case '.':
    case 0x2010: // hyphen
    case 0x2011: // no-break hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2212: // minus
        return true;
    default:
        return c.isSpace();
    }
}

// The Cyrillic capitals read as the Latin ones they look like; and the sign of a cable's "2×1,5", which lists
// write with an x of either alphabet.
QChar latinLookalike(QChar c)
{
    static constexpr char16_t Lookalikes[] = u"АВЕКМНОРСТХ×";
    static constexpr char Latin[] = "ABEKMHOPCTXX";
    for (std::size_t i = 0; i + 1 < std::size(Lookalikes); ++i)
        if (c.unicode() == Lookalikes[i])
            return QLatin1Char(Latin[i]);
    return c;
}

} // namespace

QString normalisedCode(QStringView text)
{
    // Letter by letter: a model code has no letter whose capital is two letters.
    QString code(text.size(), Qt::Uninitialized);
    QChar *out = code.data();
    for (const QChar c : text) {
        if (!isDropped(c))
            *out++ = latinLookalike(c.toUpper());
    }
    code.truncate(out - code.constData());
    return code;
}

PriceIndex::PriceIndex(const PriceList &list) : list_(list)
{
    byModel_.reserve(list.entries.size());
    byName_.reserve(list.entries.size());
    for (qsizetype row = 0; row < list.entries.size(); ++row) {
        const PriceEntry &entry = list.entries[row];
        // The first of rows that read the same stays.
        if (const QString model = normalisedCode(entry.model); !model.isEmpty() && !byModel_.contains(model))
            byModel_.insert(model, row);
        if (const QString name = normalisedCode(entry.name); !name.isEmpty() && !byName_.contains(name))
            byName_.insert(name, row);
    }
}

const PriceEntry *PriceIndex::find(const QString &model, const QString &name) const
{
    const QString code = normalisedCode(model);
    if (!code.isEmpty()) {
        const auto row = byModel_.constFind(code);
        return row == byModel_.cend() ? nullptr : &list_.entries[*row];
    }
    const QString whole = normalisedCode(name);
    if (whole.isEmpty())
        return nullptr;
    if (const auto row = byName_.constFind(whole); row != byName_.cend())
        return &list_.entries[*row];
    if (const auto row = byModel_.constFind(whole); row != byModel_.cend())
        return &list_.entries[*row];
    return nullptr;
}

} // namespace orvika
