#pragma once
// Deterministic noise for the generated masks and textures. Every function
// can wrap round a period, so a texture whose size is a whole number of
// periods tiles without a seam.
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qm::datagen {

inline std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// 0 .. 1 for a lattice point.
inline double lattice(int x, int y, std::uint32_t seed) {
    return hash(std::uint32_t(x), std::uint32_t(y), seed) / 4294967295.0;
}

inline int wrap(int v, int period) { return ((v % period) + period) % period; }

inline double smootherstep(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

inline double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Value noise, 0 .. 1, one lattice cell per unit, repeating every
// periodX x periodY units.
inline double valueNoise(double x, double y, int periodX, int periodY, std::uint32_t seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smootherstep(x - x0), fy = smootherstep(y - y0);
    const int ax = wrap(x0, periodX), bx = wrap(x0 + 1, periodX);
    const int ay = wrap(y0, periodY), by = wrap(y0 + 1, periodY);
    const double top = lattice(ax, ay, seed) * (1 - fx) + lattice(bx, ay, seed) * fx;
    const double bottom = lattice(ax, by, seed) * (1 - fx) + lattice(bx, by, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

// Fractal sum of `octaves` layers of value noise, 0 .. 1; each octave halves
// the cell and doubles the period, so the whole still repeats with the first.
inline double fractalNoise(double x, double y, int periodX, int periodY, int octaves, std::uint32_t seed,
                           double persistence = 0.5) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(x, y, periodX, periodY, seed + std::uint32_t(o) * 1013u);
        total += weight;
        weight *= persistence;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

// Distance to the nearest and second nearest of one random point per unit
// cell (cellular noise), repeating every periodX x periodY cells.
struct CellDistances {
    double nearest, second;
    int cellX, cellY;  // the wrapped cell of the nearest point
};
inline CellDistances cellNoise(double x, double y, int periodX, int periodY, std::uint32_t seed) {
    const int cx = int(std::floor(x)), cy = int(std::floor(y));
    CellDistances d{9, 9, 0, 0};
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            const int wx = wrap(gx, periodX), wy = wrap(gy, periodY);
            const double px = gx + lattice(wx, wy, seed), py = gy + lattice(wx, wy, seed + 7u);
            const double dist = std::hypot(px - x, py - y);
            if (dist < d.nearest) {
                d.second = d.nearest;
                d.nearest = dist;
                d.cellX = wx;
                d.cellY = wy;
            } else if (dist < d.second) {
                d.second = dist;
            }
        }
    return d;
}

}  // namespace qm::datagen
