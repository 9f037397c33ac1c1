#pragma once

#include <functional>

#include "model/WorldPart.h"

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// The part of the world a mapping run changes: the countries 1 to 206.
SWorldScope MappedCountries();

// Every club of the countries 1 to 206 but the national teams, in country and club id order.
void ForEachMappedClub(CWorld& world, const std::function<void(CClub&)>& visit);
// Every player (person kind 0) of those clubs, in squad order.
void ForEachMappedPlayer(CWorld& world, const std::function<void(CPlayer&)>& visit);

}  // namespace kw
