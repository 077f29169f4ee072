#pragma once
// Names shared by the schematic file's reader and writer.

#include <array>
#include <string>

namespace norvane::schematicfile {

// The first three lines of every file; the reader does not check them.
inline constexpr std::array<const char*, 3> kBanner{
    "***********************************************************",
    "******              Norvane Schematic File         ********",
    "***********************************************************",
};

// "value[3]=" for i = 3.
inline std::string valueKey(int i)
{
  return "value[" + std::to_string(i) + "]=";
}

// "nodes[2].y=" for i = 2, axis 'y'.
inline std::string nodeKey(int i, char axis)
{
  return "nodes[" + std::to_string(i) + "]." + std::string(1, axis) + "=";
}

} // namespace norvane::schematicfile
