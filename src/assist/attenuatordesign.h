#pragma once
// The attenuator assistant's designs: resistive Tee, Pi and bridged-Tee pads for a given
// attenuation between given input and output resistances.

#include "assist/assistantcircuit.h"

#include <string>

namespace norvane {

enum class AttenuatorTopology { Tee = 0, Pi, BridgedTee };

inline constexpr const char* kAttenuatorTopologyNames[] = {"Tee Section", "Pi Section",
                                                           "Bridged Tee"};

struct AttenuatorInput
{
  AttenuatorTopology topology = AttenuatorTopology::Pi;
  double zin = 50.0;  // ohm
  double zout = 50.0; // ohm; the bridged Tee uses zin for both sides
  double attenuationDb = 10.0;
  double resistorTol = 5.0; // percent
};

inline constexpr const char* kMsgAttenuationRange = "attenuation out of range";
// Followed by the least attenuation a pad between the two impedances can have.
inline constexpr const char* kMsgAttenuationBelowMinimum =
    "attenuation out of range: a pad between Zin and Zout needs more than ";

struct AttenuatorResult
{
  bool built = false;
  std::string error;
  AssistantCircuit circuit;
};

// Unequal resistances with too little attenuation give negative resistors; they are built
// as computed.
AttenuatorResult designAttenuator(const AttenuatorInput& in);

// The written schematic keeps the preferences' sweep limits and sweeps logarithmically.
AssistantWriteSettings attenuatorWriteSettings();

} // namespace norvane
