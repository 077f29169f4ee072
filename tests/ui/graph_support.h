#pragma once
// Shared set-up of the graph window tests: one document, environment, scripted prompts and
// simulation session, and the graph window over them.

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "graph/graphvaluefield.h"
#include "graph/graphwindow.h"
#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace norvane::graphtest {

inline std::string examplePath(const std::string& name)
{
  return std::string(NORVANE_SOURCE_DIR) + "/examples/" + name;
}

class GraphWindowTest : public ::testing::Test
{
protected:
  GraphWindowTest()
  {
    fillBuiltInDefaults(env);
    clearSchematic(doc, env);
    session.random.setSeed(12345);
  }

  // Loads an example schematic; the window is made afterwards by window().
  void load(const std::string& name)
  {
    clearSchematic(doc, env);
    const FileResult r = loadSchematic(doc, examplePath(name));
    ASSERT_TRUE(r.ok()) << r.error;
    env.filename = examplePath(name);
  }

  GraphWindow& window()
  {
    if (!win) {
      win = std::make_unique<GraphWindow>(doc, env, prompts, session);
      win->resize(760, 540);
      GraphWindowLinks links;
      links.afterSimulation = [this](const SimulateResult&) { ++simulations; };
      win->setLinks(links);
    }
    return *win;
  }

  // Lets queued events (layout, paint) run.
  static void settle()
  {
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
  }

  // A file in the test's own folder (exports, pictures, printed pages).
  std::string tempPath(const std::string& name) const { return scratch.file(name); }

  // First, so that it goes last, after the window and anything the window still writes.
  norvane::testing::TestFolder scratch{"graph_window"};
  Environment env;
  Schematic doc;
  ScriptedPrompts prompts;
  SimulationSession session;
  std::unique_ptr<GraphWindow> win;
  int simulations = 0;
};

// Pixels of exactly this colour in the image.
inline int countColour(const QImage& image, QRgb colour)
{
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

} // namespace norvane::graphtest
