#pragma once
// How far apart two colours look, to normal vision and to the three kinds of dichromacy:
// the colour-vision-deficiency simulation of Machado, Oliveira and Fernandes (2009) at severity 1,
// applied in linear RGB, then CIELAB (D65) and the CIE76 colour difference.

#include <QRgb>

namespace vision {

enum class Vision { Normal, Protan, Deutan, Tritan };
constexpr Vision kVisions[] = {Vision::Normal, Vision::Protan, Vision::Deutan, Vision::Tritan};
const char* Name(Vision vision);

struct Linear {   // linear-light sRGB, 0 to 1
    double r, g, b;
};

struct Lab {
    double L, a, b;
};

Linear ToLinear(QRgb pixel);
// The colour as a viewer with `vision` sees it, in CIELAB.
Lab Seen(const Linear& colour, Vision vision);
double DeltaE(const Lab& x, const Lab& y);

}  // namespace vision
