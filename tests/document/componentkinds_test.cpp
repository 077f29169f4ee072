// The kind descriptions are complete and agree with the symbols, the templates and the
// zero replacements the program has always used.

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/componentkinds.h"
#include "document/symboltable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace norvane {
namespace {

TEST(ComponentKinds, EveryKindIsCompletelyDescribed)
{
  // The program's own kinds are all registered, under the codes the file format gives them.
  for (int code = kindCode(ComponentType::Resistor); code <= kindCode(ComponentType::CCCS);
       ++code) {
    EXPECT_TRUE(isKindCode(code)) << code;
  }
  std::set<std::string_view> codeNames;
  int previousCode = 0;
  for (const ComponentKind& registered : componentKinds()) {
    const int code = registered.code();
    SCOPED_TRACE(code);
    EXPECT_GT(code, previousCode) << "in code order";
    previousCode = code;
    ASSERT_TRUE(isKindCode(code));
    const ComponentKind* kind = findComponentKind(kindOfCode(code));
    ASSERT_EQ(kind, &registered);
    EXPECT_EQ(kind->code(), code);
    EXPECT_EQ(&componentKind(kind->type), kind);
    EXPECT_TRUE(codeNames.insert(kind->codeName).second) << kind->codeName;
    EXPECT_FALSE(kind->title.empty());
    ASSERT_NE(symbolFor(kind->type), nullptr);
    EXPECT_EQ(symbolFor(kind->type), symbolFor(code));
    EXPECT_EQ(kind->pins, symbolFor(kind->type)->pins.count);

    // The parameters the editor relies on by name exist: the tuned value, the value the
    // previews show, the data set of a block.
    if (!kind->tunedParameter.empty()) {
      EXPECT_NE(kind->parameter(kind->tunedParameter), nullptr) << kind->tunedParameter;
      EXPECT_GE(kind->tunedSlot(), 1);
    }
    if (!kind->previewParameter.empty()) {
      EXPECT_NE(kind->parameter(kind->previewParameter), nullptr) << kind->previewParameter;
    }
    EXPECT_EQ(kind->dataBlock != DataBlock::None, kind->parameter("dataSet") != nullptr);
    EXPECT_EQ(kind->hasProperties(), kind->type != ComponentType::Ground);

    // Every parameter named once, in a real slot, with sane dialog limits; every slot from
    // 1 to the highest used is described (no slot the code reads goes unnamed).
    std::set<std::string_view> names;
    std::set<int> slots;
    for (const ParameterDescription& p : kind->parameters) {
      EXPECT_FALSE(p.name.empty());
      EXPECT_TRUE(names.insert(p.name).second) << p.name;
      EXPECT_GE(p.slot, 1);
      EXPECT_LE(p.slot, kValuesPerComponent);
      EXPECT_LE(p.low, p.high) << p.name;
      EXPECT_GE(p.decimals, 0) << p.name;
      EXPECT_GE(p.zeroReplacement, 0.0) << p.name;
      if (p.varied) {
        EXPECT_EQ(p.field, SlotField::Whole) << p.name << ": only a whole slot has tolerances";
      }
      slots.insert(p.slot);
    }
    for (int s = 1; s <= kind->slotsUsed(); ++s) {
      EXPECT_TRUE(slots.count(s) == 1) << "slot " << s << " undescribed";
    }
    EXPECT_EQ(kind->parameters.empty(), kind->type == ComponentType::Ground);
    if (kind->templateRecord != nullptr) {
      EXPECT_GE(kind->templateValues, kind->slotsUsed());
    } else {
      EXPECT_EQ(kind->templateValues, 0);
    }
  }
  EXPECT_EQ(findComponentKind(kindOfCode(0)), nullptr);
  EXPECT_EQ(findComponentKind(kindOfCode(kMaxKindCode + 1)), nullptr);
  EXPECT_EQ(findComponentKind(kindOfCode(ckPort1)), nullptr);
  EXPECT_FALSE(isKindCode(0));
  EXPECT_FALSE(isKindCode(kMaxKindCode + 1));
  EXPECT_FALSE(isKindCode(-1));
}

TEST(ComponentKinds, ParametersReadAndWriteTheirSlots)
{
  Component bjt;
  bjt.ctype = ComponentType::Bipolar;
  setParameterValue(bjt, "ro", 4700);
  setParameterValue(bjt, "surfaceMount", 1);
  EXPECT_EQ(bjt.value[2].maxtol, 4700);
  EXPECT_TRUE(bjt.value[5].TolPercent);
  EXPECT_EQ(parameterValue(bjt, "ro"), 4700);
  EXPECT_THROW(parameterValue(bjt, "inductance"), std::out_of_range);

  Component l;
  l.ctype = ComponentType::Inductor;
  l.value[2].nom = 40;
  l.value[3].nom = 1e8;
  l.value[4].nom = 2e9;
  l.value[5].nom = 2;
  l.value[5].TolEn = true;
  EXPECT_EQ(qualityFactor(l), 40);
  EXPECT_EQ(qFrequency(l), 1e8);
  EXPECT_EQ(selfResonance(l), 2e9);
  EXPECT_EQ(qModeNumber(l), 2);
  EXPECT_TRUE(usesPhysicalModel(l));
}

TEST(ComponentKinds, ZeroReplacementsAndTemplateDefaults)
{
  auto replaced = [](ComponentType kind, int slot) {
    Component c;
    c.ctype = kind;
    for (int k = 1; k <= kValuesPerComponent; ++k) {
      c.value[k].mintol = 0.5; // only nominal values are replaced
    }
    replaceZeroValues(c);
    EXPECT_EQ(c.value[slot].mintol, 0.5);
    return c.value[slot].nom;
  };
  EXPECT_EQ(replaced(ComponentType::Resistor, 1), 1e-6);
  EXPECT_EQ(replaced(ComponentType::Capacitor, 1), 1e-20);
  EXPECT_EQ(replaced(ComponentType::Capacitor, 2),
            0.0); // Q is not divided by when the model is off
  EXPECT_EQ(replaced(ComponentType::Inductor, 1), 1e-20);
  EXPECT_EQ(replaced(ComponentType::OpAmp, 1), 1e-20);
  EXPECT_EQ(replaced(ComponentType::OpAmp, 2), 1e-20);
  EXPECT_EQ(replaced(ComponentType::OpAmp, 3), 0.0);
  EXPECT_EQ(replaced(ComponentType::TxLine, 1), 1e-20);
  EXPECT_EQ(replaced(ComponentType::TxLine, 2), 1.0);
  EXPECT_EQ(replaced(ComponentType::TxLine, 3), 1e-20);
  EXPECT_EQ(replaced(ComponentType::VCVS, 1), 0.0);
  EXPECT_EQ(replaced(ComponentType::SParam2, 1), 0.0);

  // The template defaults are the ones the descriptions give, and what they leave unset
  // stays as it was.
  Schematic doc;
  doc.lastR.value[2].nom = 7;
  clearSchematic(doc, Environment{});
  EXPECT_EQ(doc.lastR.value[1], (ToleranceValue{50, -1, 1, 0, true, true}));
  EXPECT_EQ(doc.lastR.value[2].nom, 7);
  EXPECT_EQ(doc.lasttxln.value[1], (ToleranceValue{50, -5, 5, 0, true, false}));
  EXPECT_EQ(doc.lastBipolar.value[4], (ToleranceValue{5e-10, 3e7, 5e-10, 0, false, false}));
  EXPECT_TRUE(doc.lastBipolar.value[5].TolEn);
  EXPECT_EQ(doc.lastTransformer.value[1].mintol, 1);
  EXPECT_EQ(doc.lastMutual.value[1], ToleranceValue{});
}

} // namespace
} // namespace norvane
