#include "ColourVision.h"

#include <algorithm>
#include <cmath>

namespace vision {
namespace {

using Matrix = double[3][3];

// Machado et al. (2009), table of simulation matrices, severity 1.0.
const Matrix kProtan = {{0.152286, 1.052583, -0.204868},
                        {0.114503, 0.786281, 0.099216},
                        {-0.003882, -0.048116, 1.051998}};
const Matrix kDeutan = {{0.367322, 0.860646, -0.227968},
                        {0.280085, 0.672501, 0.047413},
                        {-0.011820, 0.042940, 0.968881}};
const Matrix kTritan = {{1.255528, -0.076749, -0.178779},
                        {-0.078411, 0.930809, 0.147602},
                        {0.004733, 0.691367, 0.303900}};

Linear Simulated(const Linear& c, Vision vision)
{
    const Matrix* m = vision == Vision::Protan ? &kProtan : vision == Vision::Deutan ? &kDeutan
                    : vision == Vision::Tritan ? &kTritan : nullptr;
    if (!m) return c;
    const auto row = [&](int i) {
        return std::clamp((*m)[i][0] * c.r + (*m)[i][1] * c.g + (*m)[i][2] * c.b, 0.0, 1.0);
    };
    return {row(0), row(1), row(2)};
}

double LabF(double t)
{
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
}

}  // namespace

const char* Name(Vision vision)
{
    switch (vision) {
    case Vision::Protan: return "protan";
    case Vision::Deutan: return "deutan";
    case Vision::Tritan: return "tritan";
    case Vision::Normal: break;
    }
    return "normal";
}

Linear ToLinear(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return {channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel))};
}

Lab Seen(const Linear& colour, Vision vision)
{
    const Linear c = Simulated(colour, vision);
    // sRGB primaries to XYZ, over the D65 white point.
    const double x = (0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b) / 0.95047;
    const double y = 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b;
    const double z = (0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b) / 1.08883;
    const double fx = LabF(x), fy = LabF(y), fz = LabF(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double DeltaE(const Lab& p, const Lab& q)
{
    return std::sqrt((p.L - q.L) * (p.L - q.L) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

}  // namespace vision
