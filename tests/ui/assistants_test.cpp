// The design assistants and Auto Match on real widgets: opened from their menu items, typed
// into, previewed, and simulated into the document.

#include "mainwindow_support.h"

#include "assistants/assistantpreview.h"
#include "assistants/assistantwindows.h"
#include "assistants/attenuatorwindow.h"
#include "assistants/automatchwindow.h"
#include "assistants/filterwindow.h"
#include "assistants/matchwindow.h"
#include "common/qtcanvas.h"
#include "dialogs/realedit.h"
#include "graph/graphwindow.h"

#include "editor/previewpainter.h"

#include "document/pins.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <numbers>

namespace norvane::test {
namespace {

void typeInto(QLineEdit* field, const QString& text)
{
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

class AssistantsTest : public MainWindowTest
{
protected:
  // A message that holds `part` (the refusals carry numbers after their fixed text).
  bool sawPart(const std::string& part) const
  {
    for (const ScriptedPrompts::Message& m : prompts.messages) {
      if (m.text.find(part) != std::string::npos) return true;
    }
    return false;
  }

  // After Simulate: the document holds exactly the preview's circuit, moved by dx.
  void expectDocumentHolds(const AssistantCircuit& c, int dx)
  {
    const Drawing& d = drawing();
    ASSERT_EQ(d.components.count(), c.components.count());
    for (int i = 1; i <= c.components.count(); ++i) {
      SCOPED_TRACE(i);
      const Component& want = c.components[i];
      const Component& got = d.components[i];
      EXPECT_EQ(got.ctype, want.ctype);
      EXPECT_EQ(got.crot, want.crot);
      EXPECT_EQ(got.position, (Point{want.position.x + dx, want.position.y}));
      EXPECT_EQ(got.value[1].nom, want.value[1].nom);
      EXPECT_EQ(got.value[1].mintol, want.value[1].mintol);
    }
    ASSERT_EQ(d.wires.count(), c.wires.count());
    for (int i = 1; i <= c.wires.count(); ++i) {
      EXPECT_EQ(d.wires[i].start, (Point{c.wires[i].start.x + dx, c.wires[i].start.y}));
      EXPECT_EQ(d.wires[i].finish, (Point{c.wires[i].finish.x + dx, c.wires[i].finish.y}));
    }
    EXPECT_EQ(d.P1.pos, (Point{c.P1.pos.x + dx, c.P1.pos.y}));
    EXPECT_EQ(d.P2.pos, (Point{c.P2.pos.x + dx, c.P2.pos.y}));
    EXPECT_EQ(d.P1.Zo, c.P1.Zo);
    EXPECT_EQ(d.P2.Zo, c.P2.Zo);
    EXPECT_EQ(d.P1.crot, 1);
    EXPECT_EQ(d.P2.crot, 1);
    // The graph window ran the new circuit.
    EXPECT_TRUE(window->graphWindow()->lastResult().ran);
    EXPECT_TRUE(window->graphWindow()->isVisible());
    EXPECT_EQ(env.filename, "unnamed.cct");
    EXPECT_EQ(captionText(*window), "Norvane - unnamed.cct");
  }
};

TEST_F(AssistantsTest, MatchWindowDesignsAndSimulates)
{
  window->action(Command::MatchAssistant)->trigger();
  MatchWindow* w = window->assistants()->match();
  ASSERT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "Match");
  EXPECT_FALSE(w->isModal());
  // The defaults: the L low pass for 50 to 200 ohm at 100 MHz.
  const AssistantCircuit& c = w->circuit();
  ASSERT_EQ(c.components.count(), 3);
  EXPECT_EQ(c.components[1].ctype, ComponentType::Inductor);
  EXPECT_NEAR(c.components[1].value[1].nom, 137.8e-9, 0.05e-9);
  EXPECT_EQ(c.components[1].position, (Point{110, 50}));
  EXPECT_EQ(w->bandwidthField()->text(), "57.74MHz");
  EXPECT_FALSE(w->bandwidthField()->isEnabled());
  // The preview is painted on the schematic's background colour.
  env.papercolor = 0x204060;
  const QImage picture = w->preview()->grab().toImage();
  EXPECT_EQ(picture.pixelColor(2, 2), toQColor(env.papercolor));

  // Zin 75 ohm, recalculated.
  typeInto(w->zinField(), "75");
  w->calculateButton()->click();
  EXPECT_EQ(w->zinField()->text(), "75R");
  EXPECT_EQ(c.P1.Zo, 75.0);

  // The pad: resistors, frequency and bandwidth disabled.
  w->topologyList()->setCurrentIndex(static_cast<int>(MatchTopology::MinimumLossPad));
  EXPECT_EQ(c.components[1].ctype, ComponentType::Resistor);
  EXPECT_FALSE(w->frequencyField()->isEnabled());
  // Equal impedances: the message, and the preview keeps the last circuit.
  typeInto(w->zoutField(), "75");
  w->calculateButton()->click();
  EXPECT_TRUE(prompts.saw(kMsgImpedancesEqual));
  EXPECT_EQ(c.components[1].ctype, ComponentType::Resistor);

  // Back to 200 ohm and the Tee; Simulate writes the preview's circuit.
  // The Tee with the L network's own bandwidth is refused (Q too low for 200:75).
  typeInto(w->zoutField(), "200");
  w->topologyList()->setCurrentIndex(static_cast<int>(MatchTopology::TeeLowPass));
  EXPECT_TRUE(prompts.saw(kMsgNonRealisableBandwidth));
  EXPECT_TRUE(w->bandwidthField()->isEnabled());
  typeInto(w->bandwidthField(), "10MHz");
  w->calculateButton()->click();
  ASSERT_EQ(c.components.count(), 4);
  const AssistantCircuit preview = c;
  window->setModified(false);
  prompts.messages.clear();
  w->simulateButton()->click();
  EXPECT_FALSE(prompts.saw(kMsgOverwriteSchematic)); // not modified: no question
  EXPECT_FALSE(w->isVisible());
  expectDocumentHolds(preview, 0);
  EXPECT_EQ(doc->Xax.min, 100e6 - 5 * 10e6);
  EXPECT_EQ(doc->Xax.max, 100e6 + 5 * 10e6);
  EXPECT_FALSE(window->isModified()); // left as it was

  // Opened again: the same window with the inputs as they were left.
  window->action(Command::MatchAssistant)->trigger();
  EXPECT_EQ(window->assistants()->match(), w);
  EXPECT_EQ(w->zinField()->text(), "75R");
}

TEST_F(AssistantsTest, AttenuatorWindowAsksBeforeOverwriting)
{
  window->action(Command::AttenuatorAssistant)->trigger();
  AttenuatorWindow* w = window->assistants()->attenuator();
  ASSERT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "Attenuator");
  const AssistantCircuit& c = w->circuit();
  ASSERT_EQ(c.components.count(), 5); // the Pi defaults
  EXPECT_NEAR(c.components[3].value[1].nom, 71.15, 0.005);

