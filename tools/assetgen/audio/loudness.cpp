#include "loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <vector>

double IntegratedLoudness(const Samples& left, const Samples& right) {
    const bool stereo = !right.empty();
    const size_t frames = stereo ? std::min(left.size(), right.size()) : left.size();
    if (frames == 0) return -HUGE_VAL;
    const unsigned channels = stereo ? 2 : 1;
    ebur128_state* state = ebur128_init(channels, kSampleRate, EBUR128_MODE_I);
    if (!state) return -HUGE_VAL;
    if (!stereo) ebur128_set_channel(state, 0, EBUR128_DUAL_MONO);
    std::vector<float> interleaved(frames * channels);
    for (size_t i = 0; i < frames; ++i) {
        interleaved[i * channels] = left[i];
        if (stereo) interleaved[i * channels + 1] = right[i];
    }
    size_t fed = 0;
    do {
        ebur128_add_frames_float(state, interleaved.data(), frames);
        fed += frames;
    } while (fed < static_cast<size_t>(kSampleRate));
    double loudness = -HUGE_VAL;
    if (ebur128_loudness_global(state, &loudness) != EBUR128_SUCCESS) loudness = -HUGE_VAL;
    ebur128_destroy(&state);
    return loudness;
}

bool LevelLoudness(Samples& left, Samples& right, double target, float max_peak, double* measured) {
    const double loudness = IntegratedLoudness(left, right);
    if (measured) *measured = loudness;
    if (!std::isfinite(loudness)) return false;
    float gain = static_cast<float>(std::pow(10.0, (target - loudness) / 20.0));
    const float peak = std::max(PeakOf(left), PeakOf(right)) * gain;
    const bool fits = peak <= max_peak;
    if (!fits) gain *= max_peak / peak;
    Scale(left, gain);
    Scale(right, gain);
    return fits;
}
