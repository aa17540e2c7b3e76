#include "datagen/moulding.h"

#include <algorithm>
#include <cmath>

namespace qm::datagen {

namespace {

constexpr float kPi = 3.14159265358979f;

float hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffffff) / float(0x1000000);
}

// Value noise that repeats every `period` lattice cells along x, so that
// anything made from it tiles along the moulding.
float periodicNoise(float x, float y, int period, std::uint32_t seed) {
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const float fx = x - float(ix), fy = y - float(iy);
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const auto wrap = [period](int i) { return ((i % period) + period) % period; };
    const float a = hash(wrap(ix), iy, seed), b = hash(wrap(ix + 1), iy, seed);
    const float c = hash(wrap(ix), iy + 1, seed), d = hash(wrap(ix + 1), iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Several octaves; `cells` lattice cells across the repeat length at the
// coarsest one. Result roughly in 0..1.
float periodicFbm(float x, float y, int length, int cells, std::uint32_t seed, int octaves = 4) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int o = 0; o < octaves; ++o) {
        const int period = cells << o;
        sum += amplitude * periodicNoise(x * float(period) / float(length), y * float(1 << o), period, seed + o);
        total += amplitude;
        amplitude *= 0.5f;
    }
    return sum / total;
}

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour scale(Colour c, float f) { return {c.r * f, c.g * f, c.b * f}; }

Colour albedo(const Material& m, float x, float y, int length, int thickness, std::uint32_t seed) {
    using K = Material::Kind;
    switch (m.kind) {
    case K::Paint: return scale(m.base, 0.97f + 0.06f * periodicNoise(x * 40 / length, y * 0.5f, 40, seed));
    case K::Wood: {
        const float warp = periodicFbm(x, y * 0.04f, length, 3, seed);
        const float rings = std::max(2.0f, float(thickness) / 7.0f);
        const float grain = 0.5f + 0.5f * std::sin(2 * kPi * (y / float(thickness) * rings + 2.2f * warp));
        const float figure = std::pow(grain, 2.5f);
        const int poreCells = std::max(4, length / 9);
        const float pores = periodicNoise(x * float(poreCells) / float(length), y * 0.8f, poreCells, seed + 77);
        return scale(mix(m.second, m.base, figure), 0.86f + 0.2f * pores);
    }
    case K::Gilt: {
        const float cloud = periodicFbm(x, y * 0.08f, length, 6, seed);
        const Colour gold = scale(m.base, 0.9f + 0.2f * cloud);
        const float wear = std::clamp((cloud - 0.68f) * 5.0f, 0.0f, 1.0f);
        return mix(gold, m.second, wear * 0.6f);
    }
    case K::BrushedMetal: {
        const int cells = std::max(4, length / 24);
        const float streak = periodicNoise(x * float(cells) / float(length), y * 2.3f, cells, seed);
        return scale(m.base, 0.84f + 0.3f * streak);
    }
    case K::Stripes: {
        const float phase = x * float(m.repeats) / float(length) + y / float(length) * float(m.repeats);
        return (int(std::floor(phase * 2)) & 1) ? m.second : m.base;
    }
    case K::Checks: {
        const float cell = float(length) / float(m.repeats);
        return ((int(std::floor(x / cell)) + int(std::floor(y / cell))) & 1) ? m.second : m.base;
    }
    case K::Dots: {
        const float cell = float(length) / float(m.repeats);
        const int row = int(std::floor(y / cell));
        const float cx = std::fmod(x + (row & 1) * cell / 2, cell) - cell / 2;
        const float cy = std::fmod(y, cell) - cell / 2;
        return std::hypot(cx, cy) < cell * 0.3f ? m.second : m.base;
    }
    }
    return m.base;
}

float profileHeight(const Band& band, float u) {
    using S = Band::Shape;
    const float span = band.to - band.from;
    switch (band.shape) {
    case S::Flat: return band.from;
    case S::Slope: return band.from + span * u;
    case S::Round: return band.from + span * std::sin(u * kPi / 2);
    case S::Cove: return band.from + span * (1 - std::cos(u * kPi / 2));
    case S::Bead: return band.from + span * std::sqrt(std::max(0.0f, 1 - (2 * u - 1) * (2 * u - 1)));
    }
    return band.from;
}

struct Relief {
    float height = 0;  // pixels
    float shade = 1;   // albedo factor
};

