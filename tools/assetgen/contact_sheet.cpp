// Contact sheets: every picture registered in Data/common.xml and Data/extra.xml (each frame of a
// sheet separately), scaled into a grid cell over a checkerboard and labelled with its id, written
// as numbered PNG pages for review.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "assetgen.h"
#include "paint/kit.h"

// libjpeg needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

struct Entry {
    int id = 0;
    std::string path;
    int size_x = 0, size_y = 0, number = 0;
};

// Value of attribute `name` inside one element's text, or "" when absent.
std::string Attribute(const std::string& element, const std::string& name) {
    std::string key = " " + name + "=\"";
    size_t at = element.find(key);
    if (at == std::string::npos) {
        key = "\n" + name + "=\"";  // attributes may start a new line
        at = element.find(key);
        if (at == std::string::npos) return "";
    }
    size_t start = at + key.size();
    size_t end = element.find('"', start);
    return end == std::string::npos ? "" : element.substr(start, end - start);
}

// Scans a manifest for <image .../> elements (a plain text scan is enough for our own manifests).
std::vector<Entry> ReadImages(const std::string& manifest) {
    std::vector<Entry> entries;
    std::ifstream in(manifest, std::ios::binary);
    if (!in) return entries;
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    size_t pos = 0;
    while ((pos = text.find("<image ", pos)) != std::string::npos) {
        size_t end = text.find('>', pos);
        if (end == std::string::npos) break;
        std::string element = text.substr(pos, end - pos);
        // Skip elements inside a "#" comment line.
        size_t line_start = text.rfind('\n', pos);
        line_start = line_start == std::string::npos ? 0 : line_start + 1;
        bool commented = text.substr(line_start, pos - line_start).find('#') != std::string::npos;
        pos = end;
        if (commented) continue;
        Entry e;
        e.id = std::atoi(Attribute(element, "id").c_str());
        e.path = Attribute(element, "path");
        e.size_x = std::atoi(Attribute(element, "size_x").c_str());
        e.size_y = std::atoi(Attribute(element, "size_y").c_str());
        e.number = std::atoi(Attribute(element, "number").c_str());
        if (!e.path.empty()) entries.push_back(e);
    }
    return entries;
}

cairo_surface_t* LoadJpeg(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&cinfo, &r, 1);
        uint32_t* out = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            out[x] = 0xff000000u | (row[3 * x] << 16) | (row[3 * x + 1] << 8) | row[3 * x + 2];
        }
    }
    cairo_surface_mark_dirty(s);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    return s;
}

cairo_surface_t* LoadPicture(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    unsigned char magic[2] = {0, 0};
    size_t got = std::fread(magic, 1, 2, f);
    std::fclose(f);
    if (got == 2 && magic[0] == 0xff && magic[1] == 0xd8) return LoadJpeg(path);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;
}

void Checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    const double sq = 10;
    for (double yy = 0; yy < h; yy += sq) {
        for (double xx = 0; xx < w; xx += sq) {
            bool dark = (static_cast<int>(xx / sq) + static_cast<int>(yy / sq)) % 2 == 0;
            cairo_rectangle(cr, x + xx, y + yy, std::min(sq, w - xx), std::min(sq, h - yy));
            SetColor(cr, dark ? Hex(0xc8c8c8) : Hex(0xe8e8e8));
            cairo_fill(cr);
        }
    }
}

struct Cell {
    int id;
    std::string label;
    std::shared_ptr<cairo_surface_t> picture;
    int sx, sy, w, h;  // source rectangle
};

}  // namespace

