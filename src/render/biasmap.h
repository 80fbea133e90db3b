#pragma once

// Turns the even fraction t of a layer's span into the biased fraction where
// the tick is drawn. amount 0.5 leaves t unchanged on both curves. The result
// is clamped to 0..1; a NaN passes through.
double biasMap(double t, double amount, bool midpoint);
