#pragma once
// The material lists of the calculator windows: dielectrics (the transmission line and
// capacitor windows) and magnetic media (the flat-twin line). Choosing an item writes its
// value with one decimal into the field beside the list; editing that field by hand shows
// "custom" in the list instead.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace norvane {

struct MaterialItem
{
  std::string_view name; // the list text
  double value;          // the relative permittivity or permeability it enters
};

// Sapphire, ferrite and the fibreglass boards enter a typical value of their range.
inline constexpr std::array<MaterialItem, 18> kDielectricMaterials{{
    {"Air Er=1", 1},
    {"G10 FibreGlass Er=3.8~4.8", 4.7},
    {"FR4 FibreGlass Er=3.8~4.8", 4.7},
    {"PTFE Er=2.2", 2.2},
    {"Nylon Er=3.9", 3.9},
    {"Alumina 99.5% Er=10", 10},
    {"Alumina 96% Er=9", 9},
    {"Alumina 85% Er=8", 8},
    {"Sapphire Er=9.4~11.6", 10},
    {"Glass Er=5", 5},
    {"Polyolefin Er=2.3", 2.3},
    {"Quartz Er=3.8", 3.8},
    {"Beryllium oxide Er=6.6 ", 6.6},
    {"Rutile Er=100", 100},
    {"Ferrite/Garnet Er=13..16", 14.5},
    {"Cu-flon Er=2.1", 2.1},
    {"GaAs (high resistivity) Er=13", 13},
    {"Si (high resistivity) Er=12", 12},
}};

inline constexpr std::array<MaterialItem, 6> kMagneticMaterials{{
    {"Air Ur=1", 1},
    {"Cast Steel Ur=400~900", 650},
    {"Wrought Iron Ur=2000~2500", 2250},
    {"Mild Steel Ur=2000~2500", 2250},
    {"Cast Iron Ur=1200~2100", 1600},
    {"Stalloy Ur=400~2500", 1600},
}};

// Indices of the items selected when the windows are created.
inline constexpr int kAirDielectric = 0;
inline constexpr int kG10Dielectric = 1;
inline constexpr int kAirMagnetic = 0;

// The list text shown once the field beside it has been edited by hand.
inline constexpr std::string_view kCustomMaterialText = "custom";

// The field text a chosen item writes: its value with one decimal ("3.9", "100.0").
std::string materialValueText(const MaterialItem& item);

// One material list and the field it feeds. The window forwards only the user's own edits of
// the field (not the text that choose() hands it to write).
class MaterialChoice
{
public:
  MaterialChoice(std::span<const MaterialItem> items, int selected)
      : m_items(items), m_selected(selected)
  {
  }

  // Selects item `index` (ignored when out of range) and returns the text for the field.
  std::optional<std::string> choose(int index);
  // The user typed into the field: the list shows "custom".
  void fieldEditedByHand() { m_selected.reset(); }

  std::optional<int> selected() const { return m_selected; }
  std::string listText() const;

private:
  std::span<const MaterialItem> m_items;
  std::optional<int> m_selected;
};

} // namespace norvane
