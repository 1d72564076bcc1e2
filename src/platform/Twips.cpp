#include "Twips.h"

#include <cmath>

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}
