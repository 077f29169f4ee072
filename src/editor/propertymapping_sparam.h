#pragma once
// The S-parameter data blocks' dialogs: which data set a block uses, the magnitude and angle
// tolerance factors kept in its value slots, the grid of measured points the dialog shows, and
// how a confirmed dialog moves its reader buffer into the document's data set.
//
// The data set a block uses is blockDataSetIndex (placement.h).
// The dialogs work on a reader buffer shaped like a 2-port set; a 1-port set keeps only the
// frequency and S11 of each point. A file read into the buffer reaches the document only on
// OK, so Cancel discards it with the buffer. Reading a file into the buffer is the
// simulator's (sim/blockdatafile.h).

#include "document/placement.h"
#include "document/schematic.h"

#include <string>
#include <vector>

namespace norvane {

// The tolerance group of a block dialog: percentages of magnitude and angle, and "Enabled".
struct SParamBlockForm
{
  double magTolerance = 0.0; // % (slot 2.maxtol)
  double angTolerance = 0.0; // % (slot 3.maxtol)
  bool enabled = false;      // slot 2.TolEn
};

SParamBlockForm readSParamBlockForm(const Component& comp);
// The magnitude and angle tolerances become factors: nom 1, tolerances -x/+x in percent,
// enabled as the box says.
void storeSParamBlockForm(const SParamBlockForm& form, Component& comp);

// A copy of data set `index` of the block's kind (2-port or 1-port) as a reader buffer;
// an empty buffer when the index names no set.
TwoPortDataSet blockBufferFromDataSet(const Schematic& doc, ComponentType ctype, int index);

// Stores a confirmed buffer into data set `index`: a 2-port set takes all points, a 1-port
// set the frequency and S11 of each; both take `name` as their name and the buffer's note. Returns
// false, storing nothing, when the index names no set.
bool storeBlockDataSet(Schematic& doc, ComponentType ctype, int index, const TwoPortDataSet& buffer,
                       const std::string& name);

// Column headings of the point grid: nine for a 2-port block, three for a 1-port block.
std::vector<std::string> blockGridHeadings(ComponentType ctype);

// One grid row: the frequency in engineering notation with 6 decimals and "Hz", magnitudes
// with 3 decimals, angles in degrees with 3 decimals and the degree sign (Latin-1 byte 176).
// `columns` is 9 or 3 (the first pair only).
std::vector<std::string> blockGridRow(const TwoPortPoint& point, int columns);

// A number in fixed notation with `decimals` decimals, independent of the C locale; never
// "nan" or "inf".
std::string fixedText(double x, int decimals);

} // namespace norvane
