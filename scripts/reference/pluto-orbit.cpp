// SPDX-License-Identifier: MIT
//
// Writes src/core/ephemeris/pluto_orbit_data.cpp: Pluto's heliocentric positions before
// 1885, where the series of Meeus, Astronomical Algorithms, ch. 37 (libnova) no longer
// hold. Pluto is integrated as a test particle about the Sun (the inner planets' masses
// added to it) perturbed by Jupiter, Saturn, Uranus and Neptune (VSOP87, libnova); its
// state at 1915.0 is fitted by least squares to the ch. 37 series over 1890-1940, the
// years in which that series agrees best with modern ephemerides, then the orbit is
// integrated back to 1600. Run by hand, never by CI or the build:
//   g++ -O2 -std=c++20 scripts/reference/pluto-orbit.cpp -lnova -o /tmp/pluto-orbit
//   /tmp/pluto-orbit > src/core/ephemeris/pluto_orbit_data.cpp
#include <libnova/jupiter.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Vec = std::array<double, 3>;
using State = std::array<double, 6>;

constexpr double kGauss = 0.01720209895;  // AU^(3/2) / day
// Mass ratios of the planets to the Sun (IAU 2009 system of constants; DE405/DE421).
constexpr double kMercury = 1.0 / 6023600.0;
constexpr double kVenus = 1.0 / 408523.71;
constexpr double kEarthMoon = 1.0 / 328900.56;
constexpr double kMars = 1.0 / 3098708.0;
constexpr std::array<double, 4> kGiants{1.0 / 1047.3486, 1.0 / 3497.898, 1.0 / 22902.98,
                                        1.0 / 19412.24};
constexpr double kStep = 20.0;  // days, RK4
constexpr double kEpoch =
    2421967.5;  // 1920 January 8, the fit's epoch: a whole number of rows after 1600
constexpr double kFitFrom = 2411368.5;    // 1890 Jan 1
constexpr double kFitTo = 2429629.5;      // 1940 Jan 1
constexpr double kTableFrom = 2305447.5;  // 1600 Jan 1 (Gregorian)
constexpr double kTableTo = 2409567.5;    // a little past 1885 January 1
constexpr double kTableStep = 40.0;

Vec Rect(const ln_helio_posn& p) {
  const double d = M_PI / 180.0;
  return {p.R * std::cos(p.B * d) * std::cos(p.L * d), p.R * std::cos(p.B * d) * std::sin(p.L * d),
          p.R * std::sin(p.B * d)};
}

std::map<long, std::array<Vec, 4>> giants_cache;

const std::array<Vec, 4>& Giants(double jd) {
  const long key = std::lround(jd * 2.0);
  auto it = giants_cache.find(key);
  if (it != giants_cache.end())
    return it->second;
  ln_helio_posn p;
  std::array<Vec, 4> g;
  ln_get_jupiter_helio_coords(jd, &p);
  g[0] = Rect(p);
  ln_get_saturn_helio_coords(jd, &p);
  g[1] = Rect(p);
  ln_get_uranus_helio_coords(jd, &p);
  g[2] = Rect(p);
  ln_get_neptune_helio_coords(jd, &p);
  g[3] = Rect(p);
  return giants_cache.emplace(key, g).first->second;
}

State Derivative(double jd, const State& s) {
  const double k2 = kGauss * kGauss;
  const double sun = k2 * (1.0 + kMercury + kVenus + kEarthMoon + kMars);
  const Vec r{s[0], s[1], s[2]};
  const double rr = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  Vec a{};
  for (int i = 0; i < 3; ++i)
    a[i] = -sun * r[i] / (rr * rr * rr);
  const auto& g = Giants(jd);
  for (int p = 0; p < 4; ++p) {
    Vec d{g[p][0] - r[0], g[p][1] - r[1], g[p][2] - r[2]};
    const double dd = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const double gg = std::sqrt(g[p][0] * g[p][0] + g[p][1] * g[p][1] + g[p][2] * g[p][2]);
    for (int i = 0; i < 3; ++i)
      a[i] += k2 * kGiants[p] * (d[i] / (dd * dd * dd) - g[p][i] / (gg * gg * gg));
  }
  return {s[3], s[4], s[5], a[0], a[1], a[2]};
}

State Step(double jd, const State& s, double h) {
  auto add = [](const State& x, const State& k, double f) {
    State y;
    for (int i = 0; i < 6; ++i)
      y[i] = x[i] + f * k[i];
    return y;
  };
  const State k1 = Derivative(jd, s);
  const State k2 = Derivative(jd + h / 2, add(s, k1, h / 2));
  const State k3 = Derivative(jd + h / 2, add(s, k2, h / 2));
  const State k4 = Derivative(jd + h, add(s, k3, h));
  State y;
  for (int i = 0; i < 6; ++i)
    y[i] = s[i] + h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
  return y;
}

// Positions at the given days (a multiple of kStep from the epoch), integrating from it.
std::vector<Vec> Integrate(const State& at_epoch, const std::vector<double>& days) {
  std::vector<Vec> out;
  for (double target : days) {
    State s = at_epoch;
    double jd = kEpoch;
    const double h = target >= kEpoch ? kStep : -kStep;
    while (std::fabs(target - jd) > 1e-9) {
      s = Step(jd, s, h);
      jd += h;
    }
    out.push_back({s[0], s[1], s[2]});
  }
  return out;
}

