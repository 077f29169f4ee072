#include "assist/fpguard.h"

#include <cmath>
#include <limits>

namespace norvane {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::string_view kDivByZero = "Floating point division by zero";
constexpr std::string_view kInvalidOp = "Invalid floating point operation";
constexpr std::string_view kOverflow = "Floating point overflow";
} // namespace

double FpGuard::failWith(std::string_view kind, std::string_view problem)
{
  std::string text(kind);
  text += ": ";
  text += problem;
  fail(std::move(text));
  return kNaN;
}

void FpGuard::fail(std::string message)
{
  if (m_message.empty()) m_message = std::move(message);
}

double FpGuard::div(double num, double den, std::string_view problem)
{
  if (den == 0.0 && !std::isnan(num)) return failWith(kDivByZero, problem);
  return num / den;
}

double FpGuard::sqrt(double x, std::string_view problem)
{
  if (x < 0.0) return failWith(kInvalidOp, problem);
  return std::sqrt(x);
}

double FpGuard::ln(double x, std::string_view problem)
{
  if (x <= 0.0) return failWith(kInvalidOp, problem);
  return std::log(x);
}

double FpGuard::log10(double x, std::string_view problem)
{
  if (x <= 0.0) return failWith(kInvalidOp, problem);
  return std::log10(x);
}

std::optional<double> FpGuard::finish(double x, std::string_view name)
{
  if (std::isnan(x)) {
    if (!failed()) failWith(kInvalidOp, std::string(name) + " cannot be computed");
    return std::nullopt;
  }
  if (std::isinf(x)) {
    failWith(kOverflow, std::string(name) + " is too large");
    return std::nullopt;
  }
  return x;
}

} // namespace norvane
