#include "graph/markeredit.h"

namespace norvane {

namespace {

bool valid(const GraphMarkers& markers, int number)
{
  return number >= 1 && number <= markers.count();
}

} // namespace

int addMarker(GraphMarkers& markers, double freq)
{
  return markers.append({freq, false}) ? markers.count() : 0;
}

void moveMarker(GraphMarkers& markers, int number, double freq)
{
  if (valid(markers, number)) markers[number].freq = freq;
}

void deleteMarker(GraphMarkers& markers, int number)
{
  if (valid(markers, number)) markers.removeAt(number);
}

void toggleReference(GraphMarkers& markers, int number)
{
  if (!valid(markers, number)) return;
  const bool becomes = !markers[number].reference;
  for (GraphMarker& m : markers)
    m.reference = false;
  markers[number].reference = becomes;
}

int referenceMarker(const GraphMarkers& markers)
{
  for (int i = 1; i <= markers.count(); ++i)
    if (markers[i].reference) return i;
  return 0;
}

} // namespace norvane
