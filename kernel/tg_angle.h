// Directions and angle units. The pseudo-angle p (0 <= p < 4) is the
// kernel's own measure: its integer part is the quadrant, its fraction
// tan(phi / 2) of the angle phi inside the quadrant.
#pragma once

namespace dxfelem {

// Units of tg_direction.
enum : int { TG_DIRECTION_PSEUDO = 0, TG_DIRECTION_DEGREES = 1, TG_DIRECTION_RADIANS = 2 };
// Units of tg_convert_angle.
enum : int { TG_DEGREES = 0, TG_RADIANS = 1, TG_SLOPE = 2, TG_PSEUDO = 3 };

// The kernel's rounded constants.
inline constexpr double kTgHalfPi = 1.5707963268;
inline constexpr double kTgThreeHalvesPi = 4.7123889804;
inline constexpr double kTgTwoPi = 6.2831853072;
inline constexpr double kTgRadiansPerDegree = 0.01745329252;
inline constexpr double kTgDegreesPerRadian = 57.2957795131;

// The direction of P2 - P1 in the x-y plane; 0 for a vector whose both
// components are below 1e-7.
double tg_direction(int unit, double x1, double y1, double x2, double y2);
// A pseudo-angle in degrees or radians.
double tg_pseudo_to_degrees(double p);
double tg_pseudo_to_radians(double p);
// An angle in another unit; degrees and radians are first brought into one
// turn (0 <= a < 360, 0 <= a < 2 pi).
double tg_convert_angle(int from, int to, double value);

}  // namespace dxfelem
