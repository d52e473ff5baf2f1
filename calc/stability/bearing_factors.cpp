#include "calc/stability/bearing_factors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norva {

namespace bearing_data {

// Farm-road chart, read off the guideline's curves. Where a curve ends its
// row repeats the last value. Ngamma at (30, 15) = 7.9 is as the chart gives
// it, although it exceeds the 7.5 at 10 degrees.
const double kFarmChart[3][kFarmSteps][kFarmSteps] = {
    {
        // Nc; columns theta 0, 5, ..., 40 degrees
        {5.1, 5.1, 5.1, 5.1, 5.1, 5.1, 5.1, 5.1, 5.1},          // phi 0
        {6.5, 5.8, 5.1, 4.3, 3.4, 3.4, 3.4, 3.4, 3.4},          // phi 5
        {8.3, 7.4, 6.4, 5.4, 4.4, 3.4, 3.4, 3.4, 3.4},          // phi 10
        {11.0, 9.7, 8.3, 6.9, 5.6, 4.4, 3.2, 3.2, 3.2},         // phi 15
        {14.8, 12.6, 11.0, 9.1, 7.4, 5.7, 4.2, 4.2, 4.2},       // phi 20
        {20.7, 17.9, 15.1, 12.4, 9.9, 7.7, 5.7, 4.0, 4.0},      // phi 25
        {30.1, 25.6, 21.3, 17.4, 13.8, 10.6, 7.8, 5.6, 3.7},    // phi 30
        {46.1, 38.6, 31.7, 25.4, 19.9, 15.1, 11.2, 7.9, 5.3},   // phi 35
        {75.2, 62.1, 49.8, 39.3, 30.3, 22.7, 16.5, 11.6, 7.8},  // phi 40
    },
    {
        // Nq
        {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0},         // phi 0
        {1.6, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2},         // phi 5
        {2.5, 2.2, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5},         // phi 10
        {3.9, 3.4, 2.8, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5},         // phi 15
        {6.4, 5.6, 4.7, 3.6, 2.1, 2.1, 2.1, 2.1, 2.1},         // phi 20
        {10.7, 9.2, 7.7, 6.1, 4.6, 2.4, 2.4, 2.4, 2.4},        // phi 25
        {18.4, 15.6, 12.9, 10.4, 8.0, 5.7, 2.8, 2.8, 2.8},     // phi 30
        {33.3, 27.9, 22.8, 18.1, 13.9, 10.2, 6.9, 3.1, 3.1},   // phi 35
        {64.2, 52.7, 42.4, 33.3, 25.4, 18.7, 13.1, 8.4, 3.4},  // phi 40
    },
    {
        // Ngamma
        {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},       // phi 0
        {0.2, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},       // phi 5
        {0.6, 0.4, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2},       // phi 10
        {1.4, 1.0, 0.6, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3},       // phi 15
        {3.2, 2.3, 1.5, 0.9, 0.3, 0.3, 0.3, 0.3, 0.3},       // phi 20
        {6.9, 5.0, 3.4, 2.2, 1.2, 0.4, 0.4, 0.4, 0.4},       // phi 25
        {15.3, 11.1, 7.5, 7.9, 2.9, 1.5, 0.4, 0.4, 0.4},     // phi 30
        {35.2, 24.4, 17.4, 11.3, 6.9, 3.9, 1.8, 0.5, 0.5},   // phi 35
        {86.5, 61.4, 41.8, 27.6, 16.4, 9.6, 5.0, 2.2, 0.5},  // phi 40
    },
};

const double kNcFit[kFitSteps][6] = {
    {0.701541245, -1.145877384, 11.67595236, -83.080415, 238.5690872, -244.477455},      // 0
    {0.822105179, -0.172783597, -3.831746017, 6.237786545, 9.233391196, -24.595514},     // 5
    {0.924428843, -0.056043233, -5.956683984, 20.67660412, -33.83883394, 19.73089973},   // 10
    {1.041815722, -0.418304507, -0.695257612, -2.564630439, 6.843609152, -5.058180043},  // 15
    {1.172305279, -0.840894045, 2.44522549, -11.91688725, 18.50522613, -9.765557804},    // 20
    {1.323944745, -0.56795528, -2.370922078, 7.544257937, -11.13561704, 5.624125193},    // 25
    {1.478275518, -0.380307629, -3.307624458, 6.827634816, -6.300583154, 1.988891227},   // 30
    {1.710222886, -1.124260217, 0.424980676, -1.38192504, 1.281494126, -0.4210064},      // 35
    {1.889707169, -0.699303637, -2.075560497, 3.607044776, -2.798675945, 0.777237742},   // 40
    {2.144687279, -1.48173099, 2.263491242, -5.944080261, 6.005525182, -2.097802287},    // 45
};

const double kNqFit[kFitSteps][6] = {
    {0, 0, 0, 0, 0, 0},                                              // 0: no curve
    {0.22289, -0.49179, -5.96811, 0, 0, 0},                          // 5
    {0.414421059, -1.728747758, 17.91459643, -83.07779659, 0, 0},    // 10
    {0.622275046, -1.364236948, 10.32375056, -38.04663889, 0, 0},    // 15
    {0.8106, -0.34328, -8.87661, 50.66001, -87.82844, 0},            // 20
    {1.0512, -0.9031, 1.93744, -20.20663, 78.14136, -103.86952},     // 25
    {1.27508, -1.33445, 13.06072, -81.01632, 183.5455, -143.20858},  // 30
    {1.524828438, -1.135430361, 5.362099453, -28.80527372, 55.75700843, -37.62182239},  // 35
    {1.848149989, -2.032404481, 9.036631134, -31.37521206, 45.0004644, -23.32696425},   // 40
    {2.12436692, -1.092820898, 1.15258854, -6.980229139, 11.28088732, -5.857670645},    // 45
};

const double kNgFit[kFitSteps][6] = {
    {0, 0, 0, 0, 0, 0},                                                       // 0: log 0
    {-0.80975, -1.19, -18, 0, 0, 0},                                          // 5
    {-0.284285714, -0.678571429, -13.42857143, 0, 0, 0},                      // 10
    {0.118041958, -0.824980575, -15.96037296, 85.84304584, -197.6689977, 0},  // 15
    {0.488579545, -0.976686508, -9.172348485, 33.66161616, -58.33333333, 0},  // 20
    {0.808618881, -1.211577312, -4.837703963, 18.58197358, -31.58508159, 0},  // 25
    {1.161410256, -1.272720798, -6.10042735, 22.76353276, -29.13752914, 0},   // 30
    {1.532746849, -1.583650173, -2.017285411, 5.875154257, -7.256958728, 0},  // 35
    {1.942425181, -1.808495409, -0.868440899, 1.96131354, -2.4212114, 0},     // 40
    {2.318155091, -1.704832951, -1.049897957, 1.365338221, -1.07245561, 0},   // 45
};

const double kNcBoundary[6] = {-0.971759468, 8.074514365,  -18.1699078,
                               20.50669799,  -11.53628196, 2.567961904};
const double kNgBoundary[6] = {-1.333898533, 4.045936997,  -6.373060682,
                               5.242399089,  -1.727974319, 0};
const double kNqBoundary[6] = {0.03256, 0.99368, -0.41624, 0, 0, 0};

const double kNqLimit[5][6] = {
    {0.34796556, 0.17839826, 1.813979869, 0.639684626, -14.75074641, 13.71397116},
    {0.246071618, 0.238424158, 0.646639354, 1.536686907, -11.46151044, 7.560297617},
    {0.211741, 0.1991196, 1.934097972, 0.688659288, -6.83877253, 2.710155063},
    {0.167918648, 0.402808045, 1.058200494, 1.178675927, -7.673391454, 5.1986786},
    {0.154155343, 0.211709065, 1.958721694, 1.838955777, -20.39560743, 22.47610809},
};

}  // namespace bearing_data

