// The sanitizer build must stop at a double converted to an int too small for it: undefined
// behaviour that g++'s -fsanitize=undefined does not include (it needs float-cast-overflow by
// name), and that a Release build turns silently into a nonsense count.

#include <gtest/gtest.h>

namespace {

int toInt(double x)
{
  return static_cast<int>(x);
}

TEST(SanitizerBuild, CatchesAFloatToIntOverflow)
{
  volatile double huge = 1e300; // volatile: the conversion happens at run time
  EXPECT_DEATH(
      {
        const volatile int converted = toInt(huge);
        (void)converted;
      },
      "outside the range of representable values");
  // A value that fits converts without a report.
  EXPECT_EQ(toInt(2.3e9 / 10), 230000000);
}

} // namespace