Vec Meeus(double jd) {
  ln_helio_posn p;
  ln_get_pluto_helio_coords(jd, &p);
  return Rect(p);
}

}  // namespace

int main() {
  // The fit's sample days and the series there.
  std::vector<double> days;
  for (double jd = kEpoch; jd >= kFitFrom; jd -= 5 * kStep)
    days.push_back(jd);
  for (double jd = kEpoch + 5 * kStep; jd <= kFitTo; jd += 5 * kStep)
    days.push_back(jd);
  std::vector<Vec> target;
  for (double jd : days)
    target.push_back(Meeus(jd));
  // The first guess: the series' position and velocity at the epoch.
  State s;
  {
    const Vec p = Meeus(kEpoch), a = Meeus(kEpoch - 1.0), b = Meeus(kEpoch + 1.0);
    s = {p[0], p[1], p[2], (b[0] - a[0]) / 2, (b[1] - a[1]) / 2, (b[2] - a[2]) / 2};
  }
  // Gauss-Newton on the six elements of the state.
  for (int iteration = 0; iteration < 4; ++iteration) {
    const std::vector<Vec> nominal = Integrate(s, days);
    std::vector<std::array<double, 6>> jacobian(days.size() * 3);
    for (int j = 0; j < 6; ++j) {
      State t = s;
      const double delta = j < 3 ? 1e-6 : 1e-9;
      t[j] += delta;
      const std::vector<Vec> moved = Integrate(t, days);
      for (std::size_t k = 0; k < days.size(); ++k)
        for (int c = 0; c < 3; ++c)
          jacobian[k * 3 + c][j] = (moved[k][c] - nominal[k][c]) / delta;
    }
    double n[6][7] = {};
    double rms = 0;
    for (std::size_t k = 0; k < days.size(); ++k) {
      for (int c = 0; c < 3; ++c) {
        const double r = target[k][c] - nominal[k][c];
        rms += r * r;
        for (int i = 0; i < 6; ++i) {
          for (int j = 0; j < 6; ++j)
            n[i][j] += jacobian[k * 3 + c][i] * jacobian[k * 3 + c][j];
          n[i][6] += jacobian[k * 3 + c][i] * r;
        }
      }
    }
    for (int i = 0; i < 6; ++i) {  // Gauss-Jordan
      int pivot = i;
      for (int r = i + 1; r < 6; ++r)
        if (std::fabs(n[r][i]) > std::fabs(n[pivot][i]))
          pivot = r;
      for (int c = 0; c < 7; ++c)
        std::swap(n[i][c], n[pivot][c]);
      for (int r = 0; r < 6; ++r) {
        if (r == i)
          continue;
        const double f = n[r][i] / n[i][i];
        for (int c = 0; c < 7; ++c)
          n[r][c] -= f * n[i][c];
      }
    }
    for (int i = 0; i < 6; ++i)
      s[i] += n[i][6] / n[i][i];
    std::fprintf(stderr, "iteration %d: rms residual %.3e AU\n", iteration,
                 std::sqrt(rms / (3.0 * days.size())));
  }
  std::vector<double> table_days;
  for (double jd = kTableFrom; jd <= kTableTo; jd += kTableStep)
    table_days.push_back(jd);
  // One pass backwards from the epoch, keeping the table's days.
  std::vector<Vec> rows(table_days.size());
  {
    State x = s;
    double jd = kEpoch;
    std::size_t next = table_days.size();
    while (next > 0) {
      const double want = table_days[next - 1];
      if (want >= jd) {  // after the epoch: integrate forwards separately
        rows[next - 1] = Integrate(s, {want})[0];
        --next;
        continue;
      }
      x = Step(jd, x, -kStep);
      jd -= kStep;
      if (std::fabs(jd - want) < 1e-9) {
        rows[next - 1] = {x[0], x[1], x[2]};
        --next;
      }
    }
  }
  std::printf("// SPDX-License-Identifier: MIT\n");
  std::printf(
      "// Generated by scripts/reference/pluto-orbit.cpp; edit that program, not this file.\n");
  std::printf("#include \"core/ephemeris/pluto_orbit_table.h\"\n\nnamespace lumora {\n\n");
  std::printf(
      "// Pluto, heliocentric, AU, mean ecliptic and equinox of J2000.0, every %g days from\n",
      kTableStep);
  std::printf("// JD %.1f (1600 January 1): an orbit integrated from a least-squares fit to\n",
              kTableFrom);
  std::printf("// Meeus, Astronomical Algorithms, ch. 37, over 1890-1940.\n");
  std::printf("const std::array<PlutoTableRow, %zu> kPlutoOrbit{{\n", rows.size());
  for (const Vec& r : rows)
    std::printf("    {%.10f, %.10f, %.10f},\n", r[0], r[1], r[2]);
  std::printf("}};\n\n}  // namespace lumora\n");
  std::fprintf(stderr, "rows %zu\n", rows.size());
}
