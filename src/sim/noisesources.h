#pragma once
// The noise sources of a circuit at one frequency: the correlation matrix of the noise
// currents the components inject into the nodes (one-sided spectral densities, A^2/Hz),
// gathered as entries (row, column, value) because each component touches only its own
// pins. Each kind's unit adds its own sources (DeviceModel::noise); the noise analysis
// (sim/noiseanalysis.h) transfers them to the ports.
//
// Thermal noise of a passive part at temperature T (Twiss's theorem; for a network given by
// its S-matrix this is Bosma's theorem, C = kT (I - S S^H) in waves): the current
// correlation of admittance matrix Y is 2kT (Y + Y^H), for a single admittance y between
// two nodes 4kT Re(y). Shot noise of a current I is 2qI.

#include "sim/complex.h"

#include <string>
#include <vector>

namespace norvane {

namespace noiseconst {
constexpr double kBoltzmann = 1.380649e-23;           // J/K (exact since the 2019 SI)
constexpr double kElementaryCharge = 1.602176634e-19; // C (exact since the 2019 SI)
constexpr double kStandardTemperature = 290.0;        // K, the reference of the noise figure
} // namespace noiseconst

class NoiseSources
{
public:
  explicit NoiseSources(double kelvin = noiseconst::kStandardTemperature) : m_kelvin(kelvin) {}

  struct Entry
  {
    int row = 0;
    int col = 0;
    Complex value;
  };

  double kelvin() const { return m_kelvin; }
  double kT() const { return noiseconst::kBoltzmann * m_kelvin; }

  // Empties the entries for the next frequency point (the noiseless notes stay for the run).
  void clear() { m_entries.clear(); }
  const std::vector<Entry>& entries() const { return m_entries; }

  // A correlation entry between the currents into nodes `row` and `col` (node 0 is ground and
  // is dropped).
  void add(int row, int col, Complex value);
  // An uncorrelated current of spectral density `density` flowing from node a to node b.
  void addCurrent(int a, int b, double density);
  // Thermal noise of the admittance y between a and b: 4kT Re(y).
  void addThermal(int a, int b, Complex y);
  // Thermal noise of an n-terminal passive part with nodal admittance matrix y (row-major,
  // n x n) at `nodes`: 2kT (Y + Y^H).
  void addThermalBlock(const int* nodes, int n, const Complex* y);
  // One noise current i of spectral density `density` that enters node nodes[k] multiplied by
  // weights[k] (a source whose current is fully correlated at several nodes): adds
  // density * w w^H.
  void addCorrelated(const int* nodes, const Complex* weights, int n, double density);
  // Shot noise of a direct current of `amperes` flowing from a to b: 2qI.
  void addShot(int a, int b, double amperes);

  // A part whose noise the model does not know, taken as noiseless; `what` says which
  // ("op-amp", ...). Each description is kept once, for the run's notice.
  void noteNoiseless(const std::string& what);
  const std::vector<std::string>& noiseless() const { return m_noiseless; }

private:
  double m_kelvin;
  std::vector<Entry> m_entries;
  std::vector<std::string> m_noiseless;
};

// "Noise: taken as noiseless: op-amp, VCCS" for the parts a run took as noiseless; empty
// when there are none.
std::string noiselessNotice(const NoiseSources& sources);

} // namespace norvane
