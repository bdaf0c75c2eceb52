// Mark scaling: ink measurement and the area filter.
#include "core/mark_image.h"

#include <algorithm>
#include <cmath>

#include "core/dpi_scale.h"

namespace core {
namespace {

constexpr int kCheckBoxInkAt96 = 13;

// How much of each source pixel of one axis a target pixel covers: for target pixel t, the
// source interval [origin + t / scale, origin + (t + 1) / scale) split by source pixels.
struct Share {
    int source;
    float weight;  // the covered part of the source pixel, in target pixels
};

std::vector<std::vector<Share>> AxisShares(int targetLength, int sourceLength, double origin, double scale) {
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(std::max(targetLength, 0)));
    for (int t = 0; t < targetLength; ++t) {
        const double from = origin + t / scale;
        const double to = origin + (t + 1) / scale;
        for (int s = static_cast<int>(std::floor(from)); s < to; ++s) {
            if (s < 0 || s >= sourceLength) continue;
            const double covered = std::min<double>(to, s + 1) - std::max<double>(from, s);
            if (covered > 0) shares[static_cast<std::size_t>(t)].push_back({s, static_cast<float>(covered * scale)});
        }
    }
    return shares;
}

MarkImage ScaleOne(const MarkImage& image, const std::vector<std::vector<Share>>& columns,
                   const std::vector<std::vector<Share>>& rows, int width, int height) {
    MarkImage scaled(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            MarkPixel sum;
            for (const Share& row : rows[static_cast<std::size_t>(y)]) {
                for (const Share& column : columns[static_cast<std::size_t>(x)]) {
                    const float w = row.weight * column.weight;
                    const MarkPixel& p = image.At(column.source, row.source);
                    sum.b += p.b * w;
                    sum.g += p.g * w;
                    sum.r += p.r * w;
                    sum.a += p.a * w;
                }
            }
            // Shown or not, never half: image lists with a mask have no partial coverage.
            MarkPixel& out = scaled.At(x, y);
            if (sum.a >= 0.5f) out = MarkPixel{sum.b / sum.a, sum.g / sum.a, sum.r / sum.a, 1.0f};
        }
    }
    return scaled;
}

}  // namespace

int CheckBoxInk(int dpi) noexcept { return ScaleToDpi(kCheckBoxInkAt96, dpi); }

MarkImage::MarkImage(int w, int h)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(static_cast<std::size_t>(width) * height) {}

int InkBox::Size() const noexcept { return right > left && bottom > top ? std::max(right - left, bottom - top) : 0; }

InkBox FindInk(const std::vector<MarkImage>& images) {
    InkBox box{};
    bool found = false;
    for (const MarkImage& image : images) {
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (!image.IsInk(x, y)) continue;
                if (!found) box = InkBox{x, y, x + 1, y + 1};
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
                found = true;
            }
        }
    }
    return box;
}

std::vector<MarkImage> ScaleMarks(const std::vector<MarkImage>& images, InkBox ink, int inkSize, int width,
                                  int height) {
    std::vector<MarkImage> scaled;
    if (ink.Size() == 0 || inkSize <= 0 || width <= 0 || height <= 0) return scaled;
    const double scale = static_cast<double>(inkSize) / ink.Size();
    // The scaled ink box starts on a whole pixel, so that a whole scale copies pixels exactly.
    const int inkWidth = static_cast<int>(std::lround((ink.right - ink.left) * scale));
    const int inkHeight = static_cast<int>(std::lround((ink.bottom - ink.top) * scale));
    const int left = (width - inkWidth) / 2;
    const int top = (height - inkHeight) / 2;
    for (const MarkImage& image : images) {
        const auto columns = AxisShares(width, image.width, ink.left - left / scale, scale);
        const auto rows = AxisShares(height, image.height, ink.top - top / scale, scale);
        scaled.push_back(ScaleOne(image, columns, rows, width, height));
    }
    return scaled;
}

}  // namespace core
