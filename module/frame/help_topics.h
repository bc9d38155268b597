// The help table: which help file and topic each dialog (and, for the two search dialogs,
// each control) opens from F1 and from its help button. Every WM_HELP handler and help button
// of the module takes its row from here and calls ShowHelp; a WM_HELP handler reports the
// message as handled (TRUE) whether or not it opened anything.
//
// Not in the table:
// - The notice about multiple properties: F1 there is handled and opens nothing.
// - The message boxes: they open the help reference their caller passes ("file#topic").
// - The additional data page of the user-defined component wizard for a type other than
//   "Conventional" or "Solid": it opens nothing.
#pragma once

#include "frame/help.h"

namespace quarnel::help
{

inline constexpr char kComponentsFile[] = "cmpnts.chm";
inline constexpr char kPropertiesFile[] = "props.chm";
inline constexpr char kParametersFile[] = "pp-param.chm";

// The component Find, by the control the help message names. The tab control and every
// control without a row of its own open the row of the page that shows.
inline constexpr HelpTopic kFindNamePage{kComponentsFile, 150};
inline constexpr HelpTopic kFindAdvancedPage{kComponentsFile, 152};
inline constexpr HelpTopic kFindDatabankButton{kComponentsFile, 136};
inline constexpr HelpTopic kFindResultList{kComponentsFile, 167};
inline constexpr HelpTopic kFindBeginningWith{kComponentsFile, 12};
inline constexpr HelpTopic kFindAlternateNames{kComponentsFile, 5};

// The property search, by the control the help message names; the help button and every
// other control open kPropertySearch.
inline constexpr HelpTopic kPropertySearch{kPropertiesFile, 94};
inline constexpr HelpTopic kPropertySearchText{kPropertiesFile, 95};
inline constexpr HelpTopic kPropertySearchButton{kPropertiesFile, 96};
inline constexpr HelpTopic kPropertyResults{kPropertiesFile, 97};
inline constexpr HelpTopic kPropertyAdd{kPropertiesFile, 98};
inline constexpr HelpTopic kPropertySelection{kPropertiesFile, 99};
inline constexpr HelpTopic kPropertyRemove{kPropertiesFile, 100};

// The electrolyte wizard: its frame and welcome page share a row.
inline constexpr HelpTopic kElectrolyteWelcome{kComponentsFile, 138};
inline constexpr HelpTopic kElectrolyteBaseComponents{kComponentsFile, 139};
inline constexpr HelpTopic kElectrolyteSpecies{kComponentsFile, 140};
inline constexpr HelpTopic kElectrolyteApproach{kComponentsFile, 141};
inline constexpr HelpTopic kElectrolyteSummary{kComponentsFile, 142};

// The user-defined component wizard: its frame and ID page share a row.
inline constexpr HelpTopic kUserDefinedId{kComponentsFile, 144};
inline constexpr HelpTopic kUserDefinedConventionalBasic{kComponentsFile, 145};
inline constexpr HelpTopic kUserDefinedSolidBasic{kComponentsFile, 147};
inline constexpr HelpTopic kUserDefinedConventionalAdditional{kComponentsFile, 146};
inline constexpr HelpTopic kUserDefinedSolidAdditional{kComponentsFile, 166};

inline constexpr HelpTopic kPureComponentParameter{kParametersFile, 1};
inline constexpr HelpTopic kReorderComponents{kComponentsFile, 154};
// Both upward compatibility dialogs, from F1 and from their help button: the user guide.
inline constexpr HelpTopic kUpwardCompatibility{NULL, 1326};

} // namespace quarnel::help
