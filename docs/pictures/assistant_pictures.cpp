// Pictures of the design assistants and Auto Match for the documentation
// (docs/assistant-*.png).

#include "pictures_support.h"
#include "ui/mainwindow_support.h"

#include "assistants/assistantwindows.h"
#include "assistants/attenuatorwindow.h"
#include "assistants/automatchwindow.h"
#include "assistants/filterwindow.h"
#include "assistants/matchwindow.h"
#include "dialogs/realedit.h"
#include "graph/graphwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace norvane::test {
namespace {

using pictures::save;

TEST_F(MainWindowTest, AssistantScreenshots)
{
  AssistantWindows& a = *window->assistants();

  a.match()->bandwidthField()->Setvalue(10e6);
  a.match()->topologyList()->setCurrentIndex(static_cast<int>(MatchTopology::PiLowPass));
  save(*a.match(), "assistant-match.png");

  a.attenuator()->attenuationField()->setText("6");
  a.attenuator()->calculate();
  save(*a.attenuator(), "assistant-attenuator.png");

  FilterWindow& filter = *a.filter();
  filter.typeList()->setCurrentIndex(static_cast<int>(FilterType::Chebyshev));
  filter.polesField()->setText("5");
  filter.rippleField()->setText("0.5dB");
  filter.bandwidthField()->setText("433MHz");
  filter.calculate();
  save(filter, "assistant-filter.png");
  filter.simulateButton()->click();
  save(*window->graphWindow(), "assistant-filter-graph.png");

  // Auto Match on 100 ohm parallel 10 pF at port 1, the graph cursor at 100 MHz.
  window->setModified(false);
  window->fileNew();
  Drawing& d = doc->drawdat;
  d.P1.pos = {100, 180};
  d.P1.crot = 1;
  for (const auto& [kind, x, y, value] :
       {std::tuple{ComponentType::Resistor, 200, 200, 100.0}, std::tuple{ComponentType::Capacitor, 240, 200, 10e-12},
        std::tuple{ComponentType::Ground, 200, 230, 0.0}, std::tuple{ComponentType::Ground, 240, 230, 0.0}}) {
    Component c;
    c.ctype = kind;
    c.crot = 1;
    c.position = {x, y};
    c.value[1].nom = value;
    d.components.append(c);
  }
  for (const auto& [x1, y1, x2, y2] : {std::tuple{120, 180, 240, 180}}) {
    Wire w;
    w.start = {x1, y1};
    w.finish = {x2, y2};
    d.wires.append(w);
  }
  doc->Xax.min = 50e6;
  doc->Xax.max = 150e6;
  doc->Xax.numpoints = 100;
  doc->Xax.freqmode = freqmode::Linear;
  window->action(Command::Simulate)->trigger();
  window->graphWindow()->cursorScrollBar()->setValue(51);
  window->graphWindow()->action(GraphCommand::AutoMatch)->trigger();
  save(*a.autoMatch(), "assistant-automatch.png");
  a.autoMatch()->accept();
  save(*window, "assistant-automatch-schematic.png");
}

} // namespace
} // namespace norvane::test
