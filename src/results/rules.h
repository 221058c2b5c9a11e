#pragma once

namespace results {

// The vertical travel distance D between two vertical locations, each rounded
// to a whole number (halves to even) first. Computed in doubles, so any typed
// location gives a D; a difference beyond the double range stays at its
// largest value.
double TravelDistance(double originV, double destinationV);

// DM from D (inches under U.S. customary, else centimetres).
double DistanceMultiplier(double d, bool usCustomary);

enum class Coupling { Good, Fair, Poor };

// CM at one end of the lift: a Fair coupling depends on whether that end's
// vertical location is below 30 in / 75 cm.
float CouplingMultiplier(Coupling coupling, double v, bool usCustomary);

} // namespace results
