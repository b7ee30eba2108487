#include "audio/reverb.h"

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

float Reverb::ProcessSide(Side& side, float x) {
    float sum = 0.0f;
    for (Comb& c : side.combs) {
        float y = c.line[c.pos];
        c.store = y * (1.0f - damp) + c.store * damp;
        c.line[c.pos] = x + c.store * feedback;
        if (++c.pos == c.line.size()) c.pos = 0;
        sum += y;
    }
    for (AllPass& a : side.allpasses) {
        float buffered = a.line[a.pos];
        a.line[a.pos] = sum + buffered * 0.5f;
        if (++a.pos == a.line.size()) a.pos = 0;
        sum = buffered - sum;
    }
    return sum;
}

void Reverb::Apply(const Samples& send, Samples& left, Samples& right, float wet, bool looped) {
    Reset();
    const float input_gain = 0.1f;
    if (looped) {
        // Warm-up pass over the loop's last seconds: leaves the filters holding the tail of the end,
        // which then rings on into the start. Eight seconds is far longer than any tail lasts here
        // (with the longest room the combs fall by over 100 dB in that time).
        const size_t warm_up = std::min(send.size(), static_cast<size_t>(8 * kSampleRate));
        for (size_t i = send.size() - warm_up; i < send.size(); ++i) {
            ProcessSide(sides[0], send[i] * input_gain);
            ProcessSide(sides[1], send[i] * input_gain);
        }
    }
    size_t count = std::min({send.size(), left.size(), right.size()});
    for (size_t i = 0; i < count; ++i) {
        float x = send[i] * input_gain;
        left[i] += ProcessSide(sides[0], x) * wet;
        right[i] += ProcessSide(sides[1], x) * wet;
    }
}
