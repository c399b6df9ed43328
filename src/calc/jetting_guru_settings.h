#pragma once
// The jetting guru's values as the program settings keep them (section "jetting_guru"): read into the
// guru at start-up, stored back when the guru was changed.
#include "jetting_guru.h"

struct ProgramSettings;

JettingGuruSettings JettingSettingsFrom(const ProgramSettings& settings);
void StoreJettingSettings(const JettingGuruSettings& guru, ProgramSettings& settings);
