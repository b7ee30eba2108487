#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace {

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, file) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

// Owns the libvorbis/libogg state of one encoding so every exit path frees it.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dsp_ready = false;
    bool stream_ready = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (stream_ready) ogg_stream_clear(&stream);
        if (dsp_ready) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

}  // namespace

bool WriteOggVorbis(const std::string& path, const Samples& left, const Samples& right, float quality,
                    int serial) {
    const int channels = right.empty() ? 1 : 2;
    if (channels == 2 && right.size() != left.size()) {
        std::fprintf(stderr, "Error: '%s': channels differ in length\n", path.c_str());
        return false;
    }
    Encoder enc;
    if (vorbis_encode_init_vbr(&enc.info, channels, kSampleRate, quality) != 0) {
        std::fprintf(stderr, "Error: vorbis encoder set-up failed for '%s'\n", path.c_str());
        return false;
    }
    vorbis_comment_add_tag(&enc.comment, "TITLE", "Mossmeadow");
    vorbis_analysis_init(&enc.dsp, &enc.info);
    vorbis_block_init(&enc.dsp, &enc.block);
    enc.dsp_ready = true;
    ogg_stream_init(&enc.stream, serial);
    enc.stream_ready = true;

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "Error: cannot write '%s'\n", path.c_str());
        return false;
    }
    bool ok = true;
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &header_comment);
    ogg_stream_packetin(&enc.stream, &header_code);
    ogg_page page;
    while (ok && ogg_stream_flush(&enc.stream, &page) != 0) ok = WritePage(file, page);

    const size_t chunk = 4096;
    size_t pos = 0;
    bool eos = false;
    while (ok && !eos) {
        size_t count = std::min(chunk, left.size() - pos);
        if (count == 0) {
            vorbis_analysis_wrote(&enc.dsp, 0);  // end of stream
        } else {
            float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(count));
            for (size_t i = 0; i < count; ++i) {
                buffer[0][i] = std::clamp(left[pos + i], -1.0f, 1.0f);
                if (channels == 2) buffer[1][i] = std::clamp(right[pos + i], -1.0f, 1.0f);
            }
            vorbis_analysis_wrote(&enc.dsp, static_cast<int>(count));
            pos += count;
        }
        while (ok && vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
            vorbis_analysis(&enc.block, nullptr);
            vorbis_bitrate_addblock(&enc.block);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&enc.dsp, &packet) != 0) {
                ogg_stream_packetin(&enc.stream, &packet);
                while (ok && ogg_stream_pageout(&enc.stream, &page) != 0) {
                    ok = WritePage(file, page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (count == 0) eos = true;
    }
    while (ok && ogg_stream_flush(&enc.stream, &page) != 0) ok = WritePage(file, page);
    if (std::fclose(file) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "Error: failed writing '%s'\n", path.c_str());
    return ok;
}
