#pragma once

#include "calculations/calculation_content.h"
#include "sound_level/zone_totals.h"

// The sections of the calculation document, each appended to the content in its turn.
namespace orvika::calculation_sections {

ContentBlock heading(const QString &text);
ContentBlock paragraph(const QString &text);
ContentBlock table(ContentTable table);

// The verdict of a clause in words: its text and whether it is met.
QString verdictWords(const Verdict &verdict);

void addNorms(QList<ContentBlock> &blocks, const NormsProfile &norms);
void addMethod(QList<ContentBlock> &blocks, const NormsProfile &norms);
void addLoudspeakers(QList<ContentBlock> &blocks, const Acoustics &acoustics);
void addRooms(QList<ContentBlock> &blocks, const Acoustics &acoustics,
              const QList<RoomCalculation> &calculations);
void addZoneTotals(QList<ContentBlock> &blocks, const QList<ZoneTotal> &totals);
void addLines(QList<ContentBlock> &blocks, const LoudspeakerLines &lines, const Requirements &requirements);
void addAmplifiers(QList<ContentBlock> &blocks, const Catalogue &catalogue, const Requirements &requirements,
                   const Proposal &proposal, const LoudspeakerLines &lines, const QList<ZoneTotal> &totals);
void addPlans(QList<ContentBlock> &blocks, const Acoustics &acoustics,
              const QList<RoomCalculation> &calculations);

} // namespace orvika::calculation_sections
