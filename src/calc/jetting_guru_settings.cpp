#include "jetting_guru_settings.h"

#include "app/program_settings.h"

#include <algorithm>

JettingGuruSettings JettingSettingsFrom(const ProgramSettings& settings) {
    JettingGuruSettings guru;
    // Only the two entries of each choice exist; anything else keeps the default.
    if (settings.jettingMethod == 0 || settings.jettingMethod == 1)
        guru.method = JettingMethod(settings.jettingMethod);
    if (settings.jettingJetTypeIndex == 0 || settings.jettingJetTypeIndex == 1)
        guru.kind = JetSizeKind(settings.jettingJetTypeIndex);
    guru.reference1 = settings.jettingRefRad1;
    guru.reference2 = settings.jettingRefRad2;
    const int rows = std::min(JettingGuruRowCount, int(settings.jettingGrid.size()));
    for (int row = 0; row < rows; ++row)
        guru.rows[row] = {settings.jettingGrid[row][0], settings.jettingGrid[row][1],
                          settings.jettingGrid[row][2]};
    return guru;
}

void StoreJettingSettings(const JettingGuruSettings& guru, ProgramSettings& settings) {
    settings.jettingMethod = int(guru.method);
    settings.jettingJetTypeIndex = int(guru.kind);
    settings.jettingRefRad1 = guru.reference1;
    settings.jettingRefRad2 = guru.reference2;
    const int rows = std::min(JettingGuruRowCount, int(settings.jettingGrid.size()));
    for (int row = 0; row < rows; ++row)
        settings.jettingGrid[row] = {guru.rows[row].name, guru.rows[row].size1, guru.rows[row].size2};
}
