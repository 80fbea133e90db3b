#include "render/biasmap.h"

#include <cmath>

double biasMap(double t, double amount, bool midpoint)
{
    double f;
    if (midpoint) {
        // Quadratic Bezier from 0 to 1 whose middle control value moves with the amount.
        const double c = 2.0 * amount - 0.5;
        f = 2.0 * (1.0 - t) * t * c + t * t;
    } else if (amount > 0.5) {
        const double e = 2.0 * (1.0 - amount);
        if (e == 0.0)
            return 0.0; // every tick on the start of the span, not pow's 1
        f = std::pow(t, e);
    } else {
        const double e = 2.0 * amount;
        if (e == 0.0)
            return 1.0; // every tick on the end of the span
        // The even spacing (amount 0.5) is the common case; pow(x, 1) is
        // exactly x, and skipping it saves most of a dense layer's arithmetic.
        f = 1.0 - (e == 1.0 ? 1.0 - t : std::pow(1.0 - t, e));
    }
    if (f < 0.0)
        return 0.0;
    if (f > 1.0)
        return 1.0;
    return f;
}
