#pragma once

#include <QtGlobal>

// Window and printout geometry is kept in twips (1/1440 inch). On screen a logical pixel is
// 1/96 inch whatever the display's scaling, so one pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}
inline int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Rounds to the nearest whole number, a half going to the even neighbour.
double RoundHalfEven(double value);
