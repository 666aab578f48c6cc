#pragma once

#include "project/project_card.h"

// The card's text keys as its file names them, in the file's order; the people's inside "people".
namespace orvika::card_keys {

template <typename Owner> struct TextKey
{
    const char *key;
    QString Owner::*field;
};
inline constexpr TextKey<ProjectCard> CardTexts[] = {
    {"object", &ProjectCard::object},     {"address", &ProjectCard::address},
    {"customer", &ProjectCard::customer}, {"designation", &ProjectCard::designation},
    {"stage", &ProjectCard::stage},       {"organisation", &ProjectCard::organisation},
    {"supplier", &ProjectCard::supplier},
};

inline constexpr TextKey<ProjectPeople> PeopleTexts[] = {
    {"developer", &ProjectPeople::developer},     {"checker", &ProjectPeople::checker},
    {"normControl", &ProjectPeople::normControl}, {"chiefEngineer", &ProjectPeople::chiefEngineer},
    {"approver", &ProjectPeople::approver},
};

} // namespace orvika::card_keys