Relief ornament(const Ornament& o, float x, float u, float bandWidth, int length) {
    using K = Ornament::Kind;
    if (o.kind == K::None || o.count <= 0) return {};
    const float period = float(length) / float(o.count);
    const float px = std::fmod(x, period);
    const float cx = px - period / 2;
    const float cy = (u - 0.5f) * bandWidth;
    const float relief = o.depth * bandWidth;
    switch (o.kind) {
    case K::Beads: {
        const float r = std::min(period, bandWidth) * 0.46f;
        const float d = std::hypot(cx, cy) / r;
        return {d < 1 ? relief * std::sqrt(1 - d * d) : 0, 1};
    }
    case K::Rope: {
        const float phase = x / period + u * bandWidth / period * 0.9f;
        const float across = std::sqrt(std::max(0.0f, 1 - (2 * u - 1) * (2 * u - 1)));
        const float twist = std::pow(std::abs(std::sin(kPi * phase)), 0.6f);
        return {relief * across * twist, 0.75f + 0.25f * twist};
    }
    case K::EggAndDart: {
        const float ex = cx / (period * 0.36f), ey = cy / (bandWidth * 0.42f);
        const float d = ex * ex + ey * ey;
        if (d < 1) return {relief * std::sqrt(1 - d), 1};
        const float fromJoint = std::min(px, period - px);
        const float dart = period * 0.09f * (1 - u);
        if (fromJoint < dart) return {relief * 0.6f * (1 - fromJoint / dart), 1};
        return {0, 0.8f};  // the hollow around the eggs
    }
    case K::Flutes: return {relief * 0.5f * std::cos(2 * kPi * px / period), 1};
    case K::Dentils: return {px < period * 0.62f ? relief : 0, px < period * 0.62f ? 1.0f : 0.7f};
    case K::Leaves: {
        const float a = 0.6f;
        const float rx = cx * std::cos(a) + cy * std::sin(a), ry = -cx * std::sin(a) + cy * std::cos(a);
        const float lx = rx / (period * 0.55f), ly = ry / (bandWidth * 0.3f);
        const float d = lx * lx + ly * ly;
        if (d >= 1) return {0, 0.85f};
        const float vein = std::abs(ry) < 0.7f ? 0.35f * relief : 0;
        return {relief * std::sqrt(1 - d) - vein, 1};
    }
    case K::Perforation: {
        const bool hole = px > period * 0.3f && px < period * 0.7f && u > 0.22f && u < 0.78f;
        return {hole ? -relief : 0, hole ? 7.0f : 1};  // the light behind shows through
    }
    case K::None: break;
    }
    return {};
}

}  // namespace

Image renderMoulding(const MouldingDesign& design) {
    const int t = design.thickness, l = design.length;
    std::vector<float> height(std::size_t(t) * l);
    std::vector<Colour> colour(std::size_t(t) * l);
    std::vector<const Material*> material(std::size_t(t) * l);
    for (int y = 0; y < t; ++y) {
        const float v = (float(y) + 0.5f) / float(t);
        float start = 0;
        std::size_t b = 0;
        while (b + 1 < design.bands.size() && v > design.bands[b].end) start = design.bands[b++].end;
        const Band& band = design.bands[b];
        const float u = std::clamp((v - start) / std::max(1e-4f, band.end - start), 0.0f, 1.0f);
        const float bandWidth = (band.end - start) * float(t);
        const Material& m = design.materials.at(std::size_t(band.material));
        for (int x = 0; x < l; ++x) {
            const std::size_t i = std::size_t(y) * l + x;
            const Relief r = ornament(band.ornament, float(x), u, bandWidth, l);
            height[i] = profileHeight(band, u) * float(t) + r.height;
            colour[i] = scale(albedo(m, float(x), float(y), l, t, design.seed + std::uint32_t(band.material) * 31), r.shade);
            material[i] = &m;
        }
    }

    const auto [lowest, highest] = std::minmax_element(height.begin(), height.end());
    const float low = *lowest, range = std::max(1.0f, *highest - *lowest);
    const float lx = -0.42f, ly = -0.72f, lz = 0.55f;  // towards the light: up and to the left
    const float ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    const float hx = lx / ln, hy = ly / ln, hz = lz / ln + 1;
    const float hn = std::sqrt(hx * hx + hy * hy + hz * hz);

    Image out(l, t);
    for (int y = 0; y < t; ++y)
        for (int x = 0; x < l; ++x) {
            const auto at = [&](int xx, int yy) {
                return height[std::size_t(std::clamp(yy, 0, t - 1)) * l + std::size_t((xx + l) % l)];
            };
            const float dx = (at(x + 1, y) - at(x - 1, y)) / 2, dy = (at(x, y + 1) - at(x, y - 1)) / 2;
            const float nn = std::sqrt(dx * dx + dy * dy + 1);
            const float nx = -dx / nn, ny = -dy / nn, nz = 1 / nn;
            const float diffuse = std::max(0.0f, (nx * lx + ny * ly + nz * lz) / ln);
            const float facing = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hn);
            const std::size_t i = std::size_t(y) * l + x;
            const Material& m = *material[i];
            const float specular = m.gloss * std::pow(facing, m.shininess);
            const float occlusion = 0.78f + 0.22f * (height[i] - low) / range;
            float edge = 1;
            if (y == 0 || y == t - 1) edge = 0.55f;  // the moulding's outer and inner arrises
            const Colour tint = m.kind == Material::Kind::Gilt ? Colour{255, 236, 170} : Colour{255, 255, 255};
            const Colour lit = scale(colour[i], (0.28f + 0.95f * diffuse) * occlusion * edge);
            const auto channel = [&](float c, float highlight) {
                return std::uint8_t(std::clamp(c + specular * highlight * edge, 0.0f, 255.0f) + 0.5f);
            };
            out.at(x, y) = {channel(lit.r, tint.r), channel(lit.g, tint.g), channel(lit.b, tint.b)};
        }
    return out;
}

}  // namespace qm::datagen
