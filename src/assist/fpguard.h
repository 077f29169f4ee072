#pragma once
// Guarded arithmetic for the calculators. A calculator result must never show "nan" or "inf":
// a division by zero, the square root or logarithm of a negative number, or an overflow is
// caught where it happens, the first such problem is kept as a message for the user (naming
// the floating-point error and what caused it), and the affected results come out empty.
//
// A failed operation yields NaN, which then flows quietly through every formula that depends
// on it; finish() turns it into "no result". Results that do not depend on the failure stay
// valid.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace norvane {

class FpGuard
{
public:
  // num / den; a zero denominator fails with "Floating point division by zero: <problem>".
  double div(double num, double den, std::string_view problem);
  // sqrt(x); x < 0 fails with "Invalid floating point operation: <problem>".
  double sqrt(double x, std::string_view problem);
  // ln(x) and log10(x); x <= 0 fails with "Invalid floating point operation: <problem>".
  double ln(double x, std::string_view problem);
  double log10(double x, std::string_view problem);

  // Records a problem found by an explicit check (first message wins).
  void fail(std::string message);

  // The finished value of a result: empty when it is NaN (a problem is already recorded, or
  // "cannot be computed" is recorded now) or infinite ("Floating point overflow: <name> is
  // too large").
  std::optional<double> finish(double x, std::string_view name);

  bool failed() const { return !m_message.empty(); }
  const std::string& message() const { return m_message; }

private:
  double failWith(std::string_view kind, std::string_view problem);
  std::string m_message;
};

// A result holding nothing but the error: when any part of a calculation whose results belong
// together failed, none of them is shown.
template <class Result> Result failedResult(std::string message)
{
  Result r;
  r.error = std::move(message);
  return r;
}

} // namespace norvane
