#pragma once
// Where a simulation run sends what it computes: the S-parameters of each sweep point, in
// sweep order. What is made of them (traces, charts, the data list, a result file, a CSV
// export) is the receiver's business.

#include "sim/sweeppoint.h"

namespace norvane {

class SweepSink
{
public:
  virtual ~SweepSink() = default;
  // Point `index` (0..N) of the run. The reference is valid only during the call.
  virtual void point(int index, const SweepPoint& point) = 0;
};

} // namespace norvane
