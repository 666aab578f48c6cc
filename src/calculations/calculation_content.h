#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "documents/picture.h"
#include "project/project_card.h"
#include "sound_level/norms_profile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The calculation part of the explanatory note, "Расчёт уровня звука", as one content that both its PDF
// and its ODT lay out: headings, paragraphs, tables with their header rows, and room plans.
namespace orvika {

inline const QString CalculationsName = QStringLiteral("Расчёт уровня звука");

struct ContentTable
{
    QList<QStringList> header; // the header rows, repeated on every sheet the table runs over
    QList<QStringList> rows;
    QList<double> widthsMm; // of each column, 185 mm in all: the width of an A4 sheet's frame
    QList<bool> figures;    // a column of figures stands in the middle of its cells
};

struct ContentBlock
{
    enum class Kind { Heading, Paragraph, Table, Pictures };
    Kind kind = Kind::Paragraph;
    QString text; // a heading's or a paragraph's
    ContentTable table;
    QList<Picture> pictures; // each with its title as the caption
};

struct CalculationContent
{
    ProjectCard card; // what the title blocks name
    QList<ContentBlock> blocks;
};

// The document of the card's rooms and lines, the proposal's amplifiers and the norms given.
CalculationContent calculationContent(const ProjectCard &card, const Catalogue &catalogue,
                                      const Requirements &requirements, const Proposal &proposal,
                                      const NormsProfile &norms);

} // namespace orvika
