#pragma once

// Conversions between a font's size in points and its height in pixels at
// a device's vertical resolution (pixels per inch), rounded to the nearest
// integer as the platform's multiply-divide does. A resolution that is not
// positive (a device that reports none) counts as the common 96.

// The logical-font height that asks for a character height of points: a
// negative number of pixels.
int FontHeightForPoints(int points, int pixelsPerInch);

// The size in points of a realised font from its text metrics: the cell
// height without the internal leading.
int PointsOfMetrics(int height, int internalLeading, int pixelsPerInch);

// The size in points that a logical-font height asks for (a negative
// height is a character height; a positive one counts the same).
int PointsOfFontHeight(int fontHeight, int pixelsPerInch);

// a * b / c rounded to the nearest integer, halves away from zero; 0 when
// c is 0.
int MulDivRounded(int a, int b, int c);
