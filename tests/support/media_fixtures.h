// Small media files written at run time for the media tests: PNG, JPEG, WAV and Ogg Vorbis, in a
// temporary folder that goes away with the fixture object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics.h"

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A pixmap of one colour (0xAARRGGBB).
Pixmap SolidPixmap(int w, int h, uint32_t argb);
bool WritePngFile(const std::string& path, const Pixmap& pixmap);
// Writes the pixmap's colours (alpha ignored) as a JPEG of the given quality.
bool WriteJpegFile(const std::string& path, const Pixmap& pixmap, int quality = 95);
bool WriteBytes(const std::string& path, const std::string& bytes);
// 16-bit PCM WAV of interleaved samples.
bool WriteWavFile(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate);
// Ogg Vorbis (quality 0.4) of interleaved float samples.
bool WriteOggFile(const std::string& path, const std::vector<float>& samples, int channels, int rate);
// A sine tone of `frames` frames.
std::vector<float> SineWave(int frames, int channels, int rate, float hz, float amplitude);
