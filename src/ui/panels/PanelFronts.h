#pragma once

namespace quelta::ui {

class ScreenBuilder;

// The fronts of the fire panels, one function per family, each laying out its screens.
void buildAguileraScreens(ScreenBuilder &builder); // PEstatAgui (AE/SA, AGE), PEstatAgui2 (AE/C5)
void buildBcScreens(ScreenBuilder &builder);       // PEstatBC600, PEstatBC216
void buildCofemScreens(ScreenBuilder &builder);    // PEstatCofem, PEstatCofemZafir
void buildZoneScreens(ScreenBuilder &builder);     // PEstatUrano, PEstatKomttech, PEstatSupra
void buildEventScreens(ScreenBuilder &builder);    // PEstatSyncro, PEstatAD300, PEstatID3000, PEstatAvenarBosch
void buildDetnovScreen(ScreenBuilder &builder);    // PEstatDetnov

} // namespace quelta::ui
