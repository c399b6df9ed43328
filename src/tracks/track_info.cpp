#include "track_info.h"

#include <array>

namespace {
using T = TTrackInfo;
using F = TrackField;
using U = TrackUnit;

// The address key is spelled "adress" in every file ever written.
const std::array<TrackFieldInfo, kTrackFieldCount> kFields{{
    {F::Length, "length", &T::Length, U::Length, true},
    {F::Width, "width", &T::Width, U::Short, true},
    {F::MainStraightLength, "main_straight_length", &T::MainStraightLength, U::Short, true},
    {F::LeftTurns, "left_turns", &T::LeftTurns, U::None, true},
    {F::RightTurns, "right_turns", &T::RightTurns, U::None, true},
    {F::Surface, "surface", &T::Surface, U::None, true},
    {F::FuelConsumptionDry, "fuel_consumption_dry_track", &T::FuelConsumptionDry, U::Fuel, true},
    {F::FuelConsumptionWet, "fuel_consumption_wet_track", &T::FuelConsumptionWet, U::Fuel, true},
    {F::Altitude, "altitude", &T::Altitude, U::Short, true},
    {F::Country, "country", &T::Country, U::None, true},
    {F::City, "city", &T::City, U::None, true},
    {F::Organisation, "organisation", &T::Organisation, U::None, true},
    {F::Address, "adress", &T::Address, U::None, true},
    {F::Phone, "phone", &T::Phone, U::None, true},
    {F::Telefax, "telefax", &T::Telefax, U::None, true},
    {F::Accounts, "accounts", &T::Accounts, U::None, true},
    {F::Contact1, "contact1", &T::Contact1, U::None, true},
    {F::Contact1Email, "contact1_email", &T::Contact1Email, U::None, true},
    {F::Contact2, "contact2", &T::Contact2, U::None, true},
    {F::Contact2Email, "contact2_email", &T::Contact2Email, U::None, true},
    {F::Homepage, "homepage", &T::Homepage, U::None, true},
    {F::Picture, "picture", &T::Picture, U::None, false},
    {F::Movie, "movie", &T::Movie, U::None, false},
}};
} // namespace

std::span<const TrackFieldInfo> TrackFields() {
    return kFields;
}

const TrackFieldInfo& TrackFieldOf(TrackField field) {
    return kFields[std::size_t(field)];
}
