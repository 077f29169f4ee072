#include "config/environment.h"
#include "document/clearschematic.h"
#include "editor/bjtestimate.h"
#include "editor/propertymapping.h"
#include "editor/propertymapping_bipolar.h"
#include "editor/propertymapping_sparam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace norvane {
namespace {

ToleranceValue tol(double nom, double mintol, double maxtol, bool en, bool percent)
{
  ToleranceValue v;
  v.nom = nom;
  v.mintol = mintol;
  v.maxtol = maxtol;
  v.TolEn = en;
  v.TolPercent = percent;
  return v;
}

TEST(PropertyMapping, EnteredZerosBecomeHarmlessValues)
{
  Component r;
  r.ctype = ComponentType::Resistor;
  storeResistance(tol(0.0, -1, 1, true, true), r);
  EXPECT_EQ(r.value[1].nom, 1e-6);
  EXPECT_EQ(r.value[1].mintol, -1);
  storeResistance(tol(-3.0, 0, 0, false, false), r); // only an exact zero is replaced
  EXPECT_EQ(r.value[1].nom, -3.0);

  for (ComponentType kind : {ComponentType::Capacitor, ComponentType::Inductor}) {
    Component c;
    c.ctype = kind;
    ReactiveForm form;
    form.value = tol(0.0, -2, 2, true, true);
    storeReactiveForm(form, c);
    EXPECT_EQ(c.value[1].nom, 1e-20);
  }

  Component line;
  storeTxLineForm({tol(0, 0, 0, false, false), 0.0, tol(0, -2, 2, true, true)}, line);
  EXPECT_EQ(line.value[1].nom, 1e-20);
  EXPECT_EQ(line.value[2].nom, 1.0);
  EXPECT_EQ(line.value[3].nom, 1e-20);
  EXPECT_EQ(line.value[3].maxtol, 2);

  Component amp;
  storeOpAmpForm({0.0, 0.0, 0.0}, amp);
  EXPECT_EQ(amp.value[1].nom, 1e-20);
  EXPECT_EQ(amp.value[2].nom, 1e-20);
  EXPECT_EQ(amp.value[3].nom, 1.0); // 0 dB is unity gain
}

TEST(PropertyMapping, ReactiveFormMapsTheModelSlots)
{
  Component c;
  c.ctype = ComponentType::Capacitor;
  c.value[1].actual = 7.0; // the last run's value is not the dialog's business
  ReactiveForm form;
  form.value = tol(1e-11, -2, 2, true, true);
  form.physicalModel = true;
  form.q = 200;
  form.qFrequency = 1e8;
  form.selfResonance = 1e9;
  form.qMode = 3;
  storeReactiveForm(form, c);
  EXPECT_EQ(c.value[1].nom, 1e-11);
  EXPECT_EQ(c.value[1].actual, 7.0);
  EXPECT_EQ(c.value[2].nom, 200);
  EXPECT_EQ(c.value[3].nom, 1e8);
  EXPECT_EQ(c.value[4].nom, 1e9);
  EXPECT_EQ(c.value[5].nom, 3);
  EXPECT_TRUE(c.value[5].TolEn);

  const ReactiveForm back = readReactiveForm(c);
  EXPECT_EQ(back.qMode, 3);
  EXPECT_TRUE(back.physicalModel);
  EXPECT_EQ(back.value.mintol, -2);

  // A Q mode from a file that the dialog does not offer shows as the first one.
  for (double mode : {0.0, 4.0, -1.0, std::nan("")}) {
    c.value[5].nom = mode;
    EXPECT_EQ(readReactiveForm(c).qMode, 1);
  }
  c.value[5].nom = 2.2;
  EXPECT_EQ(readReactiveForm(c).qMode, 2);
}

TEST(PropertyMapping, OpAmpGainTravelsAsRatio)
{
  Component amp;
  storeOpAmpForm({1e6, 0.1, 100.0}, amp);
  EXPECT_DOUBLE_EQ(amp.value[3].nom, 1e5);
  EXPECT_DOUBLE_EQ(readOpAmpForm(amp).gainDb, 100.0);
  EXPECT_EQ(amp.value[1].nom, 1e6);
  EXPECT_EQ(amp.value[2].nom, 0.1);

  const struct
  {
    double dB, ratio;
  } cases[] = {{0, 1}, {20, 10}, {-20, 0.1}, {120, 1e6}, {6.0205999132796, 2.0}};
  for (const auto& c : cases) {
    EXPECT_NEAR(gainDbToRatio(c.dB), c.ratio, c.ratio * 1e-12) << c.dB;
    EXPECT_NEAR(gainRatioToDb(c.ratio), c.dB, 1e-9) << c.ratio;
  }
  // The field's limits reach far beyond a double: the ratio stays finite.
  EXPECT_EQ(gainDbToRatio(kOpAmpGainLimitDb), std::numeric_limits<double>::max());
  EXPECT_EQ(gainDbToRatio(-kOpAmpGainLimitDb), 0.0);
  // A gain without a dB form shows as the lowest gain, never as a huge positive one.
  EXPECT_EQ(gainRatioToDb(0.0), -kOpAmpGainLimitDb);
  EXPECT_EQ(gainRatioToDb(-5.0), -kOpAmpGainLimitDb);
}

TEST(PropertyMapping, CoupledCoilsUseTheTransformerSlots)
{
  Component t;
  storeCoupledCoilsForm({2.0, 5.0, true, 1e-6, 0.9}, t);
  EXPECT_EQ(t.value[1].mintol, 2.0);
  EXPECT_EQ(t.value[1].nom, 5.0);
  EXPECT_TRUE(t.value[1].TolEn);
  EXPECT_EQ(t.value[2].nom, 1e-6);
  EXPECT_EQ(t.value[3].nom, 0.9);
  const CoupledCoilsForm back = readCoupledCoilsForm(t);
  EXPECT_EQ(back.primaryTurns, 2.0);
  EXPECT_EQ(back.secondaryTurns, 5.0);
  EXPECT_TRUE(back.physicalModel);
}

TEST(PropertyMapping, TemplatesReceiveTheConfirmedSlots)
{
  auto doc = std::make_unique<Schematic>();
  clearSchematic(*doc, Environment{});
  const struct
  {
    ComponentType ctype;
    Component Schematic::*tmpl;
  } kinds[] = {
      {ComponentType::Resistor, &Schematic::lastR},
      {ComponentType::Capacitor, &Schematic::lastC},
      {ComponentType::Inductor, &Schematic::lastL},
      {ComponentType::OpAmp, &Schematic::lastopamp},
      {ComponentType::TxLine, &Schematic::lasttxln},
      {ComponentType::Transformer, &Schematic::lastTransformer},
      {ComponentType::Mutual, &Schematic::lastMutual},
      {ComponentType::Bipolar, &Schematic::lastBipolar},
      {ComponentType::VCVS, &Schematic::lastVCVS},
      {ComponentType::VCCS, &Schematic::lastVCCS},
      {ComponentType::CCVS, &Schematic::lastCCVS},
      {ComponentType::CCCS, &Schematic::lastCCCS},
  };
  for (const auto& k : kinds) {
    Component comp;
    comp.ctype = k.ctype;
    for (int slot = 1; slot <= 5; ++slot)
      comp.value[slot].maxtol = 42.0 + kindCode(k.ctype) + slot;
    const Component old = (*doc).*k.tmpl;
    copyToTemplate(*doc, comp);
    const Component& now = (*doc).*k.tmpl;
    for (int slot = 1; slot <= 5; ++slot) {
      // Only the slots a new component takes are confirmed values.
      EXPECT_EQ(now.value[slot],
                slot <= templateValueCount(k.ctype) ? comp.value[slot] : old.value[slot])
          << kindCode(k.ctype) << " " << slot;
    }
    EXPECT_EQ(templateFor(*doc, k.ctype), &((*doc).*k.tmpl));
  }
  for (ComponentType kind : {ComponentType::Ground, ComponentType::SParam2, ComponentType::SParam1,
                             kindOfCode(0), kindOfCode(kMaxKindCode + 1)}) {
    EXPECT_EQ(templateFor(*doc, kind), nullptr);
  }
  const auto before = std::make_unique<Schematic>(*doc);
  Component block;
  block.ctype = ComponentType::SParam2;
  block.value[1].nom = 99;
  copyToTemplate(*doc, block);
  EXPECT_TRUE(*doc == *before);
}

TEST(PropertyMapping, SourceGainKeepsZero)
{
  Component s;
  storeSourceGain(tol(0.0, -1, 1, true, true), s);
  EXPECT_EQ(s.value[1].nom, 0.0);
  EXPECT_TRUE(s.value[1].TolEn);
}

TEST(PropertyMapping, TextSizeChoices)
{
  const auto sizes = textSizeChoices();
  ASSERT_EQ(sizes.size(), 13u);
  EXPECT_EQ(sizes.front(), "6");
  EXPECT_EQ(sizes[1], "8");
  EXPECT_EQ(sizes.back(), "30");
}

TEST(BallParkEstimate, DerivesTheDetailedModel)
{
  const BipolarParameters smt = ballParkEstimate({100, 3e9, 0.005, 5e-13, true});
  EXPECT_EQ(smt.beta, 100);
  EXPECT_EQ(smt.rbb, 10);
  EXPECT_DOUBLE_EQ(smt.re, 5.2);
  EXPECT_EQ(smt.ro, 1e8);
  EXPECT_EQ(smt.ccb, 5e-13);
  EXPECT_EQ(smt.cbe, 5e-13);
  EXPECT_EQ(smt.timeDelay, 1e-11);
  EXPECT_EQ(smt.lb, 5e-10);
  EXPECT_EQ(smt.le, 3e-10);
  EXPECT_DOUBLE_EQ(smt.betaCutoff, 3e7);

  const BipolarParameters leaded = ballParkEstimate({50, 1e9, 0.01, 1e-12, false});
  EXPECT_EQ(leaded.lb, 1.5e-9);
  EXPECT_EQ(leaded.le, 1.5e-9);
  EXPECT_DOUBLE_EQ(leaded.re, 2.6);
  EXPECT_DOUBLE_EQ(leaded.betaCutoff, 2e7);

  const BallParkTexts texts = ballParkTexts(smt);
  EXPECT_EQ(texts.lb, "Lb=500pH");
  EXPECT_EQ(texts.rbb, "Rbb=10R");
  EXPECT_EQ(texts.re, "Re=5.2R");
  EXPECT_EQ(texts.cbe, "Cbe=500fF");
  EXPECT_EQ(texts.le, "Le=300pH");
  EXPECT_EQ(texts.ro, "Ro=100MR");
  EXPECT_EQ(texts.tf, "Tf=10ps");
}

TEST(BallParkEstimate, ExtremeEntriesStayWithinTheModel)
{
  for (const BallParkInput& in :
       {BallParkInput{0, 0, 0, 0, true}, BallParkInput{1e6, 1e20, 1e-20, 1e20, false},
        BallParkInput{0.001, 1e20, -1, -1, true}}) {
    const BipolarParameters p = ballParkEstimate(in);
    for (double x :
         {p.beta, p.rbb, p.re, p.ro, p.ccb, p.cbe, p.lb, p.le, p.betaCutoff, p.timeDelay}) {
      EXPECT_TRUE(std::isfinite(x));
      EXPECT_GE(x, kBipolarParameterMin);
      EXPECT_LE(x, kBipolarParameterMax);
    }
  }
}

TEST(PropertyMapping, BipolarSlotsRoundTrip)
{
  auto doc = std::make_unique<Schematic>();
  clearSchematic(*doc, Environment{});
  const BipolarForm form = readBipolarForm(doc->lastBipolar);
  EXPECT_EQ(form.model.beta, 100);
  EXPECT_EQ(form.model.re, 16);
  EXPECT_EQ(form.model.rbb, 10);
  EXPECT_EQ(form.model.ro, 5000);
  EXPECT_EQ(form.model.cbe, 1e-12);
  EXPECT_EQ(form.model.ccb, 5e-13);
  EXPECT_EQ(form.model.timeDelay, 1e-11);
  EXPECT_EQ(form.model.lb, 5e-10);
  EXPECT_EQ(form.model.betaCutoff, 3e7);
  EXPECT_EQ(form.model.le, 5e-10);
  EXPECT_EQ(form.ic, 0.005);
  EXPECT_EQ(form.ft, 3e9);
  EXPECT_TRUE(form.ballPark);
  EXPECT_FALSE(form.surfaceMount);

  Component t;
  storeBipolarForm(form, t);
  EXPECT_EQ(t.value, doc->lastBipolar.value);
}

TEST(SParamBlockMapping, ToleranceFactorsAndIndex)
{
  Component b;
  b.ctype = ComponentType::SParam2;
  storeSParamBlockForm({5.0, 10.0, true}, b);
  EXPECT_EQ(b.value[2], tol(1, -5, 5, true, true));
  EXPECT_EQ(b.value[3], tol(1, -10, 10, true, true));
  const SParamBlockForm back = readSParamBlockForm(b);
  EXPECT_EQ(back.magTolerance, 5.0);
  EXPECT_EQ(back.angTolerance, 10.0);
  EXPECT_TRUE(back.enabled);
  storeSParamBlockForm({5.0, 10.0, false}, b);
  EXPECT_FALSE(b.value[2].TolEn);
  EXPECT_FALSE(b.value[3].TolEn);

  const struct
  {
    double nom;
    int index;
  } cases[] = {{1, 1}, {7.4, 7}, {49.6, 50}, {50, 50}, {0, 0}, {51, 0}, {-3, 0}, {1e300, 0}};
  for (const auto& c : cases) {
    b.value[1].nom = c.nom;
    EXPECT_EQ(blockDataSetIndex(b), c.index) << c.nom;
  }
  b.value[1].nom = std::nan("");
  EXPECT_EQ(blockDataSetIndex(b), 0);
}

TEST(SParamBlockMapping, DataSetsTravelThroughTheBuffer)
{
  auto doc = std::make_unique<Schematic>();
  TwoPortDataSet buffer;
  buffer.name = "amp.s2p";
  buffer.points.append({1e9, {0.5, -1.0}, {2.0, 0.5}, {0.1, 0.2}, {0.3, 0.4}});
  buffer.points.append({2e9, {0.4, -1.5}, {1.8, 0.4}, {0.1, 0.3}, {0.3, 0.5}});

  ASSERT_TRUE(storeBlockDataSet(*doc, ComponentType::SParam2, 3, buffer, "LNA"));
  EXPECT_EQ(doc->datasets.twoPort[3].name, "LNA");
  EXPECT_EQ(doc->datasets.twoPort[3].points, buffer.points);
  const TwoPortDataSet again = blockBufferFromDataSet(*doc, ComponentType::SParam2, 3);
  EXPECT_EQ(again.points, buffer.points);

  ASSERT_TRUE(storeBlockDataSet(*doc, ComponentType::SParam1, 50, buffer, "ant"));
  const OnePortDataSet& one = doc->datasets.onePort[50];
  EXPECT_EQ(one.name, "ant");
  ASSERT_EQ(one.numpoints(), 2);
  EXPECT_EQ(one.points[2].freq, 2e9);
  EXPECT_EQ(one.points[2].s11, (MagnitudeAngle{0.4, -1.5}));
  const TwoPortDataSet oneBuffer = blockBufferFromDataSet(*doc, ComponentType::SParam1, 50);
  ASSERT_EQ(oneBuffer.numpoints(), 2);
  EXPECT_EQ(oneBuffer.points[1].s11, (MagnitudeAngle{0.5, -1.0}));
  EXPECT_EQ(oneBuffer.points[1].s21, MagnitudeAngle{});
  EXPECT_EQ(oneBuffer.name, "ant");

  // Storing an empty buffer empties the set.
  ASSERT_TRUE(storeBlockDataSet(*doc, ComponentType::SParam2, 3, TwoPortDataSet{}, ""));
  EXPECT_FALSE(doc->datasets.twoPort[3].inUse());

  for (int bad : {0, 51, -1}) {
    EXPECT_FALSE(storeBlockDataSet(*doc, ComponentType::SParam2, bad, buffer, "x"));
    EXPECT_EQ(blockBufferFromDataSet(*doc, ComponentType::SParam1, bad).numpoints(), 0);
  }
}

TEST(SParamBlockMapping, GridRowsShowUnitsAndDegrees)
{
  const TwoPortPoint p{1.5e9, {0.5, -M_PI / 2}, {2.25, M_PI}, {0.0125, 0.0}, {1.0, -1e-9}};
  const std::vector<std::string> row = blockGridRow(p, 9);
  const std::vector<std::string> expected{"1.5GHz",    "0.500",       "-90.000\xB0",
                                          "2.250",     "180.000\xB0", "0.013",
                                          "0.000\xB0", "1.000",       "0.000\xB0"};
  EXPECT_EQ(row, expected);
  const std::vector<std::string> one = blockGridRow(p, 3);
  EXPECT_EQ(one, (std::vector<std::string>{"1.5GHz", "0.500", "-90.000\xB0"}));
  EXPECT_EQ(blockGridRow(TwoPortPoint{123456.0, {}, {}, {}, {}}, 3)[0], "123.456kHz");

  EXPECT_EQ(blockGridHeadings(ComponentType::SParam2).size(), 9u);
  EXPECT_EQ(blockGridHeadings(ComponentType::SParam1),
            (std::vector<std::string>{"Freq(Hz)", "S11Mag", "S11Ang"}));
  EXPECT_EQ(blockGridHeadings(ComponentType::SParam2)[8], "S22Ang");

  EXPECT_EQ(fixedText(std::nan(""), 3), "0.000");
  EXPECT_EQ(fixedText(std::numeric_limits<double>::infinity(), 0).size(), 309u);
  EXPECT_EQ(fixedText(-0.0004, 3), "0.000");
  EXPECT_EQ(fixedText(-0.0006, 3), "-0.001");
}

} // namespace
} // namespace norvane
