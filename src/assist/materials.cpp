#include "assist/materials.h"

#include "assist/calctext.h"

namespace norvane {

std::string materialValueText(const MaterialItem& item)
{
  return fixedText(item.value, 1, "");
}

std::optional<std::string> MaterialChoice::choose(int index)
{
  if (index < 0 || static_cast<size_t>(index) >= m_items.size()) return std::nullopt;
  m_selected = index;
  return materialValueText(m_items[static_cast<size_t>(index)]);
}

std::string MaterialChoice::listText() const
{
  if (!m_selected) return std::string(kCustomMaterialText);
  return std::string(m_items[static_cast<size_t>(*m_selected)].name);
}

} // namespace norvane
