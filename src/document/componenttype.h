#pragma once
// The component kinds, part of their description (componentkinds.h). The numbers are the
// kinds' codes in the schematic file (its "ctype=" key); only the reader and the writer
// turn a kind into its code and back. The editor also uses the code as the mode that places
// the kind.

namespace norvane {

enum class ComponentType : int {
  Resistor = 1,
  Capacitor = 2,
  Inductor = 3,
  Ground = 4,
  OpAmp = 5,
  TxLine = 6,
  SParam2 = 7, // 2-port S-parameter data block
  SParam1 = 8, // 1-port S-parameter data block
  Transformer = 9,
  Mutual = 10,
  Bipolar = 11,
  VCVS = 12,
  VCCS = 13,
  CCVS = 14,
  CCCS = 15,
};

inline constexpr ComponentType kFirstComponentType = ComponentType::Resistor;
inline constexpr ComponentType kLastComponentType = ComponentType::CCCS;

// The kind's code (the file's ctype, the editor mode that places it).
constexpr int kindCode(ComponentType type)
{
  return static_cast<int>(type);
}

// How many kinds there are; the codes run from 1 to this.
inline constexpr int kComponentTypeCount =
    kindCode(kLastComponentType) - kindCode(kFirstComponentType) + 1;

// Whether `code` names a kind.
constexpr bool isKindCode(int code)
{
  return code >= kindCode(kFirstComponentType) && code <= kindCode(kLastComponentType);
}

// Whether `type` is one of the kinds (a zero-filled record holds none).
constexpr bool isComponentKind(ComponentType type)
{
  return isKindCode(kindCode(type));
}

// The kind a code names. The schematic reader keeps any code it reads (so that a file is
// saved back unchanged); a code isKindCode refuses gives a value that names no kind.
constexpr ComponentType kindOfCode(int code)
{
  return static_cast<ComponentType>(code);
}

} // namespace norvane
