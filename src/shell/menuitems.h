// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// The main menu's items. The numbers are the items' indices as clicks
// report them; the gaps are topics the theme plans but the menu lacks.
enum class MenuItem {
    Introduction = 0,
    SolarSystem = 1,
    OrbitsAndGravitation = 2,
    TimeAndSeasons = 3,
    PhasesOfTheMoon = 4,
    Tides = 5,
    Eclipses = 6,
    SunspotsAndAurora = 7,
    ContinentsAndOceans = 8,
    LifeOnEarth = 9,
    MoonLandings = 10,
    SunAndStars = 15,
    Exit = 16,
    MultipleChoiceWizard = 17,
    WorksheetCatalogue = 18,
    Acknowledgements = 19,
    TeachersGuide = 20,
};

} // namespace shell
