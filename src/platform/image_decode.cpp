#include "image_decode.h"

#include "system.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

bool SizeAcceptable(long long w, long long h) {
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide;
}

bool IsPNG(const std::string& bytes) {
    return bytes.size() >= 8 && png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0;
}

bool IsJPEG(const std::string& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

// libjpeg reports errors through this manager: we jump back to the decoder instead of exiting.
struct JpegErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    longjmp(manager->jump, 1);
}

// Warnings about damaged data are not printed; the first one is kept as the reason a picture
// that decoded with warnings (a file cut short, corrupt data) is refused.
void JpegKeepMessage(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
}

// An error inside libjpeg jumps back into this function, skipping the destructors of anything
// created after setjmp: so it creates nothing that owns memory, and `row` comes from the caller.
bool DecodeJPEGInto(jpeg_decompress_struct* info, JpegErrorManager* manager, const std::string& bytes,
                    std::vector<unsigned char>* row, Pixmap* out) {
    if (setjmp(manager->jump)) return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    if (!SizeAcceptable(info->image_width, info->image_height)) {
        std::snprintf(manager->message, sizeof manager->message, "picture too large");
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        std::snprintf(manager->message, sizeof manager->message, "unexpected colour layout");
        return false;
    }
    const int w = static_cast<int>(info->output_width);
    const int h = static_cast<int>(info->output_height);
    out->width = w;
    out->height = h;
    out->rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    row->assign(static_cast<size_t>(w) * 3, 0);
    while (info->output_scanline < info->output_height) {
        const int y = static_cast<int>(info->output_scanline);
        unsigned char* row_pointer = row->data();
        jpeg_read_scanlines(info, &row_pointer, 1);
        uint8_t* dst = &out->rgba[static_cast<size_t>(y) * w * 4];
        const unsigned char* src = row->data();
        for (int x = 0; x < w; ++x) {
            dst[x * 4 + 0] = src[x * 3 + 0];
            dst[x * 4 + 1] = src[x * 3 + 1];
            dst[x * 4 + 2] = src[x * 3 + 2];
            dst[x * 4 + 3] = 255;
        }
    }
    jpeg_finish_decompress(info);
    // libjpeg fills a truncated or corrupt picture with grey and only warns: a damaged file must
    // not be drawn as if it were whole.
    return info->err->num_warnings == 0;
}

}  // namespace

void MaskBlack(Pixmap* pixmap) {
    uint8_t* p = pixmap->rgba.data();
    const size_t n = pixmap->rgba.size() / 4;
    for (size_t i = 0; i < n; ++i, p += 4) {
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[3] = 0;
    }
}

bool DecodePNG(const std::string& bytes, Pixmap* out, std::string* error) {
    *out = Pixmap();
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        SetError(error, std::string("PNG: ") + image.message);
        return false;
    }
    if (!SizeAcceptable(image.width, image.height)) {
        png_image_free(&image);
        SetError(error, "PNG: picture too large");
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    Pixmap pixmap(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, pixmap.rgba.data(), 0, nullptr)) {
        SetError(error, std::string("PNG: ") + image.message);
        png_image_free(&image);
        return false;
    }
    *out = std::move(pixmap);
    return true;
}

bool DecodeJPEG(const std::string& bytes, Pixmap* out, std::string* error) {
    *out = Pixmap();
    jpeg_decompress_struct info;
    JpegErrorManager manager;
    std::memset(&info, 0, sizeof info);
    std::memset(&manager, 0, sizeof manager);
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JpegErrorExit;
    manager.base.output_message = JpegKeepMessage;
    std::vector<unsigned char> row;
    const bool ok = DecodeJPEGInto(&info, &manager, bytes, &row, out);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        *out = Pixmap();
        SetError(error, std::string("JPEG: ") + manager.message);
    }
    return ok;
}

bool DecodeImage(const std::string& bytes, Pixmap* out, std::string* error) {
    bool ok = false;
    if (IsPNG(bytes)) {
        ok = DecodePNG(bytes, out, error);
    } else if (IsJPEG(bytes)) {
        ok = DecodeJPEG(bytes, out, error);
    } else {
        *out = Pixmap();
        SetError(error, "not a PNG or JPEG picture");
    }
    if (ok) MaskBlack(out);
    return ok;
}

bool DecodeImageFile(const std::string& path, Pixmap* out, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, &bytes)) {
        *out = Pixmap();
        SetError(error, "cannot read '" + path + "'");
        return false;
    }
    return DecodeImage(bytes, out, error);
}

Image ImageFromPixmap(const Pixmap& pixmap) {
    auto image = std::make_shared<TImage>();
    image->width = pixmap.width;
    image->height = pixmap.height;
    image->frames.push_back(FrameFromPixmap(Pixmap(pixmap)));
    return image;
}

Image CreateImage(int w, int h, int frames) {
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    if (frames < 1) frames = 1;
    auto image = std::make_shared<TImage>();
    image->width = w;
    image->height = h;
    image->frames.resize(static_cast<size_t>(frames));
    for (ImageFrame& frame : image->frames) frame.data.assign(static_cast<size_t>(w) * h * 4, 0);
    return image;
}

Image LoadImage(const std::string& path) {
    Pixmap pixmap;
    if (!DecodeImageFile(path, &pixmap)) return nullptr;
    // The decoded pixels become the frame in place: sprite sheets run to tens of megabytes.
    auto image = std::make_shared<TImage>();
    image->width = pixmap.width;
    image->height = pixmap.height;
    image->frames.push_back(FrameFromPixmap(std::move(pixmap)));
    return image;
}

Image LoadImageFrames(const std::string& path, int tile_w, int tile_h, int count) {
    if (tile_w <= 0 || tile_h <= 0 || count <= 0) return nullptr;
    Pixmap sheet;
    if (!DecodeImageFile(path, &sheet)) return nullptr;
    const int per_row = sheet.width / tile_w;
    if (per_row < 1) return nullptr;
    auto image = std::make_shared<TImage>();
    image->width = tile_w;
    image->height = tile_h;
    for (int k = 0; k < count; ++k) {
        image->frames.push_back(
            FrameFromPixmap(sheet.Window((k % per_row) * tile_w, (k / per_row) * tile_h, tile_w, tile_h)));
    }
    return image;
}
