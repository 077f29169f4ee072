#pragma once
// The program's own component kinds by name. The numbers are the kinds' codes in the
// schematic file (its "ctype=" key); only the reader and the writer turn a kind into its
// code and back. The editor also uses the code as the mode that places the kind. Which codes
// name a kind is the registry's business (componentkinds.h): a kind may also be registered
// with a code that has no name here.

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

// The kind's code (the file's ctype, the editor mode that places it).
constexpr int kindCode(ComponentType type)
{
  return static_cast<int>(type);
}

// Codes a kind may take: the file format keeps ctype small, and the registry indexes its
// kinds by code.
inline constexpr int kMaxKindCode = 63;

// The kind a code names. The schematic reader keeps any code it reads (so that a file is
// saved back unchanged); a code no kind is registered under gives a value that names none.
constexpr ComponentType kindOfCode(int code)
{
  return static_cast<ComponentType>(code);
}

} // namespace norvane
