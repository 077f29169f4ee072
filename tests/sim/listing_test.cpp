#include "sim/listing.h"

#include "netlist_support.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using testing::Circuit;
using Lines = std::vector<std::string>;

TEST(Listing, ResistorFromPortToGround)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  ScriptedPrompts prompts;
  EXPECT_EQ(listNetlist(c.doc, prompts), (Lines{"P1=1", "res 1 0 R=50R"}));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(Listing, EveryKindHasALine)
{
  // Each element sits between port 1's node and port 2's node or ground; the listing shows
  // the nominal values, not the tolerance-adjusted ones.
  Circuit c = Circuit::series(ComponentType::Capacitor, 4.7e-12);
  Component& cap = c.doc.drawdat.components[1];
  cap.value[1].actual = 1.0;
  auto& d = c.doc.drawdat;
  auto add = [&](ComponentType ctype) -> Component& {
    Component comp;
    comp.ctype = ctype;
    comp.crot = 1;
    comp.position = {600, 600};
    d.components.append(comp);
    return d.components.last();
  };
  add(ComponentType::Inductor).value[1].nom = 10e-9;
  add(ComponentType::Resistor).value[1].nom = 4700;
  Component& op = add(ComponentType::OpAmp);
  op.value[1].nom = 1e6;
  op.value[2].nom = 0.1;
  op.value[3].nom = 1e5; // 100 dB
  Component& tl = add(ComponentType::TxLine);
  tl.value[1].nom = 75;
  tl.value[2].nom = 2e8;
  tl.value[3].nom = 0.25;
  Component& b2 = add(ComponentType::SParam2);
  b2.value[1].nom = 3;
  c.doc.datasets.twoPort[3].name = "amp.s2p";
  Component& b1 = add(ComponentType::SParam1);
  b1.value[1].nom = 2;
  c.doc.datasets.onePort[2].name = "load.s1p";
  Component& tr = add(ComponentType::Transformer);
  tr.value[1].nom = 2;    // secondary turns
  tr.value[1].mintol = 1; // primary turns
  Component& mu = add(ComponentType::Mutual);
  mu.value[1].nom = 3;
  mu.value[1].mintol = 1;
  mu.value[2].nom = 1e-6; // primary inductance; the secondary is 3 uH
  add(ComponentType::Bipolar);
  add(ComponentType::VCVS).value[1].nom = 10;
  add(ComponentType::VCCS).value[1].nom = 0.02;
  add(ComponentType::CCVS).value[1].nom = 50;
  add(ComponentType::CCCS).value[1].nom = 100;
  add(ComponentType::Ground);

  ScriptedPrompts prompts;
  const Lines lines = listNetlist(c.doc, prompts);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected)); // the extra parts touch nothing: listed anyway
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], "P1=1");
  EXPECT_EQ(lines[1], "cap 1 2 C=4.7pF");
  EXPECT_EQ(lines[2].substr(0, 4), "ind ");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 7), " L=10nH");
  EXPECT_EQ(lines[3].substr(lines[3].size() - 8), " R=4.7kR");
  EXPECT_NE(lines[4].find(" Ri=1MR Ro=0.1R G=100.000dB"), std::string::npos) << lines[4];
  EXPECT_NE(lines[5].find(" Zo=75R Vel=200Mm/s Len=0.25m"), std::string::npos) << lines[5];
  EXPECT_EQ(lines[6].substr(0, 6), "2Port ");
  EXPECT_EQ(lines[6].substr(lines[6].size() - 8), " amp.s2p");
  EXPECT_EQ(lines[7].substr(lines[7].size() - 9), " load.s1p");
  EXPECT_NE(lines[8].find(" Primary turns=1 Secondary Turns=2"), std::string::npos) << lines[8];
  EXPECT_NE(lines[9].find(" L1=1uH L2=3uH"), std::string::npos) << lines[9];
  EXPECT_EQ(lines[10].substr(0, 19), "bipolar transistor ");
  EXPECT_NE(lines[11].find("vcvs "), std::string::npos);
  EXPECT_NE(lines[11].find(" G=10V/V"), std::string::npos);
  EXPECT_NE(lines[12].find(" Gm=0.02S"), std::string::npos);
  EXPECT_NE(lines[13].find(" Rm=50R"), std::string::npos);
  EXPECT_NE(lines[14].find(" B=100A/A"), std::string::npos);
  EXPECT_EQ(lines[15], "P2=2");
}

TEST(Listing, UnconnectedCircuitIsListedAllTheSame)
{
  Circuit c = Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  c.add(ComponentType::Resistor, 300, 300, 1, 10.0); // loose: its pins end up as nodes 2 and 3
  ScriptedPrompts prompts;
  const Lines lines = listNetlist(c.doc, prompts);
  EXPECT_TRUE(prompts.saw(kMsgUnconnected));
  EXPECT_EQ(lines, (Lines{"P1=1", "res 1 0 R=50R", "res 2 3 R=10R"}));
}

} // namespace
} // namespace norvane
