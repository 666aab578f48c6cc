#pragma once

#include <QList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace orvika {

// Finds which of a fixed set of phrases (at most 32) a line contains, in one pass over the line:
// every character is looked up by its low byte among the phrases that start with it, and only
// those are compared there. The phrases must outlive the finder (string literals do).
class PhraseFinder
{
public:
    explicit PhraseFinder(std::initializer_list<QStringView> phrases);

    // Bit i is set when phrase i occurs somewhere in the line.
    std::uint32_t find(QStringView line) const;

private:
    QList<QStringView> m_phrases;
    std::array<std::uint32_t, 256> m_startingWith{}; // by the low byte of a phrase's first character
};

} // namespace orvika
