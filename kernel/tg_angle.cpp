#include "kernel/tg_angle.h"

#include <cmath>

namespace dxfelem {
namespace {

constexpr double kTiny = 1e-7;
constexpr double kPi = 3.14159265358979323846;

// tan(phi / 2) from t = tan(phi).
double HalfTangent(double t) {
  if (std::fabs(t) < kTiny) return 0.0;
  return (std::sqrt(t * t + 1.0) - 1.0) / t;
}

double ReduceToTurn(double value, double period) {
  double reduced = std::fmod(value, period);
  if (reduced < 0.0) reduced += period;
  return reduced;
}

// Whole quadrants within 1e-7 (k + 1) of p give k exactly; 0 when none does.
int WholeQuadrant(double p) {
  for (int k = 1; k <= 3; ++k) {
    if (std::fabs(p - k) <= kTiny * (k + 1)) return k;
  }
  return 0;
}

double ReducePseudo(double p) {
  while (p >= 4.0) p -= 4.0;
  return p;
}

double PseudoFromRadians(double radians) {
  radians = ReduceToTurn(radians, kTgTwoPi);
  double quadrant = std::floor(radians / kTgHalfPi);
  if (quadrant > 3.0) quadrant = 3.0;
  return quadrant + std::tan((radians - quadrant * kTgHalfPi) / 2.0);
}

}  // namespace

double tg_direction(int unit, double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double p = 0.0;
  if (!(std::fabs(dx) < kTiny && std::fabs(dy) < kTiny)) {
    if (dx >= 0.0 && dy >= 0.0) {
      p = std::fabs(dx) <= kTiny ? 1.0 : HalfTangent(dy / dx);
    } else if (dx < 0.0 && dy >= 0.0) {
      p = std::fabs(dy) <= kTiny ? 2.0 : 1.0 + HalfTangent(-dx / dy);
    } else if (dx < 0.0) {
      p = dx < -kTiny ? 2.0 + HalfTangent(dy / dx) : 3.0;
    } else {
      p = dy < -kTiny ? 3.0 + HalfTangent(-dx / dy) : 0.0;
    }
  }
  if (unit == TG_DIRECTION_DEGREES) return tg_pseudo_to_degrees(p);
  if (unit == TG_DIRECTION_RADIANS) return tg_pseudo_to_radians(p);
  return p;
}

double tg_pseudo_to_degrees(double p) {
  p = ReducePseudo(p);
  if (const int k = WholeQuadrant(p)) return 90.0 * k;
  const double whole = std::floor(p);
  return 90.0 * whole + 2.0 * std::atan(p - whole) * 180.0 / kPi;
}

double tg_pseudo_to_radians(double p) {
  p = ReducePseudo(p);
  if (const int k = WholeQuadrant(p)) return k * kTgHalfPi;
  const double whole = std::floor(p);
  return kTgHalfPi * whole + 2.0 * std::atan(p - whole);
}

double tg_convert_angle(int from, int to, double value) {
  if (from == to) return value;
  // Everything goes through radians within one turn.
  double radians = 0.0;
  switch (from) {
    case TG_DEGREES: radians = ReduceToTurn(value, 360.0) * kTgRadiansPerDegree; break;
    case TG_RADIANS: radians = ReduceToTurn(value, kTgTwoPi); break;
    case TG_SLOPE: radians = ReduceToTurn(std::atan(value), kTgTwoPi); break;
    case TG_PSEUDO: radians = tg_pseudo_to_radians(value); break;
    default: return value;
  }
  switch (to) {
    case TG_DEGREES: return from == TG_PSEUDO ? tg_pseudo_to_degrees(value) : radians * kTgDegreesPerRadian;
    case TG_RADIANS: return radians;
    case TG_SLOPE:
      if (std::fabs(radians - kTgHalfPi) <= 1e-8) return 3.4028232635611926e38;
      if (std::fabs(radians - kTgThreeHalvesPi) <= 1e-8) return -3.3999999521443642e38;
      return std::tan(radians);
    case TG_PSEUDO: return PseudoFromRadians(radians);
    default: return value;
  }
}

}  // namespace dxfelem
