#include "media_fixtures.h"

#include <png.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mossmeadow-media-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data())) path_ = buffer.data();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

Pixmap SolidPixmap(int w, int h, uint32_t argb) {
    Pixmap p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.WritePixel(x, y, argb);
    return p;
}

bool WritePngFile(const std::string& path, const Pixmap& pixmap) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixmap.width);
    image.height = static_cast<png_uint_32>(pixmap.height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, pixmap.rgba.data(), 0, nullptr) != 0;
}

bool WriteJpegFile(const std::string& path, const Pixmap& pixmap, int quality) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(pixmap.width);
    info.image_height = static_cast<JDIMENSION>(pixmap.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(pixmap.width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < pixmap.width; ++x) {
            const uint8_t* p = &pixmap.rgba[(static_cast<size_t>(y) * pixmap.width + x) * 4];
            row[x * 3] = p[0];
            row[x * 3 + 1] = p[1];
            row[x * 3 + 2] = p[2];
        }
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(f) == 0;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

namespace {
void PutLE(std::string* s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
}  // namespace

bool WriteWavFile(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate) {
    const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
    std::string s = "RIFF";
    PutLE(&s, 36 + data_bytes, 4);
    s += "WAVEfmt ";
    PutLE(&s, 16, 4);
    PutLE(&s, 1, 2);
    PutLE(&s, static_cast<uint32_t>(channels), 2);
    PutLE(&s, static_cast<uint32_t>(rate), 4);
    PutLE(&s, static_cast<uint32_t>(rate * channels * 2), 4);
    PutLE(&s, static_cast<uint32_t>(channels * 2), 2);
    PutLE(&s, 16, 2);
    s += "data";
    PutLE(&s, data_bytes, 4);
    for (int16_t v : samples) PutLE(&s, static_cast<uint16_t>(v), 2);
    return WriteBytes(path, s);
}

bool WriteOggFile(const std::string& path, const std::vector<float>& samples, int channels, int rate) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0) {
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 12345);
    ogg_packet header, header_comm, header_code;
    vorbis_analysis_headerout(&vd, &vc, &header, &header_comm, &header_code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &header_comm);
    ogg_stream_packetin(&os, &header_code);
    ogg_page og;
    while (ogg_stream_flush(&os, &og) != 0) {
        std::fwrite(og.header, 1, static_cast<size_t>(og.header_len), f);
        std::fwrite(og.body, 1, static_cast<size_t>(og.body_len), f);
    }
    const int frames = static_cast<int>(samples.size()) / channels;
    int pos = 0;
    bool eos = false;
    while (!eos) {
        const int chunk = std::min(1024, frames - pos);
        if (chunk <= 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, chunk);
            for (int i = 0; i < chunk; ++i)
                for (int c = 0; c < channels; ++c) buffer[c][i] = samples[static_cast<size_t>(pos + i) * channels + c];
            vorbis_analysis_wrote(&vd, chunk);
            pos += chunk;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og) != 0) {
                    std::fwrite(og.header, 1, static_cast<size_t>(og.header_len), f);
                    std::fwrite(og.body, 1, static_cast<size_t>(og.body_len), f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0;
}

std::vector<float> SineWave(int frames, int channels, int rate, float hz, float amplitude) {
    std::vector<float> s(static_cast<size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        const float v = amplitude * static_cast<float>(std::sin(2.0 * 3.14159265358979 * hz * i / rate));
        for (int c = 0; c < channels; ++c) s[static_cast<size_t>(i) * channels + c] = v;
    }
    return s;
}
