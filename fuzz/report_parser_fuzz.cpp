// Any file in the program directory may be picked for loading: every line of it goes through the
// report parser, which must neither crash nor ask the main window for anything out of range.
#include "files/text_file.h"
#include "report/report_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orvika;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkAction(const QString &line, const LoadAction &action)
{
    using Kind = LoadAction::Kind;
    switch (action.kind) {
    case Kind::SetZoneCount:
    case Kind::SetChannelCount:
        require(action.number >= 1 && action.number <= 32767);
        break;
    case Kind::SetReserve:
        require(action.number >= 5 && action.number <= 25);
        break;
    case Kind::AddZoneLine:
        require(action.text == line.mid(2));
        break;
    case Kind::AddSourceLine:
        require(action.text == line.mid(2));
        require(action.text.contains(action.name)); // the name is a piece of the line
        require(!action.name.startsWith(u' ') && !action.name.endsWith(u' '));
        break;
    case Kind::Tick:
        require(!action.control.isEmpty());
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    ReportLineParser parser;
    parser.startLoad();
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        for (const LoadAction &action : parser.parseLine(line))
            checkAction(line, action);
    }
    return 0;
}
