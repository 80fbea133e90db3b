#pragma once

class QImage;

// Blurs an 8-bit alpha image (QImage::Format_Alpha8) in place by three
// passes of a box blur, close to a Gaussian of standard deviation `sigma`
// pixels. Integer arithmetic throughout: the same image gives the same
// pixels on any thread and any machine. Pixels beyond the edges count as
// transparent. A shadow is one colour, so its coverage is all there is to
// blur; the colour is laid on afterwards.
void blurAlpha(QImage *image, double sigma);
