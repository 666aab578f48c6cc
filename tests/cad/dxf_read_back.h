#pragma once

#include "cad/picture_dxf.h"
#include "project_documents/sheet_fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A DXF drawing read back by a CAD library (ezdxf, from Debian's own Python).
namespace orvika::test {

inline const char *const ReadDrawing = R"(
import json, sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
def text(e):
    if e.dxftype() == 'TEXT':
        return ezdxf.decode_dxf_unicode(e.dxf.text)
    return ezdxf.decode_dxf_unicode(e.plain_text())
entities = []
for e in doc.modelspace():
    item = {'type': e.dxftype(), 'layer': e.dxf.layer}
    if e.dxftype() == 'LWPOLYLINE':
        item['points'] = [[p[0], p[1]] for p in e.get_points('xy')]
        item['closed'] = e.closed
        item['linetype'] = e.dxf.linetype
    elif e.dxftype() == 'CIRCLE':
        item['at'] = list(e.dxf.center)[:2]
        item['radius'] = e.dxf.radius
    elif e.dxftype() in ('TEXT', 'MTEXT'):
        item['text'] = text(e)
        item['raw'] = e.dxf.text if e.dxftype() == 'TEXT' else e.text
        item['at'] = list(e.dxf.insert)[:2]
        item['style'] = e.dxf.style
    if e.dxftype() == 'TEXT':
        item['height'] = e.dxf.height
        item['widthFactor'] = e.dxf.width
        item['halign'] = e.dxf.halign
        item['valign'] = e.dxf.valign
        item['alignAt'] = list(e.dxf.align_point)[:2] if e.dxf.hasattr('align_point') else item['at']
    elif e.dxftype() == 'MTEXT':
        item['height'] = e.dxf.char_height
        item['width'] = e.dxf.width
        item['attachment'] = e.dxf.attachment_point
    entities.append(item)
styles = {}
for s in doc.styles:
    xdata = s.get_xdata('ACAD') if s.has_xdata('ACAD') else []
    styles[s.dxf.name] = {'font': s.dxf.font, 'bigfont': s.dxf.get('bigfont', ''),
                          'xdata': [[t.code, t.value] for t in xdata]}
print(json.dumps({
    'units': doc.header.get('$INSUNITS'),
    'encoding': doc.encoding,
    'textStyle': doc.header.get('$TEXTSTYLE'),
    'styles': styles,
    'layers': {l.dxf.name: l.dxf.linetype for l in doc.layers},
    'entities': entities,
}, ensure_ascii=False))
)";

struct Drawing
{
    QJsonObject whole;
    double sheetHeight = 0;

    QList<QJsonObject> entities(const char *type, const char *layer = nullptr) const
    {
        QList<QJsonObject> found;
        for (const QJsonValue &value : whole.value(u"entities").toArray()) {
            const QJsonObject entity = value.toObject();
            if (entity.value(u"type").toString() == QLatin1String(type) &&
                (!layer || entity.value(u"layer").toString() == QLatin1String(layer)))
                found.append(entity);
        }
        return found;
    }

    QList<QJsonObject> texts() const { return entities("TEXT") + entities("MTEXT"); }

    // A point as the sheet has it: mm from its top left corner.
    QPointF onSheet(const QJsonValue &point) const
    {
        const QJsonArray xy = point.toArray();
        return {xy[0].toDouble(), sheetHeight - xy[1].toDouble()};
    }
};

inline Drawing readBackFile(const QString &path, double sheetHeight)
{
    const QByteArray json = outputOf(QStringLiteral("/usr/bin/python3"),
                                     {QStringLiteral("-c"), QString::fromUtf8(ReadDrawing), path});
    return {QJsonDocument::fromJson(json).object(), sheetHeight};
}

inline Drawing readBack(const CadDrawing &cad)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("чертёж.dxf"));
    EXPECT_EQ(writeDrawingDxf(path, cad), std::nullopt);
    return readBackFile(path, cad.sheetMm.height());
}

} // namespace orvika::test
