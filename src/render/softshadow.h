#pragma once

class QImage;

// Blurs an ARGB32 premultiplied image in place by three passes of a box
// blur, close to a Gaussian of standard deviation `sigma` pixels. Integer
// arithmetic throughout: the same image gives the same pixels on any
// thread and any machine. Pixels beyond the edges count as transparent.
void blurImage(QImage *image, double sigma);
