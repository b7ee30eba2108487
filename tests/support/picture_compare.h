// Comparing two pictures of the same screen drawn two ways: how far apart they are, pixel by pixel.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>

#include "graphics.h"

struct PictureDifference {
    double mean = 0;         // mean over all pixels of the largest channel difference
    double share_over = 0;   // share of pixels (0..1) whose largest channel difference exceeds the threshold
    int largest = 0;
    bool same_size = false;
    std::string Describe() const {
        return "mean " + std::to_string(mean) + ", over threshold " + std::to_string(share_over * 100) +
               "%, largest " + std::to_string(largest);
    }
};

inline PictureDifference ComparePictures(const Pixmap& a, const Pixmap& b, int threshold) {
    PictureDifference d;
    d.same_size = a.width == b.width && a.height == b.height && a.width > 0 && a.height > 0;
    if (!d.same_size) return d;
    double total = 0;
    long over = 0;
    const size_t n = static_cast<size_t>(a.width) * a.height;
    for (size_t i = 0; i < n; ++i) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(a.rgba[i * 4 + c] - b.rgba[i * 4 + c]));
        total += worst;
        if (worst > threshold) ++over;
        d.largest = std::max(d.largest, worst);
    }
    d.mean = total / static_cast<double>(n);
    d.share_over = static_cast<double>(over) / static_cast<double>(n);
    return d;
}
