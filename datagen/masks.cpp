// Draws the masks of data/mask/{rect,oval,other}: white where the picture
// shows, black where the background covers it, grey where they blend.
// Usage: masks DATA_FOLDER
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "codecs/registry.h"
#include "datagen/noise.h"

namespace qm::datagen {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 400, kHeight = 300;
constexpr double kW = kWidth, kH = kHeight;

// Coverage 0 (background) .. 1 (picture) at a point in pixel units.
using Shape = std::function<double(double x, double y)>;

Image render(const Shape& shape) {
    constexpr int kSamples = 4;
    Image mask(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            double sum = 0;
            for (int j = 0; j < kSamples; ++j)
                for (int i = 0; i < kSamples; ++i)
                    sum += std::clamp(shape(x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples), 0.0, 1.0);
            const auto v = std::uint8_t(std::lround(255 * sum / (kSamples * kSamples)));
            mask.at(x, y) = {v, v, v};
        }
    return mask;
}

// Signed distances, negative inside.
double boxDistance(double x, double y, double left, double top, double right, double bottom, double radius = 0) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double qx = std::abs(x - cx) - ((right - left) / 2 - radius);
    const double qy = std::abs(y - cy) - ((bottom - top) / 2 - radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

// Close to the true distance near the outline, which is all a feather needs.
double ellipseDistance(double x, double y, double cx, double cy, double a, double b) {
    const double r = std::hypot((x - cx) / a, (y - cy) / b);
    return (r - 1) * std::min(a, b);
}

struct Point {
    double x, y;
};

double polygonDistance(double x, double y, const std::vector<Point>& v) {
    double d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    double sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        const double wx = x - v[i].x, wy = y - v[i].y;
        const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        const double bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        const bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(d);
}

// A heart whose tip is at the origin and whose lobes reach y = 1 (y up).
double heartDistance(double px, double py) {
    px = std::abs(px);
    if (py + px > 1) return std::hypot(px - 0.25, py - 0.75) - std::sqrt(2.0) / 4;
    const double m = std::max(px + py, 0.0) * 0.5;
    const double d = std::min(std::hypot(px, py - 1), std::hypot(px - m, py - m));
    return px - py < 0 ? -d : d;
}

double sharp(double distance) { return distance < 0 ? 1 : 0; }
// Picture inside, fading to background over `width` pixels up to the outline.
double feathered(double distance, double width) { return 1 - smoothstep(-width, 0, distance); }

// One-dimensional fractal noise centred on 0.
double wobble(double t, int octaves, std::uint32_t seed) { return fractalNoise(t, 0.5, 1 << 20, 1, octaves, seed) - 0.5; }

std::vector<Point> starPoints(double cx, double cy, double outer, double inner, int points) {
    std::vector<Point> v;
    for (int k = 0; k < 2 * points; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / points;
        const double r = k % 2 == 0 ? outer : inner;
        v.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    return v;
}

struct Mask {
    const char* file;
    Shape shape;
};

std::vector<Mask> rectangles() {
    return {
        {"01-feathered-rectangle.png", [](double x, double y) {
             return feathered(boxDistance(x, y, 24, 18, kW - 24, kH - 18), 26); }},
        {"02-sharp-rectangle.png", [](double x, double y) {
             return sharp(boxDistance(x, y, 24, 18, kW - 24, kH - 18)); }},
        {"03-rounded-rectangle.png", [](double x, double y) {
             return sharp(boxDistance(x, y, 24, 18, kW - 24, kH - 18, 40)); }},
        {"04-soft-rounded-rectangle.png", [](double x, double y) {
             return feathered(boxDistance(x, y, 30, 24, kW - 30, kH - 24, 50), 20); }},
        {"05-wide-feather.png", [](double x, double y) {
             return feathered(boxDistance(x, y, 6, 5, kW - 6, kH - 5), 80); }},
        {"06-thin-margin.png", [](double x, double y) {
             return sharp(boxDistance(x, y, 10, 9, kW - 10, kH - 9)); }},
        {"07-passe-partout.png", [](double x, double y) {
             return sharp(boxDistance(x, y, 34, 30, kW - 34, kH - 48)); }},
        {"08-mat-with-shade.png", [](double x, double y) {
             if (boxDistance(x, y, 56, 44, kW - 56, kH - 44) < 0) return 1.0;
             return boxDistance(x, y, 22, 18, kW - 22, kH - 18) < 0 ? 0.5 : 0.0; }},
    };
}

std::vector<Mask> ovals() {
    const double cx = kW / 2, cy = kH / 2;
    return {
        {"01-feathered-oval.png", [=](double x, double y) {
             return feathered(ellipseDistance(x, y, cx, cy, kW * 0.45, kH * 0.44), 34); }},
        {"02-sharp-oval.png", [=](double x, double y) {
             return sharp(ellipseDistance(x, y, cx, cy, kW * 0.46, kH * 0.45)); }},
        {"03-vignette.png", [=](double x, double y) {
             return 1 - smoothstep(0.55, 1.08, std::hypot((x - cx) / cx, (y - cy) / cy)); }},
        {"04-soft-vignette.png", [=](double x, double y) {
             return 1 - smoothstep(0.75, 1.5, std::hypot((x - cx) / cx, (y - cy) / cy)); }},
        {"05-circle.png", [=](double x, double y) {
             return sharp(std::hypot(x - cx, y - cy) - kH * 0.44); }},
        {"06-feathered-circle.png", [=](double x, double y) {
             return feathered(std::hypot(x - cx, y - cy) - kH * 0.46, 40); }},
        {"07-small-inset-oval.png", [=](double x, double y) {
             return feathered(ellipseDistance(x, y, cx, cy, kW * 0.34, kH * 0.36), 48); }},
        {"08-panorama-oval.png", [=](double x, double y) {
             return feathered(ellipseDistance(x, y, cx, cy, kW * 0.47, kH * 0.30), 22); }},
    };
}

std::vector<Mask> others() {
    const double cx = kW / 2, cy = kH / 2;
    return {
        {"01-heart.png", [=](double x, double y) {
             // The tip at the bottom; heart units are about 1.2 wide and 1 high.
             const double scale = kH * 0.8;
             const double d = heartDistance((x - cx) / scale, (kH * 0.93 - y) / scale) * scale;
             return feathered(d, 3); }},
        {"02-star.png", [=](double x, double y) {
             static const auto star = starPoints(cx, cy + 10, kH * 0.5, kH * 0.21, 5);
             return feathered(polygonDistance(x, y, star), 3); }},
        {"03-clouds.png", [=](double x, double y) {
             // A soft core with puffs round its rim.
             double d = ellipseDistance(x, y, cx, cy, kW * 0.32, kH * 0.29);
             for (int k = 0; k < 18; ++k) {
                 const double angle = 2 * std::numbers::pi * (k + 0.3 * lattice(k, 5, 43)) / 18;
                 const double r = kH * (0.11 + 0.05 * lattice(k, 3, 41));
                 const double px = cx + kW * 0.33 * std::cos(angle), py = cy + kH * 0.30 * std::sin(angle);
                 // A smooth union, so neighbouring puffs merge without a crease.
                 const double puff = std::hypot(x - px, y - py) - r, blend = 7;
                 const double h = std::clamp(0.5 + 0.5 * (puff - d) / blend, 0.0, 1.0);
                 d = puff + (d - puff) * h - blend * h * (1 - h);
             }
             return feathered(d + 3, 10); }},
        {"04-torn-paper.png", [](double x, double y) {
             const double left = 26 + 9 * wobble(y / 40, 6, 11), right = kW - 26 + 9 * wobble(y / 40, 6, 12);
             const double top = 22 + 9 * wobble(x / 40, 6, 13), bottom = kH - 22 + 9 * wobble(x / 40, 6, 14);
             const double inside = std::min({x - left, right - x, y - top, bottom - y});
             if (inside >= 0) return 1.0;
             // Loose fibres along the tear show the picture faintly.
             const double fibres = fractalNoise(x / 3, y / 3, 1 << 12, 1 << 12, 3, 15);
             return inside > -5 ? 0.55 * smoothstep(0.35, 0.75, fibres) * (1 + inside / 5) : 0.0; }},
        {"05-brush-stroke.png", [=](double x, double y) {
             // A broad horizontal stroke: ragged bristle ends, wavy edges, dry streaks near the ends.
             const double bristle = wobble(y / 2.5, 4, 21);
             const double left = 30 + 70 * (bristle + 0.5) * (bristle + 0.5);
             const double right = kW - 30 - 60 * (wobble(y / 2.5, 4, 22) + 0.5);
             const double top = 26 + 14 * wobble(x / 60, 4, 23), bottom = kH - 26 + 14 * wobble(x / 60, 4, 24);
             const double inside = std::min({x - left, right - x, y - top, bottom - y});
             if (inside < 0) return 0.0;
             const double nearEnd = std::min(x - left, right - x);
             const double streaks = fractalNoise(x / 40, y / 1.8, 1 << 12, 1 << 12, 3, 25);
             const double dryness = 1 - smoothstep(0, 90, nearEnd);
             return streaks > 0.62 * std::pow(dryness, 1.5) ? 1.0 : 0.5 * (1 - dryness); }},
        {"06-arch-window.png", [=](double x, double y) {
             const double radius = kW * 0.26;
             const double body = boxDistance(x, y, cx - radius, 20 + radius, cx + radius, kH - 20);
             return sharp(std::min(body, std::hypot(x - cx, y - (20 + radius)) - radius)); }},
        {"07-diamond.png", [=](double x, double y) {
             static const std::vector<Point> diamond{{cx, 8}, {kW - 20, cy}, {cx, kH - 8}, {20, cy}};
             return feathered(polygonDistance(x, y, diamond), 26); }},
        {"08-postage-stamp.png", [](double x, double y) {
             const double left = 30, top = 26, right = kW - 30, bottom = kH - 26, hole = 7, pitch = 19;
             if (boxDistance(x, y, left, top, right, bottom) >= 0) return 0.0;
             // Perforation holes centred on the outline.
             const double hx = left + std::round((x - left) / pitch) * pitch;
             const double hy = top + std::round((y - top) / pitch) * pitch;
             const double d = std::min({std::hypot(x - hx, y - top), std::hypot(x - hx, y - bottom),
                                        std::hypot(x - left, y - hy), std::hypot(x - right, y - hy)});
             return d < hole ? 0.0 : 1.0; }},
    };
}

void writeAll(const fs::path& folder, const std::vector<Mask>& masks) {
    fs::create_directories(folder);
    for (const Mask& mask : masks) {
        codecs::writeImage(render(mask.shape), folder / mask.file);
        std::printf("%s\n", (folder / mask.file).c_str());
    }
}

}  // namespace
}  // namespace qm::datagen

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: masks DATA_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path data = argv[1];
        using namespace qm::datagen;
        writeAll(data / "mask" / "rect", rectangles());
        writeAll(data / "mask" / "oval", ovals());
        writeAll(data / "mask" / "other", others());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "masks: %s\n", e.what());
        return 1;
    }
    return 0;
}
