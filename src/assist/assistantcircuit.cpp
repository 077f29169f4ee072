#include "assist/assistantcircuit.h"

#include "document/clearschematic.h"
#include "document/pins.h"
#include "sim/plotpoint.h"

namespace norvane {

namespace {

ToleranceValue fixedValue(double nom, bool enabled)
{
  ToleranceValue v;
  v.nom = nom;
  v.TolEn = enabled;
  v.TolPercent = true;
  return v;
}

ToleranceValue toleranced(double nom, double tolPercent)
{
  ToleranceValue v = fixedValue(nom, true);
  v.mintol = -tolPercent;
  v.maxtol = tolPercent;
  return v;
}

// The display every assistant's schematic opens with: S21 and S11 in dB, -40 to 10.
void setAssistantDisplay(Schematic& doc)
{
  doc.plotformat = plotformat::Rectangular;
  doc.Y1ax.min = -40.0;
  doc.Y1ax.max = 10.0;
  doc.Y1ax.measwhat = measwhat::S21;
  doc.Y1ax.tracetype = tracetype::Log10Power;
  doc.Y2ax.min = -40.0;
  doc.Y2ax.max = 10.0;
  doc.Y2ax.measwhat = measwhat::S11;
  doc.Y2ax.tracetype = tracetype::Log10Power;
}

} // namespace

void AssistantCircuit::AddComponent(
    ComponentType ctype, int x, int y, int crot,
    const OneBasedArray<ToleranceValue, kValuesPerComponent>& values)
{
  Component comp;
  comp.ctype = ctype;
  comp.crot = crot;
  comp.position = {x, y};
  comp.value = values;
  components.append(comp);
}

void AssistantCircuit::AddWire(int x1, int y1, int x2, int y2)
{
  Wire wire;
  wire.start = {x1, y1};
  wire.finish = {x2, y2};
  wires.append(wire);
}

void AssistantCircuit::SetPort(int port, int x, int y, double zo)
{
  Port& p = port == 1 ? P1 : P2;
  p.pos = {x, y};
  p.Zo = zo;
}

OneBasedArray<ToleranceValue, kValuesPerComponent> resistorValues(double ohms, double tolPercent)
{
  OneBasedArray<ToleranceValue, kValuesPerComponent> v;
  v[1] = toleranced(ohms, tolPercent);
  for (int i = 2; i <= kValuesPerComponent; ++i) {
    v[i] = fixedValue(0.0, true);
  }
  return v;
}

OneBasedArray<ToleranceValue, kValuesPerComponent> reactiveValues(double value, double tolPercent)
{
  OneBasedArray<ToleranceValue, kValuesPerComponent> v;
  v[1] = toleranced(value, tolPercent);
  v[2] = fixedValue(100.0, true); // Q
  v[3] = fixedValue(1e8, true);   // frequency of that Q, Hz
  v[4] = fixedValue(1e9, true);   // self-resonance, Hz
  v[5] = fixedValue(1.0, false);  // Q mode; disabled: the part is ideal
  return v;
}

OneBasedArray<ToleranceValue, kValuesPerComponent> groundValues()
{
  OneBasedArray<ToleranceValue, kValuesPerComponent> v;
  for (ToleranceValue& t : v) {
    t = fixedValue(0.0, true);
  }
  return v;
}

void writeAssistantSchematic(Schematic& doc, Environment& env, const AssistantCircuit& circuit,
                             const AssistantWriteSettings& settings)
{
  clearSchematic(doc, env);
  if (settings.setSweep) {
    doc.Xax.min = settings.sweepMin;
    doc.Xax.max = settings.sweepMax;
  }
  doc.Xax.freqmode = settings.freqmode;
  setAssistantDisplay(doc);
  env.filename = kUnnamedFile;

  auto moved = [&settings](Point p) {
    if (settings.xShift != 0) {
      p.x = snapToGrid(p.x + settings.xShift);
    }
    return p;
  };
  Drawing& drawing = doc.drawdat;
  for (const Component& comp : circuit.components) {
    Component copy = comp;
    copy.position = moved(copy.position);
    drawing.components.append(copy);
  }
  for (const Wire& wire : circuit.wires) {
    Wire copy = wire;
    copy.start = moved(copy.start);
    copy.finish = moved(copy.finish);
    drawing.wires.append(copy);
  }
  drawing.P1 = circuit.P1;
  drawing.P2 = circuit.P2;
  drawing.P1.pos = moved(drawing.P1.pos);
  drawing.P2.pos = moved(drawing.P2.pos);
  drawing.P1.crot = 1;
  drawing.P2.crot = 1;
}

} // namespace norvane
