#include "sim/devicemodel.h"

#include "numbers/valuetext.h"

namespace norvane {

const DeviceModel* findDevice(ComponentType type)
{
  const ComponentKind* kind = findComponentKind(type);
  return kind != nullptr ? kind->device : nullptr;
}

std::string listingValue(double x)
{
  return formatEngineering(3, x);
}

std::string listingNodes(const PinNodes& nodes, int count)
{
  std::string text;
  for (int k = 1; k <= count; ++k) {
    if (k > 1) {
      text += ' ';
    }
    text += std::to_string(nodes.node[static_cast<std::size_t>(k)]);
  }
  return text;
}

} // namespace norvane
