#include "graph/graphpanels.h"

namespace norvane {

GraphPanelLayout graphPanelLayout(const GraphPanelSizes& s)
{
  GraphPanelLayout l;
  l.sidePanelMid = s.sidePanelHeight / 2;
  l.radioGroupTop = l.sidePanelMid - 20 - s.radioGroupHeight;
  l.traceListTop = l.sidePanelMid + 20;
  l.pointsFieldLeft = (s.bottomPanelWidth - s.pointsFieldWidth) / 2;
  l.listColumnWidth = (s.windowWidth - 30) * 2 / 19;
  l.listFirstColumnWidth = l.listColumnWidth * 3 / 2;
  l.scrollBarWidth = s.statusBarWidth - s.scrollBarLeft - 22;
  return l;
}

} // namespace norvane
