#pragma once

#include <QByteArray>
#include <QStringList>
#include <QXmlStreamReader>

namespace orvika::test {

// What an SVG shows as text: the contents of its <text> elements, without their <title>s. A line of
// mixed scripts comes as several elements, one run each.
inline QStringList visibleTexts(const QByteArray &svg)
{
    QStringList texts;
    QXmlStreamReader xml(svg);
    int depth = 0; // inside <text>
    bool inTitle = false;
    QString current;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"text") {
                ++depth;
                current.clear();
            } else if (xml.name() == u"title") {
                inTitle = true;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"text" && depth > 0) {
                --depth;
                texts.append(current);
            } else if (xml.name() == u"title") {
                inTitle = false;
            }
            break;
        case QXmlStreamReader::Characters:
            if (depth > 0 && !inTitle)
                current += xml.text();
            break;
        default:
            break;
        }
    }
    return texts;
}

// The <title>s inside the <text> elements: the full texts of shortened labels.
inline QStringList labelTitles(const QByteArray &svg)
{
    QStringList titles;
    QXmlStreamReader xml(svg);
    bool inText = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"text")
            inText = true;
        else if (token == QXmlStreamReader::EndElement && xml.name() == u"text")
            inText = false;
        else if (token == QXmlStreamReader::StartElement && xml.name() == u"title" && inText)
            titles.append(xml.readElementText());
    }
    return titles;
}

} // namespace orvika::test