  // Text that is not a number is refused and changes nothing.
  typeInto(w->attenuationField(), "abc");
  w->calculateButton()->click();
  EXPECT_TRUE(prompts.saw("Attenuation: 'abc' is not a number"));
  EXPECT_NEAR(c.components[3].value[1].nom, 71.15, 0.005);

  typeInto(w->attenuationField(), "6");
  typeInto(w->toleranceField(), "1");
  w->calculateButton()->click();
  EXPECT_EQ(w->attenuationField()->text(), "6dB");
  EXPECT_EQ(w->toleranceField()->text(), "1%");
  EXPECT_EQ(c.components[1].value[1].maxtol, 1.0);

  // Bridged Tee: one impedance for both sides.
  typeInto(w->outputField(), "75");
  w->topologyList()->setCurrentIndex(static_cast<int>(AttenuatorTopology::BridgedTee));
  EXPECT_FALSE(w->outputField()->isEnabled());
  EXPECT_EQ(w->outputField()->text(), w->inputField()->text());
  ASSERT_EQ(c.components.count(), 5);
  EXPECT_EQ(c.P2.Zo, 50.0);

  // A modified schematic is only overwritten when the user agrees.
  drawResistorToGround();
  ASSERT_TRUE(window->isModified());
  const int drawn = drawing().components.count();
  prompts.answers.push_back(Answer::No);
  w->simulateButton()->click();
  EXPECT_TRUE(prompts.saw(kMsgOverwriteSchematic));
  EXPECT_EQ(drawing().components.count(), drawn);
  EXPECT_TRUE(w->isVisible());

