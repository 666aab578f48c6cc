#include "report/phrase_finder.h"

#include <QtGlobal>
#include <bit>

namespace orvika {

PhraseFinder::PhraseFinder(std::initializer_list<QStringView> phrases) : m_phrases(phrases)
{
    Q_ASSERT(m_phrases.size() <= 32);
    for (qsizetype i = 0; i < m_phrases.size(); ++i) {
        Q_ASSERT(!m_phrases[i].isEmpty());
        m_startingWith[m_phrases[i].front().unicode() & 0xFF] |= std::uint32_t(1) << i;
    }
}

std::uint32_t PhraseFinder::find(QStringView line) const
{
    std::uint32_t found = 0;
    for (qsizetype at = 0; at < line.size(); ++at) {
        // Characters sharing a low byte share an entry; the comparison tells them apart.
        for (std::uint32_t candidates = m_startingWith[line[at].unicode() & 0xFF] & ~found; candidates;
             candidates &= candidates - 1) {
            const int index = std::countr_zero(candidates);
            const QStringView phrase = m_phrases[index];
            const QStringView rest = line.sliced(at);
            // Most false starts (a rule of hyphens, a blank) already differ in the next character.
            if (rest.size() >= phrase.size() && (phrase.size() < 2 || rest[1] == phrase[1]) &&
                rest.startsWith(phrase))
                found |= std::uint32_t(1) << index;
        }
    }
    return found;
}

} // namespace orvika
