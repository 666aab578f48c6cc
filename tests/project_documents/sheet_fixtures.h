#pragma once

#include "documents/document_fixtures.h"
#include "project_documents/equipment_specification.h"

#include <QRectF>
#include <QXmlStreamReader>

// Specifications for the sheets, and their PDF read back word by word with the words' places in mm.
namespace orvika::test {

inline ProjectCard filledCard()
{
    ProjectCard card;
    card.object = QStringLiteral("Школа на 550 мест");
    card.designation = QStringLiteral("0417-24-СОУЭ.С");
    card.organisation = QStringLiteral("ООО «Проект-Связь»");
    card.people = {QStringLiteral("Петров"),
                   QStringLiteral("Сидоров"),
                   QStringLiteral("Орлова"),
                   QStringLiteral("Кузнецов"),
                   {}};
    card.revision = 2;
    card.date = QDate(2026, 12, 7);
    return card;
}

// A heading and numbered one-line rows "Изделие N", under them the totals when given.
inline EquipmentSpecification handMadeSpecification(int rows, const QString &totals = {})
{
    EquipmentSpecification specification;
    specification.card = filledCard();
    SpecificationRow heading;
    heading.heading = true;
    heading.name = EquipmentSection;
    specification.rows.append(heading);
    for (int i = 1; i <= rows; ++i)
        specification.rows.append({false,
                                   QString::number(i),
                                   QStringLiteral("Изделие %1").arg(i),
                                   QStringLiteral("K-%1").arg(3000 + i),
                                   {},
                                   DefaultSupplier,
                                   PiecesUnit,
                                   double(i),
                                   1.5,
                                   {}});
    specification.totalsNote = totals;
    return specification;
}

inline EquipmentSpecification composedSpecification(const Requirements &requirements)
{
    const Catalogue catalogue = bundledCatalogue();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    return composeEquipmentSpecification(catalogue, requirements, proposal, filledCard());
}

struct PdfWord
{
    QString text;
    QRectF mm;
};

struct PdfSheet
{
    QSizeF points;
    QList<PdfWord> words;

    QList<PdfWord> find(const QString &text) const
    {
        QList<PdfWord> found;
        for (const PdfWord &word : words)
            if (word.text == text)
                found.append(word);
        return found;
    }

    // Whether the word stands wholly inside the place given.
    bool has(const QString &text, const QRectF &placeMm) const
    {
        for (const PdfWord &word : find(text))
            if (placeMm.contains(word.mm))
                return true;
        return false;
    }
};

inline QList<PdfSheet> sheetsOf(const QString &pdf)
{
    constexpr double MmPerPoint = 25.4 / 72;
    QList<PdfSheet> sheets;
    QXmlStreamReader xml(
        outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    auto number = [&](const char *name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            sheets.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !sheets.isEmpty()) {
            const QRectF points(QPointF(number("xMin"), number("yMin")),
                                QPointF(number("xMax"), number("yMax")));
            const QRectF mm(points.topLeft() * MmPerPoint, points.bottomRight() * MmPerPoint);
            sheets.last().words.append({xml.readElementText(), mm});
        }
    }
    return sheets;
}

} // namespace orvika::test
