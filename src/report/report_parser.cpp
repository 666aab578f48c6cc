#include "report/report_parser.h"

namespace orvika {

void ReportLineParser::startLoad()
{
    m_reportFlag = false;
    m_loadedPower = 0;
}

QList<LoadAction> ReportLineParser::parseLine(const QString &)
{
    return {};
}

} // namespace orvika
