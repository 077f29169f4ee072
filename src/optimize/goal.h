#pragma once
// An optimisation goal: a measure of the circuit's response, a relation, a target and the
// frequencies where it holds, with an optional weight. Goals are written and read as text,
// the same text on the command line, in the schematic file and on screen:
//
//   S21 dB >= -0.5 from 423MHz to 443MHz
//   S11 dB <= -20 at 433MHz
//   K >= 1 from 0.5GHz to 3GHz
//   S21 deg = 90 at 1GHz weight 5
//
// Measures: S11, S21, S12, S22 with dB, mag or deg; VSWR1, VSWR2; K, MU1, MU2; MAG dB (MAG
// where K >= 1, else MSG); GD21 s (group delay of S21). Keywords are read in any case;
// numbers are number text with prefix letters ("423MHz", "1ns", "-0.5").

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

enum class GoalMeasure { S11, S21, S12, S22, Vswr1, Vswr2, K, Mu1, Mu2, Mag, Gd21, Nf };
enum class GoalUnit { None, Db, Mag, Deg, Seconds };
enum class GoalRelation { AtMost, AtLeast, Equal };

struct Goal
{
  GoalMeasure measure = GoalMeasure::S21;
  GoalUnit unit = GoalUnit::Db;
  GoalRelation relation = GoalRelation::AtLeast;
  double target = 0.0;
  bool single = false; // "at F": from == to
  double from = 0.0;   // Hz
  double to = 0.0;     // Hz
  double weight = 1.0;
  friend bool operator==(const Goal&, const Goal&) = default;
};

struct GoalReading
{
  std::optional<Goal> goal;
  std::string problem; // when refused: names the word that is wrong and what was expected
};

GoalReading parseGoal(std::string_view text);

// The goal's text in its plain form; parseGoal reads it back to the same goal.
std::string formatGoal(const Goal& goal);

// "S21 dB", "K": the measure and its unit as a goal names them.
std::string goalMeasureText(const Goal& goal);

} // namespace norvane