  const AssistantCircuit preview = c;
  prompts.answers.push_back(Answer::Yes);
  w->simulateButton()->click();
  expectDocumentHolds(preview, 0);
  EXPECT_EQ(doc->Xax.freqmode, 2);
  EXPECT_EQ(doc->Xax.min, env.lowfreq);
}

TEST_F(AssistantsTest, FilterWindowPreviewsScrollsAndSimulates)
{
  window->action(Command::FilterAssistant)->trigger();
  FilterWindow* w = window->assistants()->filter();
  ASSERT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "Filter");
  const AssistantCircuit& c = w->circuit();
  ASSERT_EQ(c.components.count(), 4);
  EXPECT_NEAR(c.components[2].value[1].nom, 636.6e-12, 0.05e-12);
  EXPECT_FALSE(w->rippleField()->isEnabled());
  EXPECT_FALSE(w->centreField()->isEnabled());

  // 20 poles are written back as 15 and build 15 elements.
  typeInto(w->polesField(), "20");
  w->calculateButton()->click();
  EXPECT_EQ(w->polesField()->text(), "15");
  EXPECT_EQ(c.components.count(), 15 + 7);
  // The preview is centred on the ladder and the scroll bar moves it.
  AssistantPreview* preview = w->preview();
  const int centred = preview->shift();
  w->scrollBar()->setValue(10);
  EXPECT_EQ(preview->shift(), centred - 10);

  // Chebyshev 4 poles: the ripple field opens, the load is 67.77 ohm.
  typeInto(w->polesField(), "4");
  w->typeList()->setCurrentIndex(static_cast<int>(FilterType::Chebyshev));
  EXPECT_TRUE(w->rippleField()->isEnabled());
  EXPECT_NEAR(c.P2.Zo, 67.77, 0.005);
  EXPECT_EQ(w->bandwidthField()->text(), "10MHz");
  EXPECT_EQ(w->rippleField()->text(), "0.1dB");

  const AssistantCircuit designed = c;
  w->simulateButton()->click();
  expectDocumentHolds(designed, 20); // x + 25 onto the grid
  EXPECT_EQ(drawing().P1.pos, (Point{20, 50}));
  EXPECT_EQ(drawing().components[1].position, (Point{80, 50}));
  EXPECT_TRUE(window->isModified());
  EXPECT_EQ(doc->Xax.min, 1e6);
  EXPECT_EQ(doc->Xax.max, 100e6);
}

// A QtCanvas that remembers where each text went and how large it is in the real font.
class TextBoxCanvas : public QtCanvas
{
public:
  using QtCanvas::QtCanvas;
  void textOut(int x, int y, const std::string& text) override
  {
    const TextExtent e = textExtent(text);
    boxes.push_back({QRect(x, y, e.width, e.height), text});
    QtCanvas::textOut(x, y, text);
  }
  std::vector<std::pair<QRect, std::string>> boxes;
};

