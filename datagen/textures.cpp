// Draws the background textures of data/textures. Each one repeats exactly
// at its own size, so tiling it from the top-left shows no seam; several are
// narrower than 100 pixels on purpose.
// Usage: textures DATA_FOLDER
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <numbers>
#include <vector>

#include "codecs/registry.h"
#include "datagen/noise.h"

namespace qm::datagen {
namespace {

namespace fs = std::filesystem;
constexpr double kTau = 2 * std::numbers::pi;

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Colour scale(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }

struct Texture {
    const char* file;
    int width, height;
    std::function<Colour(int x, int y, int w, int h)> colour;
};

Image render(const Texture& t) {
    Image image(t.width, t.height);
    auto channel = [](double v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x) {
            const Colour c = t.colour(x, y, t.width, t.height);
            image.at(x, y) = {channel(c.r), channel(c.g), channel(c.b)};
        }
    return image;
}

// Per-pixel grain, -0.5 .. 0.5, repeating with the texture.
double grain(int x, int y, int w, int h, std::uint32_t seed) { return lattice(wrap(x, w), wrap(y, h), seed) - 0.5; }

// Light and shade of one woven thread crossing a cell of `pitch` pixels:
// horizontal and vertical threads alternate like a plain weave.
double weave(int x, int y, int pitch) {
    const bool horizontalOnTop = ((x / pitch) + (y / pitch)) % 2 == 0;
    const double across = ((horizontalOnTop ? y : x) % pitch + 0.5) / pitch;
    return std::sin(std::numbers::pi * across);
}

std::vector<Texture> textures() {
    return {
        {"01-paper.png", 128, 128, [](int x, int y, int w, int h) {
             const double clouds = fractalNoise(x / 16.0, y / 16.0, w / 16, h / 16, 4, 1) - 0.5;
             const double fibres = valueNoise(x / 32.0, y / 2.0, w / 32, h / 2, 2) - 0.5;
             const double f = 1 + 0.05 * clouds + 0.025 * fibres + 0.02 * grain(x, y, w, h, 3);
             return scale({245, 240, 226}, f); }},
        {"02-canvas.png", 96, 96, [](int x, int y, int w, int h) {
             const double thread = weave(x, y, 4);
             const double slub = fractalNoise(x / 8.0, y / 8.0, w / 8, h / 8, 3, 4) - 0.5;
             return scale({222, 206, 172}, 0.78 + 0.2 * thread + 0.08 * slub + 0.03 * grain(x, y, w, h, 5)); }},
        {"03-linen.png", 128, 128, [](int x, int y, int w, int h) {
             const double rows = valueNoise(x / 16.0, y, w / 16, h, 6);
             const double columns = valueNoise(x, y / 16.0, w, h / 16, 7);
             const double f = 0.86 + 0.1 * (rows + columns) / 2 + 0.04 * (y % 2) + 0.02 * grain(x, y, w, h, 8);
             return scale({226, 220, 204}, f); }},
        {"04-marble.png", 200, 200, [](int x, int y, int w, int h) {
             const double turbulence = fractalNoise(x / 25.0, y / 25.0, w / 25, h / 25, 5, 9);
             const double t = kTau * (2.0 * x / w + 1.0 * y / h) + 9 * turbulence;
             const double vein = 1 - std::pow(std::abs(std::sin(t)), 0.22);
             const double cloud = fractalNoise(x / 50.0, y / 50.0, w / 50, h / 50, 3, 10);
             return mix(mix({238, 236, 231}, {214, 212, 210}, cloud), {104, 106, 114}, 0.85 * vein); }},
        {"05-cork.png", 128, 128, [](int x, int y, int w, int h) {
             const auto cells = cellNoise(x / 8.0, y / 8.0, w / 8, h / 8, 11);
             const double tone = lattice(cells.cellX, cells.cellY, 12);
             const double edge = smoothstep(0.0, 0.25, cells.second - cells.nearest);
             const double pits = fractalNoise(x / 4.0, y / 4.0, w / 4, h / 4, 2, 13) < 0.3 ? 0.7 : 1.0;
             return scale(mix({150, 100, 58}, {204, 156, 102}, tone), (0.8 + 0.2 * edge) * pits); }},
        {"06-wood.png", 80, 240, [](int x, int y, int w, int h) {
             const double warp = fractalNoise(x / 20.0, y / 60.0, w / 20, h / 60, 4, 14);
             const double rings = 0.5 + 0.5 * std::sin(kTau * (5.0 * x / w + 2 * warp));
             const double streak = valueNoise(x / 2.0, y / 40.0, w / 2, h / 40, 15) - 0.5;
             return scale(mix({202, 148, 92}, {132, 82, 44}, std::pow(rings, 3)), 1 + 0.08 * streak); }},
        {"07-leather.png", 128, 128, [](int x, int y, int w, int h) {
             const auto cells = cellNoise(x / 8.0, y / 8.0, w / 8, h / 8, 16);
             const double crease = smoothstep(0.0, 0.18, cells.second - cells.nearest);
             const double sheen = fractalNoise(x / 32.0, y / 32.0, w / 32, h / 32, 3, 17);
             return scale(mix({92, 52, 30}, {132, 80, 48}, sheen), 0.82 + 0.18 * crease + 0.05 * grain(x, y, w, h, 18)); }},
        {"08-denim.png", 64, 64, [](int x, int y, int w, int h) {
             const bool warp = (x + y) % 4 < 2;  // the diagonal of a twill
             const double fleck = lattice(wrap(x, w), wrap(y / 2, h / 2), 19);
             const Colour blue = scale({46, 78, 128}, 0.9 + 0.15 * valueNoise(x / 8.0, y, w / 8, h, 20));
             return warp ? blue : mix(blue, {200, 206, 214}, 0.25 + 0.25 * fleck); }},
        {"09-granite.png", 160, 160, [](int x, int y, int w, int h) {
             const double speck = lattice(wrap(x, w), wrap(y, h), 21);
             const double clump = fractalNoise(x / 5.0, y / 5.0, w / 5, h / 5, 3, 22);
             Colour c = mix({132, 130, 128}, {178, 174, 170}, clump);
             if (speck > 0.985) c = mix(c, {40, 38, 40}, 0.8);
             else if (speck < 0.02) c = mix(c, {232, 228, 224}, 0.7);
             else if (clump > 0.66) c = mix(c, {176, 136, 124}, 0.45);
             c = scale(c, 1 + 0.06 * (speck - 0.5));
             return c; }},
        {"10-burlap.png", 72, 72, [](int x, int y, int w, int h) {
             const double thread = weave(x, y, 6);
             const double gap = (x % 6 == 0 || y % 6 == 0) ? 0.55 : 1.0;
             const double hair = fractalNoise(x / 6.0, y / 6.0, w / 6, h / 6, 3, 23) - 0.5;
             return scale({176, 144, 96}, gap * (0.72 + 0.28 * thread + 0.12 * hair)); }},
    };
}

}  // namespace
}  // namespace qm::datagen

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: textures DATA_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / "textures";
        std::filesystem::create_directories(folder);
        for (const auto& texture : qm::datagen::textures()) {
            qm::codecs::writeImage(qm::datagen::render(texture), folder / texture.file);
            std::printf("%s\n", (folder / texture.file).c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "textures: %s\n", e.what());
        return 1;
    }
    return 0;
}
