#pragma once
// Where the bipolar transistor dialog's fields live. The transistor uses the three Doubles of
// its value slots as independent model parameters:
//   slot 1: nom beta
//   slot 2: nom Re,   mintol Rbb,         maxtol Ro
//   slot 3: nom Cbe,  mintol Ccb,         maxtol time delay
//   slot 4: nom Lb,   mintol beta cutoff, maxtol Le
//   slot 5: nom Ic,   mintol Ft,          TolEn ball-park model, Tol% surface mount

#include "document/schematic.h"
#include "editor/bjtestimate.h"

namespace norvane {

struct BipolarForm
{
  BipolarParameters model; // the detailed ("accurate") model
  double ic = 0.0;         // ball-park operating current, A
  double ft = 0.0;         // ball-park transition frequency, Hz
  bool surfaceMount = false;
  bool ballPark = false; // the ball-park page was active
};

BipolarForm readBipolarForm(const Component& comp);
void storeBipolarForm(const BipolarForm& form, Component& comp);

} // namespace norvane
