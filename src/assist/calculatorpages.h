#pragma once
// The pages of the transmission line, inductor, capacitor, coupler and splitter calculators,
// each described once: its caption, its inputs (the member of the calculator's input record
// that holds the text, with its caption, unit, limits and the factor from the typed unit to
// the calculation's), its results (the member of the result record that holds the text, with
// its caption), its notes and how it calculates. The core reads and calculates a page from
// its description; the window lays the page out from it and copies the texts into and out of
// the records with it.

#include "assist/calcnotices.h"
#include "assist/materials.h"
#include "numbers/boundedreader.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace norvane {

// A page's input values in the calculation's units (a length typed in mm is in metres), in
// the order of the page's inputs.
inline constexpr std::size_t kMaxPageInputs = 8;
using PageValues = std::array<double, kMaxPageInputs>;
// The values read so far while a page is being read.
using PartialValues = std::array<std::optional<double>, kMaxPageInputs>;

// A material list on the row below an input: choosing an item writes its value into it.
struct CalcMaterial
{
  std::string_view caption;
  std::span<const MaterialItem> items;
  int selected; // the item selected when the window is created
};

template <class Fields> struct CalcInput
{
  std::string Fields::*text;
  std::string_view caption;   // the label before the field; it names the field in messages
  std::string_view unit = {}; // the text after the field
  double scale = 1;           // from the typed unit to the calculation's: 1e-3 for mm
  NumberBounds bounds = {};
  std::string_view name = {}; // the name in messages where it is not the caption
  const CalcMaterial* material = nullptr;
  // Limits that depend on the page's other inputs: this input is read after all of them.
  NumberBounds (*boundsAfter)(const PartialValues& others) = nullptr;
};

template <class Fields, class Texts> struct CalcResult
{
  std::string Texts::*text;
  std::string_view caption;
  // An input shown inside this row, between the caption and the panel: its caption before
  // it, its unit after it ("Atten @ [1000] MHz = [0.3dB/m]").
  std::string Fields::*input = nullptr;
};

template <class Fields, class Texts> struct CalcPage
{
  std::string_view caption; // the tab, and the page's name in messages
  std::span<const CalcInput<Fields>> inputs;
  std::span<const CalcResult<Fields, Texts>> results;
  // Calculates the page from its values (nullptr when an input could not be read: the
  // results are cleared), writes its result texts and returns the calculation's error.
  std::string (*calculate)(const PageValues* values, Texts& out);
  std::span<const std::string_view> notes = {};
  // Leaving one of its inputs (not one inside a result row) calculates the window.
  bool calculateOnLeaving = false;
  // The text that warns, beside the results, that the inputs lie outside the range where the
  // page's formulas hold ("" when they do, and on pages without such a range).
  std::string Texts::*warning = nullptr;
};

// Reads the page's inputs in order, those with limits set by the others last; texts are
// rewritten where a value was clamped. Empty when a field is not a number (the reader holds
// the reason).
template <class Fields, class Texts>
std::optional<PageValues> readPage(const CalcPage<Fields, Texts>& page, Fields& fields,
                                   FieldReader& reader)
{
  PartialValues read{};
  const auto readInput = [&](std::size_t i, NumberBounds bounds) {
    const CalcInput<Fields>& in = page.inputs[i];
    const std::string_view name = in.name.empty() ? in.caption : in.name;
    if (const auto typed = reader.read(fields.*in.text, name, bounds)) read[i] = *typed * in.scale;
  };
  for (std::size_t i = 0; i < page.inputs.size(); ++i)
    if (!page.inputs[i].boundsAfter) readInput(i, page.inputs[i].bounds);
  for (std::size_t i = 0; i < page.inputs.size(); ++i)
    if (page.inputs[i].boundsAfter) readInput(i, page.inputs[i].boundsAfter(read));
  if (reader.failed()) return std::nullopt;
  PageValues values{};
  for (std::size_t i = 0; i < page.inputs.size(); ++i)
    values[i] = *read[i];
  return values;
}

// Reads and calculates one page into `out`, noting its beep and error.
template <class Fields, class Texts>
void calculatePage(const CalcPage<Fields, Texts>& page, Fields& fields, Texts& out)
{
  FieldReader reader(page.caption);
  const std::optional<PageValues> values = readPage(page, fields, reader);
  const std::string error = page.calculate(values ? &*values : nullptr, out);
  out.notices.notePage(reader, page.caption, error);
}

// Every page of a calculator whose pages share one input record.
template <class Fields, class Texts>
Texts calculatePages(std::span<const CalcPage<Fields, Texts>> pages, const Fields& fields)
{
  Texts out;
  out.fields = fields;
  for (const CalcPage<Fields, Texts>& page : pages)
    calculatePage(page, out.fields, out);
  return out;
}

} // namespace norvane