bool WriteContactSheets(const std::string& data_dir, const std::string& out_dir) {
    // Manifest paths start with "Data/": resolve them against the folder that holds data_dir.
    std::string parent = std::filesystem::path(data_dir).parent_path().string();
    if (parent.empty()) parent = ".";
    std::vector<Entry> entries = ReadImages(data_dir + "/common.xml");
    std::vector<Entry> extra = ReadImages(data_dir + "/extra.xml");
    entries.insert(entries.end(), extra.begin(), extra.end());
    if (entries.empty()) {
        std::fprintf(stderr, "assetgen: no images registered in %s/common.xml or extra.xml\n",
                     data_dir.c_str());
        return false;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    std::vector<Cell> cells;
    bool ok = true;
    for (const Entry& e : entries) {
        std::string full = parent + "/" + e.path;
        cairo_surface_t* raw = LoadPicture(full);
        if (!raw) {
            std::fprintf(stderr, "assetgen: cannot load %s (id %d)\n", full.c_str(), e.id);
            ok = false;
            continue;
        }
        std::shared_ptr<cairo_surface_t> pic(raw, cairo_surface_destroy);
        int w = cairo_image_surface_get_width(raw), h = cairo_image_surface_get_height(raw);
        std::string name = std::filesystem::path(e.path).filename().string();
        if (e.size_x > 0 && e.size_y > 0 && e.number > 0) {
            int cols = std::max(1, w / e.size_x);
            for (int k = 0; k < e.number; ++k) {
                cells.push_back(Cell{e.id + k, name, pic, (k % cols) * e.size_x, (k / cols) * e.size_y,
                                     e.size_x, e.size_y});
            }
        } else {
            cells.push_back(Cell{e.id, name, pic, 0, 0, w, h});
        }
    }
    std::filesystem::create_directories(out_dir);
    // Pages of an earlier, longer run would otherwise linger beside the new ones.
    std::error_code ec;
    for (const auto& old : std::filesystem::directory_iterator(out_dir, ec)) {
        std::string name = old.path().filename().string();
        if (name.compare(0, 8, "contact_") == 0 && old.path().extension() == ".png") {
            std::filesystem::remove(old.path(), ec);
        }
    }
    const int cols = 6, rows = 5, cell_w = 200, cell_h = 200, label_h = 30;
    const int per_page = cols * rows;
    int pages = static_cast<int>((cells.size() + per_page - 1) / per_page);
    for (int page = 0; page < pages; ++page) {
        Canvas canvas(cols * cell_w, rows * (cell_h + label_h));
        cairo_t* cr = canvas.cr();
        SetColor(cr, kPaper);
        cairo_paint(cr);
        for (int i = 0; i < per_page; ++i) {
            size_t index = static_cast<size_t>(page) * per_page + i;
            if (index >= cells.size()) break;
            const Cell& c = cells[index];
            double x = (i % cols) * cell_w, y = (i / cols) * (cell_h + label_h);
            Checkerboard(cr, x + 4, y + 4, cell_w - 8, cell_h - 8);
            double scale = std::min(1.0, std::min((cell_w - 12.0) / c.w, (cell_h - 12.0) / c.h));
            double dw = c.w * scale, dh = c.h * scale;
            cairo_save(cr);
            cairo_rectangle(cr, x + (cell_w - dw) / 2, y + (cell_h - dh) / 2, dw, dh);
            cairo_clip(cr);
            cairo_translate(cr, x + (cell_w - dw) / 2, y + (cell_h - dh) / 2);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, c.picture.get(), -c.sx, -c.sy);
            cairo_paint(cr);
            cairo_restore(cr);
            char label[160];
            std::snprintf(label, sizeof label, "%d  %dx%d", c.id, c.w, c.h);
            DrawLabel(cr, x + 6, y + cell_h + 12, label, 12, kOutline, true);
            DrawLabel(cr, x + 6, y + cell_h + 26, c.label.substr(0, 30), 10, kBark);
        }
        char file[64];
        std::snprintf(file, sizeof file, "/contact_%02d.png", page + 1);
        ok = WritePng(canvas, out_dir + file) && ok;
    }
    std::printf("Contact sheets: %zu pictures on %d pages in %s\n", cells.size(), pages, out_dir.c_str());
    return ok;
}
