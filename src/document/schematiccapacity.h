#pragma once
// The capacities of the document as a schematic file meets them. The document holds its
// records in arrays of fixed size (schematic.h); a file with more than they hold is refused as a
// whole, since reading only the first of them would lose part of the drawing without a word,
// and a resave would then write the shortened circuit over the file. The messages name the
// limit; the reader and the survey that runs before it give the same ones.

#include <optional>
#include <string>
#include <string_view>

namespace norvane::schematiccapacity {

constexpr std::string_view kComponentsName = "components";
constexpr std::string_view kWiresName = "wires";
constexpr std::string_view kLinesName = "drawing lines";
constexpr std::string_view kTextsName = "texts";

// "The schematic has more than 1000 components; at most 1000 can be held".
std::string capacityMessage(int capacity, std::string_view what);

// A data set of `ports` ports (1 or 2) with more than 2000 points.
std::string dataSetPointsMessage(int ports);

// A data set whose index is outside 1..50; `index` is empty for a record without "index="
// (a cut file).
std::string dataSetIndexMessage(int ports, std::optional<int> index);

} // namespace norvane::schematiccapacity
