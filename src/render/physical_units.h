#pragma once

// Lengths on paper: millimetres and PDF points per inch.
constexpr double MillimetresPerInch = 25.4;
constexpr double PointsPerInch = 6 * 12; // six picas of twelve points
