// The "Netlist" window lists the circuit after removing what lies off the sheet.
#include "config/environment.h"
#include "dialogs/netlistwindow.h"
#include "dialogs_testsupport.h"
#include "document/clearschema.h"
#include "document/placement.h"
#include "platform/scriptedprompts.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

QStringList shown(const TNet& net)
{
  QStringList lines;
  for (int i = 0; i < net.list()->count(); ++i)
    lines << net.list()->item(i)->text();
  return lines;
}

TEST(NetlistWindow, ListsAResistorOnPortOne)
{
  TenvironmentProps env;
  auto doc = std::make_unique<Tschema>();
  ClearSchema(*doc, env);
  // A 50 ohm resistor from port 1 to ground: the port's node is the resistor's top pin.
  placeComponent(*doc, ckResistor, 1, {100, 100});
  placeComponent(*doc, ckGround, 1, {100, 130});
  const TPoint top = doc->drawdat.components[1].pins.nodes[1];
  doc->drawdat.P1.crot = 1;
  doc->drawdat.P1.pos = {top.x - 20, top.y};
  doc->drawdat.P1.node = top;
  // A wire dragged partly off the sheet goes before listing.
  doc->drawdat.wires.append(Tshort{false, false, {500, 500}, {1600, 500}});

  ScriptedPrompts prompts;
  TNet net;
  EXPECT_EQ(net.windowTitle(), "Netlist");
  int deletes = 0;
  net.showNetlist(*doc, prompts, [&] {
    ++deletes;
    EXPECT_TRUE(doc->drawdat.wires[1].startselected);
    doc->drawdat.wires.removeAt(1);
  });
  EXPECT_EQ(deletes, 1);
  EXPECT_TRUE(net.isVisible());
  const QStringList lines = shown(net);
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.front(), "P1=1");
  EXPECT_TRUE(lines.contains("res 1 0 R=50R")) << lines.join(" | ").toStdString();

  // Nothing off the sheet: the delete command is not run. OK hides the window.
  net.showNetlist(*doc, prompts, [&] { ++deletes; });
  EXPECT_EQ(deletes, 1);
  net.okButton()->click();
  EXPECT_FALSE(net.isVisible());

  net.clear();
  EXPECT_EQ(net.list()->count(), 0);
  net.setLines({"cap 1 2 C=10pF", "P2=2"});
  EXPECT_EQ(shown(net), (QStringList{"cap 1 2 C=10pF", "P2=2"}));
}

} // namespace
} // namespace norvane
