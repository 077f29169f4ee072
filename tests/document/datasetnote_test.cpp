// A data set's note (what was done to its data on reading) is kept in the schematic file,
// and only where there is one.

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace norvane {
namespace {

TEST(DataSetNote, SavedWithItsSetAndReadBack)
{
  Environment env;
  auto doc = std::make_unique<Schematic>();
  clearSchematic(*doc, env);
  doc->datasets.twoPort[2].name = "amp75.s2p";
  doc->datasets.twoPort[2].points.append(TwoPortPoint{1e9, {0.2, 0}, {0.8, 0}, {0.8, 0}, {0.2, 0}});
  doc->datasets.onePort[1].name = "ant.s1p";
  doc->datasets.onePort[1].points.append(OnePortPoint{1e9, {0.5, 1.0}});
  const std::string plain = schematicText(*doc);
  EXPECT_EQ(plain.find("note="), std::string::npos);

  doc->datasets.twoPort[2].note = "Converted from 75 ohm to 50 ohm";
  const std::string noted = schematicText(*doc);
  EXPECT_NE(noted.find("name=amp75.s2p\r\nnote=Converted from 75 ohm to 50 ohm\r\nindex=2\r\n"),
            std::string::npos);
  // Only the set with a note changes.
  std::string without = noted;
  without.erase(without.find("note="),
                std::string("note=Converted from 75 ohm to 50 ohm\r\n").size());
  EXPECT_EQ(without, plain);

  auto back = std::make_unique<Schematic>();
  clearSchematic(*back, env);
  ASSERT_TRUE(readSchematicText(*back, noted).ok());
  EXPECT_EQ(back->datasets.twoPort[2].note, "Converted from 75 ohm to 50 ohm");
  EXPECT_EQ(back->datasets.onePort[1].note, "");
  EXPECT_EQ(schematicText(*back), noted);
}

} // namespace
} // namespace norvane
