#include "reverb.h"

#include <algorithm>

namespace {

// Delay lengths (samples at 44.1 kHz) of the classic Freeverb tuning; the right side is offset.
constexpr size_t kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr size_t kAllPassLengths[] = {556, 441, 341, 225};
constexpr size_t kStereoSpread = 23;

}  // namespace

Reverb::Reverb(float room, float damping)
    : feedback(0.7f + 0.28f * std::clamp(room, 0.0f, 0.9f)), damp(0.4f * std::clamp(damping, 0.0f, 1.0f)) {
    for (int s = 0; s < 2; ++s) {
        for (size_t length : kCombLengths) {
            Comb comb;
            comb.line.assign(length + s * kStereoSpread, 0.0f);
            sides[s].combs.push_back(comb);
        }
        for (size_t length : kAllPassLengths) {
            AllPass ap;
            ap.line.assign(length + s * kStereoSpread, 0.0f);
            sides[s].allpasses.push_back(ap);
        }
    }
}

void Reverb::Reset() {
    for (Side& side : sides) {
        for (Comb& c : side.combs) {
            std::fill(c.line.begin(), c.line.end(), 0.0f);
            c.pos = 0;
            c.store = 0.0f;
        }
        for (AllPass& a : side.allpasses) {
            std::fill(a.line.begin(), a.line.end(), 0.0f);
            a.pos = 0;
        }
    }
}

void Reverb::ProcessSide(Side& side, const float* in, float* out, size_t count) {
    // Filter by filter over a block: the same arithmetic, in the same order, as running every
    // filter once per sample, but with far less bookkeeping per sample.
    std::fill(out, out + count, 0.0f);
    for (Comb& c : side.combs) {
        float* line = c.line.data();
        const size_t length = c.line.size();
        size_t pos = c.pos;
        float store = c.store;
        for (size_t i = 0; i < count; ++i) {
            float y = line[pos];
            store = y * (1.0f - damp) + store * damp;
            line[pos] = in[i] + store * feedback;
            if (++pos == length) pos = 0;
            out[i] += y;
        }
        c.pos = pos;
        c.store = store;
    }
    for (AllPass& a : side.allpasses) {
        float* line = a.line.data();
        const size_t length = a.line.size();
        size_t pos = a.pos;
        for (size_t i = 0; i < count; ++i) {
            float buffered = line[pos];
            line[pos] = out[i] + buffered * 0.5f;
            if (++pos == length) pos = 0;
            out[i] = buffered - out[i];
        }
        a.pos = pos;
    }
}

void Reverb::Apply(const Samples& send, Samples& left, Samples& right, float wet, bool looped) {
    Reset();
    const float input_gain = 0.1f;
    const size_t kBlock = 1024;
    float in[kBlock], out[kBlock];
    auto feed = [&](size_t first, size_t count) {
        for (size_t i = 0; i < count; ++i) in[i] = send[first + i] * input_gain;
    };
    if (looped) {
        // Warm-up pass over the loop's last seconds: leaves the filters holding the tail of the end,
        // which then rings on into the start. Eight seconds is far longer than any tail lasts here
        // (with the longest room the combs fall by over 100 dB in that time).
        const size_t warm_up = std::min(send.size(), static_cast<size_t>(8 * kSampleRate));
        for (size_t first = send.size() - warm_up; first < send.size(); first += kBlock) {
            size_t count = std::min(kBlock, send.size() - first);
            feed(first, count);
            ProcessSide(sides[0], in, out, count);
            ProcessSide(sides[1], in, out, count);
        }
    }
    const size_t total = std::min({send.size(), left.size(), right.size()});
    for (size_t first = 0; first < total; first += kBlock) {
        size_t count = std::min(kBlock, total - first);
        feed(first, count);
        ProcessSide(sides[0], in, out, count);
        for (size_t i = 0; i < count; ++i) left[first + i] += out[i] * wet;
        ProcessSide(sides[1], in, out, count);
        for (size_t i = 0; i < count; ++i) right[first + i] += out[i] * wet;
    }
}