namespace {

using namespace bearing_data;

// Tables by phi. The residential-land and fallback tables share abscissae.
constexpr double kPhi10[10] = {0, 5, 10, 15, 20, 25, 28, 32, 36, 40};
constexpr double kPhi13[13] = {0, 5, 10, 15, 20, 25, 28, 30, 32, 34, 36, 38, 40};

constexpr double kResNc[10] = {5.1, 6.5, 8.3, 11.0, 14.8, 20.7, 25.8, 35.5, 50.6, 75.3};
constexpr double kResNq[10] = {1.0, 1.6, 2.5, 3.9, 6.4, 10.7, 14.7, 23.2, 37.8, 64.2};
constexpr double kResNg[10] = {0.0, 0.1, 0.4, 1.1, 2.9, 6.8, 11.2, 22.0, 44.4, 93.7};

constexpr double kCanNc[13] = {5.1,  6.5,  8.3,  11.0, 14.8, 20.7, 25.8,
                               30.1, 35.5, 42.2, 50.6, 61.4, 75.3};
constexpr double kCanNq[13] = {1.0,  1.6,  2.5,  3.9,  6.4,  10.7, 14.7,
                               18.4, 23.2, 29.4, 37.8, 48.9, 64.2};
constexpr double kCanNg[13] = {0.0,  0.1,  0.4,  1.1,  2.9,  6.8, 11.2,
                               15.7, 22.0, 31.1, 44.4, 64.1, 93.7};

constexpr double kOthNc[10] = {5.3, 5.3, 5.3, 6.5, 7.9, 9.9, 11.4, 20.9, 42.2, 95.7};
constexpr double kOthNq[10] = {3.0, 3.4, 3.9, 4.7, 5.9, 7.6, 9.1, 16.1, 33.6, 83.2};
constexpr double kOthNg[10] = {0.0, 0.0, 0.0, 1.2, 2.0, 3.3, 4.4, 10.6, 30.5, 114.0};

// Nc curve of a phi step ends beyond this inclination (tan theta).
constexpr double kNoCutoff = std::numeric_limits<double>::infinity();
constexpr double kNcCutoff[kFitSteps] = {kNoCutoff, kNoCutoff, 0.6,       kNoCutoff, kNoCutoff,
                                         0.9,       kNoCutoff, kNoCutoff, kNoCutoff, kNoCutoff};

double Poly(const double (&a)[6], double x) {
  return a[0] + a[1] * x + a[2] * x * x + a[3] * x * x * x + a[4] * x * x * x * x +
         a[5] * x * x * x * x * x;
}

// Index of a 5-degree step 0..45, or -1 when phiStep is not one.
int FitStep(double phiStep) {
  const double k = phiStep / 5.0;
  if (!(k >= 0.0 && k <= kFitSteps - 1) || k != std::trunc(k)) return -1;
  return static_cast<int>(k);
}

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double v) {
  const double f = std::floor(v);
  const double d = v - f;
  if (d > 0.5) return f + 1.0;
  if (d < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

// Interpolation in phi between the 5-degree curves; beyond 45 degrees it
// extrapolates along the last segment but never below 0.
template <class StepFn>
double InterpPhi(double x, double phi, StepFn step) {
  const double phi0 = std::min(40.0, 5.0 * std::trunc(phi / 5.0));
  const double n0 = step(x, phi0);
  const double n1 = step(x, phi0 + 5.0);
  return std::max(0.0, n0 + (n1 - n0) / 5.0 * (phi - phi0));
}

}  // namespace

double InterpTable(double x, std::span<const double> abscissae, std::span<const double> values) {
  const size_t n = std::min(abscissae.size(), values.size());
  if (n == 0) return 0.0;
  for (size_t i = 0; i < n; ++i) {
    if (x <= abscissae[i]) {
      if (i == 0) return values[0];
      return (values[i] - values[i - 1]) / (abscissae[i] - abscissae[i - 1]) *
                 (x - abscissae[i - 1]) +
             values[i - 1];
    }
  }
  return values[n - 1];
}

std::span<const double> GetTablePhis(int32_t guideline) {
  if (guideline == 5) return kPhi13;
  return kPhi10;
}

double GetNcTable(int32_t guideline, double phi) {
  if (guideline == 4) return InterpTable(phi, kPhi10, kResNc);
  if (guideline == 5) return InterpTable(phi, kPhi13, kCanNc);
  return InterpTable(phi, kPhi10, kOthNc);
}

double GetNqTable(int32_t guideline, double phi) {
  if (guideline == 4) return InterpTable(phi, kPhi10, kResNq);
  if (guideline == 5) return InterpTable(phi, kPhi13, kCanNq);
  return InterpTable(phi, kPhi10, kOthNq);
}

double GetNgTable(int32_t guideline, double phi) {
  if (guideline == 4) return InterpTable(phi, kPhi10, kResNg);
  if (guideline == 5) return InterpTable(phi, kPhi13, kCanNg);
  return InterpTable(phi, kPhi10, kOthNg);
}

double GetNKeisyaTable(int16_t kind, double theta, double phi) {
  if (kind < 0 || kind > 2) return 0.0;
  // The chart has rows 0..40 degrees: a larger phi reads the 40-degree row.
  double r = std::trunc(phi / 5.0 + 0.1);
  if (!(r >= 0.0)) r = 0.0;
  if (r > kFarmSteps - 1) r = kFarmSteps - 1;
  const double* v = kFarmChart[kind][static_cast<int>(r)];

  constexpr int last = kFarmSteps - 1;
  const double thetaLast = 5.0 * last * kCalcDegToRad;
  if (theta >= thetaLast) return v[last];
  // An inclination on the other side holds the vertical-load value: running
  // the first segment on would raise the factor above it.
  if (theta <= 0.0) return v[0];
  for (int j = 1; j <= last; ++j) {
    const double tj = 5.0 * j * kCalcDegToRad;
    if (theta <= tj) {
      const double tp = 5.0 * (j - 1) * kCalcDegToRad;
      return v[j - 1] + (theta - tp) * (v[j] - v[j - 1]) / (tj - tp);
    }
  }
  return v[last];  // NaN inclination
}

bool CalcNTheory(double phi, double theta, double omega, double& Nc, double& Nq, double& Ng) {
  const double pi = kCalcPi;
  const double rho = pi / 2 - phi;
  const double eps = pi - (omega + rho);
  const double zeta = pi / 4 - phi / 2;
  const double eta = zeta;
  const double lambda = 3 * pi / 4 + phi / 2 - omega;

  const double sinEps = std::sin(eps);
  const double sinEta = std::sin(eta);
  const double D =
      (std::sin(rho) / sinEps) * (std::cos(eps - phi) * std::tan(theta) + std::sin(eps - phi));
  if (sinEps == 0.0 || sinEta == 0.0 || D == 0.0 || !std::isfinite(D)) return false;

  const double tanPhi = std::tan(phi);
  const double E2 = std::exp(2 * lambda * tanPhi);
  const double E3 = std::exp(3 * lambda * tanPhi);
  // (E2 - 1) / sin(phi), which tends to 2 lambda as phi goes to 0.
  const double spiral = (phi == 0.0) ? 2 * lambda : std::expm1(2 * lambda * tanPhi) / std::sin(phi);

  const double cosPhi = std::cos(phi);
  Nc = (cosPhi / D) * (std::sin(omega) / sinEps + spiral + (std::sin(zeta) / sinEta) * E2);
  Nq = cosPhi * std::cos(zeta) * E2 / (sinEta * D);
  Ng = (sinEps / (std::sin(rho) * D)) *
       (cosPhi * std::sin(zeta) * std::cos(zeta) / sinEta * E3 -
        std::sin(omega) * std::sin(rho) * std::sin(eps - phi) / sinEps -
        (E3 * (std::sin(lambda + omega) + 3 * tanPhi * std::cos(lambda + omega)) - std::sin(omega) -
         3 * tanPhi * std::cos(omega)) /
            (9 * tanPhi * tanPhi + 1));
  return std::isfinite(Nc) && std::isfinite(Nq) && std::isfinite(Ng);
}

double NcKeisyaPoly(double x) { return std::pow(10.0, Poly(kNcBoundary, x)); }
double NqKeisyaPoly(double x) { return std::pow(10.0, Poly(kNqBoundary, x)); }
double NgKeisyaPoly(double x) { return std::pow(10.0, Poly(kNgBoundary, x)); }

double GetNcKeisyaPhi(double x, double phiStep) {
  const int k = FitStep(phiStep);
  double a = 0.0;
  if (k >= 0 && !(x > kNcCutoff[k])) a = Poly(kNcFit[k], x);
  const double n = std::pow(10.0, a);
  return (a > 0.0 && NcKeisyaPoly(x) <= n) ? n : 0.0;
}

double GetNqKeisyaPhi(double x, double phiStep) {
  const int k = FitStep(phiStep);
  if (k < 1) return 0.0;
  return std::pow(10.0, Poly(kNqFit[k], x));
}

double GetNgKeisyaPhi(double x, double phiStep) {
  const int k = FitStep(phiStep);
  const double a = (k >= 1) ? Poly(kNgFit[k], x) : 0.0;
  const double n = std::pow(10.0, a);
  return (NgKeisyaPoly(x) > n) ? 0.0 : n;
}

double GetNqKeisyaLimit(double Nq, double r) {
  // No limit curve exists for a non-positive factor: no inclination passes.
  if (!(Nq > 0.0)) return std::numeric_limits<double>::lowest();
  const double L = static_cast<int16_t>(RoundHalfEven(std::log(Nq) / std::log(10.0)));
  auto Y = [L](int k) {
    const double(&b)[6] = kNqLimit[k];
    return b[0] + b[1] * L + b[2] * L * L + b[3] * L * L * L + b[4] * L * L * L * L +
           b[5] * L * L * L * L * L;
  };
  const double k = std::trunc(r);
  if (k >= 0 && k <= 3) {
    const int ki = static_cast<int>(k);
    return Y(ki) + (r - k) * (Y(ki + 1) - Y(ki));
  }
  return Y(4);
}

// The fits cover inclinations from a vertical load on; below it the
// polynomials run away (Nq near 10^3 at x = -0.2), so a load inclined the
// other way reads the vertical-load curves, as the farm-road chart does.
double GetNcKeisya(double x, double phi) {
  return InterpPhi(std::max(0.0, x), phi, GetNcKeisyaPhi);
}

double GetNgKeisya(double x, double phi) {
  return InterpPhi(std::max(0.0, x), phi, GetNgKeisyaPhi);
}

double GetNqKeisya(double x, double phi, double q, double c) {
  x = std::max(0.0, x);
  const double n = InterpPhi(x, phi, GetNqKeisyaPhi);
  if (c > 0.0) {
    const double phi0 = std::min(40.0, 5.0 * std::trunc(phi / 5.0));
    if (phi0 == 0.0 || !(n > 0.0)) return 0.0;
    return GetNqKeisyaLimit(n, q / c) >= x ? n : 0.0;
  }
  return NqKeisyaPoly(x) <= n ? n : 0.0;
}

}  // namespace norva