TEST_F(AssistantsTest, FilterPreviewFollowsTypingAndFitsTheLadder)
{
  window->action(Command::FilterAssistant)->trigger();
  FilterWindow* w = window->assistants()->filter();
  const AssistantCircuit& c = w->circuit();
  AssistantPreview* preview = w->preview();
  ASSERT_EQ(c.components.count(), 4); // 3 poles: L, C with its ground, L

  // Three poles fit the preview: nothing to scroll, and the ladder is in view.
  EXPECT_EQ(w->scrollBar()->minimum(), w->scrollBar()->maximum());
  AssistantPreview::Span span = preview->drawnSpan();
  EXPECT_GE(span.left + preview->shift(), 0);
  EXPECT_LE(span.right + preview->shift(), preview->width());

  // Typing changes the picture at once, before the field is left; the text stays as typed.
  w->polesField()->setFocus();
  typeInto(w->polesField(), "5");
  EXPECT_EQ(w->polesField()->text(), "5");
  EXPECT_EQ(c.components.count(), 5 + 2);
  typeInto(w->bandwidthField(), "20M");
  EXPECT_EQ(w->bandwidthField()->text(), "20M");
  EXPECT_NEAR(c.components[1].value[1].nom, 0.618 * 50 / (2 * std::numbers::pi * 20e6), 1e-9);
  // Half-typed text that is no number yet leaves the picture as it was, without a message.
  typeInto(w->impedanceField(), "x");
  EXPECT_EQ(c.components.count(), 5 + 2);
  EXPECT_TRUE(prompts.messages.empty());
  typeInto(w->impedanceField(), "50");

  // Fifteen band-pass poles are wider than the preview: the scroll bar reaches each end of
  // the ladder and no further.
  w->topologyList()->setCurrentIndex(static_cast<int>(FilterTopology::BandPass));
  typeInto(w->polesField(), "15");
  span = preview->drawnSpan();
  QScrollBar* bar = w->scrollBar();
  ASSERT_GT(span.width(), preview->width());
  EXPECT_LE(bar->maximum() - bar->minimum(), span.width() - preview->width() + 40);
  bar->setValue(bar->minimum());
  EXPECT_GE(span.left + preview->shift(), 0);
  EXPECT_LE(span.left + preview->shift(), 20);
  bar->setValue(bar->maximum());
  EXPECT_LE(span.right + preview->shift(), preview->width());
  EXPECT_GE(span.right + preview->shift(), preview->width() - 20);

  // No value label runs into another (the shunt pairs stand 60 units apart).
  QImage picture(3000, preview->height(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  TextBoxCanvas canvas(painter, preview->logicalDpiY());
  PreviewCircuitView view;
  view.components = {c.components.begin(), c.components.end()};
  view.wires = {c.wires.begin(), c.wires.end()};
  paintPreviewCircuit(canvas, view, 100, 0, env, QApplication::font().family().toStdString());
  painter.end();
  ASSERT_GE(canvas.boxes.size(), 30u);
  for (size_t i = 0; i < canvas.boxes.size(); ++i)
    for (size_t j = i + 1; j < canvas.boxes.size(); ++j)
      EXPECT_FALSE(canvas.boxes[i].first.intersects(canvas.boxes[j].first))
          << canvas.boxes[i].second << " and " << canvas.boxes[j].second;
  // Nor over the body of a part (a coil or plates 30 units long around its place).
  for (const Component& part : c.components) {
    if (part.ctype != ComponentType::Inductor && part.ctype != ComponentType::Capacitor) continue;
    const QPoint at(part.position.x + 100, part.position.y);
    const QRect body = part.crot == 2 ? QRect(at - QPoint(15, 5), QSize(30, 10))
                                      : QRect(at - QPoint(5, 15), QSize(10, 30));
    for (const auto& [box, text] : canvas.boxes)
      EXPECT_FALSE(box.intersects(body)) << text << " over the part at " << part.position.x;
  }

  // Simulate builds what the preview shows.
  typeInto(w->polesField(), "4");
  const AssistantCircuit shown = c;
  w->simulateButton()->click();
  expectDocumentHolds(shown, 20);
}

TEST_F(AssistantsTest, AutoMatchFromTheGraphWindow)
{
  drawResistorToGround();
  doc->drawdat.components[1].value[1].nom = 100.0; // 100 ohm on the 50 ohm port
  doc->Xax.min = 10e6;
  doc->Xax.max = 190e6;
  doc->Xax.numpoints = 18;
  doc->Xax.freqmode = freqmode::Linear;
  window->action(Command::Simulate)->trigger();
  GraphWindow* graph = window->graphWindow();
  ASSERT_TRUE(graph->lastResult().ran);
  graph->cursorScrollBar()->setValue(10); // 100 MHz

  graph->action(GraphCommand::AutoMatch)->trigger();
  AutoMatchWindow* w = window->assistants()->autoMatch();
  ASSERT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "Auto Match");
  EXPECT_NEAR(w->frequencyField()->value(), 100e6, 1.0);
  // Only port 1 is connected.
  EXPECT_TRUE(w->modeButton(matchmode::Port1)->isEnabled());
  EXPECT_TRUE(w->modeButton(matchmode::Port1)->isChecked());
  EXPECT_FALSE(w->modeButton(matchmode::Simultaneous)->isEnabled());
  EXPECT_FALSE(w->portGroup(2)->isEnabled());
  EXPECT_EQ(w->topologyList(1)->currentText(), "Low Pass");

  w->accept();
  EXPECT_FALSE(w->isVisible());
  const Drawing& d = drawing();
  ASSERT_EQ(d.components.count(), 2 + 3);
  EXPECT_EQ(d.P1.pos, (Point{120, 180})); // moved 100 right, the port 80 back
  EXPECT_EQ(d.components[3].ctype, ComponentType::Inductor);
  EXPECT_NEAR(d.components[3].value[1].nom, 79.6e-9, 0.05e-9);
  EXPECT_EQ(d.components[4].ctype, ComponentType::Capacitor);
  EXPECT_NEAR(d.components[4].value[1].nom, 15.9e-12, 0.05e-12);
  // The second run swept the matched circuit: nothing reflected at 100 MHz.
  EXPECT_TRUE(graph->lastResult().ran);
  EXPECT_EQ(graph->core().points().count(), 19);
  EXPECT_TRUE(window->isModified());
  // Undo takes the networks back out.
  window->action(Command::Undo)->trigger();
  EXPECT_EQ(drawing().components.count(), 2);
  EXPECT_EQ(drawing().P1.pos, (Point{100, 180}));
}

TEST_F(AssistantsTest, FilterWindowRefusesWhatItCannotSimulate)
{
  drawResistorToGround();
  const int drawn = drawing().components.count();
  window->action(Command::FilterAssistant)->trigger();
  FilterWindow* w = window->assistants()->filter();
  w->typeList()->setCurrentIndex(static_cast<int>(FilterType::Chebyshev));
  const int before = w->circuit().components.count();
  typeInto(w->rippleField(), "400dB");
  w->calculateButton()->click();
  EXPECT_TRUE(prompts.saw(kMsgRippleTooLarge));
  EXPECT_EQ(w->circuit().components.count(), before); // the last design stays

  // Simulate on refused fields writes nothing and keeps the window open.
  prompts.messages.clear();
  prompts.answers.push_back(Answer::Yes); // "Current schematic will be overwritten"
  w->simulateButton()->click();
  EXPECT_TRUE(prompts.saw(kMsgRippleTooLarge));
  EXPECT_EQ(drawing().components.count(), drawn);
  EXPECT_TRUE(w->isVisible());

  // A band pass of 1 mHz at 1e15 Hz names the bandwidth.
  typeInto(w->rippleField(), "0.1dB");
  w->topologyList()->setCurrentIndex(static_cast<int>(FilterTopology::BandPass));
  typeInto(w->centreField(), "1e15");
  typeInto(w->bandwidthField(), "1m");
  prompts.messages.clear();
  w->calculateButton()->click();
  EXPECT_TRUE(sawPart("Bandwidth too narrow for the Center Frequency"));
}

TEST_F(AssistantsTest, AutoMatchRefusalsLeaveTheDocumentAlone)
{
  drawResistorToGround();
  doc->drawdat.components[1].value[1].nom = -200.0; // a negative resistance on port 1
  doc->Xax.min = 10e6;
  doc->Xax.max = 190e6;
  doc->Xax.numpoints = 18;
  doc->Xax.freqmode = freqmode::Linear;
  window->action(Command::Simulate)->trigger();
  GraphWindow* graph = window->graphWindow();
  ASSERT_TRUE(graph->lastResult().ran);
  graph->cursorScrollBar()->setValue(10); // 100 MHz
  const Drawing before = drawing();

  graph->action(GraphCommand::AutoMatch)->trigger();
  AutoMatchWindow* w = window->assistants()->autoMatch();
  w->targetField(1)->Setvalue(75.0);
  prompts.messages.clear();
  w->accept();
  EXPECT_TRUE(sawPart("Port 1 cannot be matched at this frequency"));
  EXPECT_TRUE(drawing() == before); // no network, and port 1 keeps its 50 ohm

  // A frequency outside the sweep is refused before anything runs.
  doc->drawdat.components[1].value[1].nom = 100.0;
  graph->action(GraphCommand::AutoMatch)->trigger();
  w->frequencyField()->Setvalue(500e6);
  prompts.messages.clear();
  w->accept();
  EXPECT_TRUE(sawPart("lies outside the sweep"));
  EXPECT_EQ(drawing().components.count(), before.components.count());
  EXPECT_EQ(drawing().P1, before.P1);
}

} // namespace
} // namespace norvane::test
