#include "app/cell_history_keys.h"

const CellEditorRows& CellEditorRowsOf(CellEditorGrid grid) {
    static const CellEditorRows jetting{
        10,
        {"CarburatorKey", "MainJetKey", "PilotJetKey", "NeedleJetKey", "PowerJetKey", "NeedleKey",
         "NeedleClipKey", "AirScrewKey", "ThrottleSlideKey", "FloatLevelKey", "FuelPressureKey",
         "InjectorKey", "SquishKey", "DeckHeightKey", "CylinderHeadKey", "BaseGasketKey", "JettingOtherKey"}};
    // Mileage (and on four wheels Circumference) are typed into the grid itself.
    static const CellEditorRows fourWheelTires{5,
                                               {"IDKey", "TirePressureColdKey", "TireCompoundKey",
                                                "TireBrandKey", "TireDimensionsKey", "", "",
                                                "TireRotationKey", "WheelKey"}};
    static const CellEditorRows bikeTires{10,
                                          {"IDKey", "TirePressureColdKey", "TireCompoundKey", "TireBrandKey",
                                           "TireDimensionsKey", "", "TireRotationKey", "WheelKey"}};
    static const CellEditorRows wheelAngles{
        5, {"CamberKey", "CasterKey", "BumpsteerKey", "ToeInKey", "ToeOutKey"}};
    static const CellEditorRows dampers{
        5,
        {"SpringKey", "SpringPreloadKey", "BumpSlowKey", "BumpFastKey", "ReboundSlowKey", "ReboundFastKey"}};
    switch (grid) {
    case CellEditorGrid::Jetting:
        return jetting;
    case CellEditorGrid::FourWheelTires:
        return fourWheelTires;
    case CellEditorGrid::BikeTires:
        return bikeTires;
    case CellEditorGrid::WheelAngles:
        return wheelAngles;
    case CellEditorGrid::Dampers:
        return dampers;
    }
    return dampers;
}
