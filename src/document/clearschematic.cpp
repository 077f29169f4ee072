#include "document/clearschematic.h"

#include "document/componentkinds.h"
#include "document/measureranges.h"

namespace norvane {
namespace {

void unplace(Port& port)
{
  port.pos = kPortNotPlaced;
  port.Zo = 50;
  port.selected = false;
}

} // namespace

void clearSchematic(Schematic& doc, const Environment& env)
{
  doc.mmdB = {10, -40};
  doc.mmLin = {1, 0};
  doc.mmPhase = {180, -180};
  doc.mmGrpDelay = {1e-6, 0};
  doc.mmMeasures = defaultMeasureRanges();

  setTemplateDefaults(doc);
  doc.spareText.clear();
  doc.goals.clear();

  doc.plotformat = PlotFormat::Rectangular;
  doc.current2port = 1;
  doc.current1port = 1;

  doc.Xax.min = env.lowfreq;
  doc.Xax.max = env.highfreq;
  doc.Xax.numpoints = env.numpoints;
  doc.Xax.centspan = false;
  doc.Xax.freqmode = 2;

  doc.Y1ax.min = env.mindB;
  doc.Y1ax.max = env.maxdB;
  doc.Y1ax.measwhat = MeasuredParameter::S21;
  doc.Y1ax.tracetype = TraceType::Log20;
  doc.Y2ax.min = env.mindB;
  doc.Y2ax.max = env.maxdB;
  doc.Y2ax.measwhat = MeasuredParameter::S11;
  doc.Y2ax.tracetype = TraceType::Log20;

  doc.polarS11mag = 1;
  doc.polarS21mag = 10;
  doc.polarS12mag = 1;
  doc.polarS22mag = 1;
  doc.polarmeaswhat = MeasuredParameter::S11;

  Drawing& d = doc.drawdat;
  unplace(d.P1);
  unplace(d.P2);
  d.twoPortBlockCounter = 0;
  d.wires.clear();
  d.components.clear();
  d.lines.clear();
  d.texts.clear();
  d.UnconnectedMarkers.clear();

  for (TwoPortDataSet& set : doc.datasets.twoPort) {
    set.points.clear();
  }
  for (OnePortDataSet& set : doc.datasets.onePort) {
    set.points.clear();
  }

  doc.graphMarkers.clear();

  doc.scaleNum = 1;
  doc.scaleDen = 1;
}

} // namespace norvane
