// The shipped examples are exactly what the writer makes of the example documents, and they
// load back into the same documents. Set NORVANE_UPDATE_EXAMPLES=1 to rewrite the files
// after a deliberate change of an example.

#include "cli_support.h"
#include "examples_support.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace norvane {
namespace {

std::string examplePath(const std::string& name)
{
  return std::string(NORVANE_SOURCE_DIR) + "/examples/" + name;
}

TEST(Examples, FilesMatchTheirDocuments)
{
  const bool update = std::getenv("NORVANE_UPDATE_EXAMPLES") != nullptr;
  for (const auto& example : testing::exampleDocuments()) {
    SCOPED_TRACE(example.fileName);
    const Schematic doc = example.build();
    const std::string path = examplePath(example.fileName);
    if (update) {
      ASSERT_TRUE(saveSchematic(doc, path).ok());
    }
    EXPECT_EQ(testing::readFileBytes(path), schematicText(doc));

    auto loaded = std::make_unique<Schematic>();
    clearSchematic(*loaded, Environment{});
    ASSERT_TRUE(loadSchematic(*loaded, path).ok());
    // The pin count is not saved (pins are recomputed before use); everything else is.
    EXPECT_EQ(schematicText(*loaded), schematicText(doc));
    EXPECT_EQ(loaded->drawdat.components.count(), doc.drawdat.components.count());
    EXPECT_EQ(loaded->drawdat.twoPortBlockCounter, doc.drawdat.twoPortBlockCounter);
  }
}

TEST(Examples, PinsMeetWiresAndPorts)
{
  // Every pin of every example lies on a wire end or a port's connection point, so the
  // examples are complete circuits.
  for (const auto& example : testing::exampleDocuments()) {
    SCOPED_TRACE(example.fileName);
    const Schematic doc = example.build();
    std::vector<Point> points;
    for (const Wire& w : doc.drawdat.wires) {
      points.push_back(w.start);
      points.push_back(w.finish);
    }
    points.push_back(portConnectionPoint(1, doc.drawdat.P1));
    points.push_back(portConnectionPoint(2, doc.drawdat.P2));
    for (const Component& c : doc.drawdat.components) {
      Component fresh = c;
      computePinPositions(fresh);
      EXPECT_EQ(fresh.pins, c.pins) << c.name;
      for (int i = 1; i <= fresh.pins.count; ++i) {
        const Point p = fresh.pins.nodes[i];
        const bool onWire = std::find(points.begin(), points.end(), p) != points.end();
        bool onPin = false; // a ground touching another component's pin directly
        for (const Component& other : doc.drawdat.components) {
          if (&other == &c) {
            continue;
          }
          for (int j = 1; j <= other.pins.count; ++j) {
            onPin = onPin || other.pins.nodes[j] == p;
          }
        }
        EXPECT_TRUE(onWire || onPin) << c.name << " kind " << kindCode(c.ctype) << " pin " << i;
      }
    }
  }
}

} // namespace
} // namespace norvane
