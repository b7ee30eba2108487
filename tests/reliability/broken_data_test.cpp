// Every data file the game reads, broken each way it can break: missing, empty, cut in half,
// random bytes, the wrong file's content in its place, a wrong element, and numbers out of range.
// Each case runs the real game (at --fixed-dt 10, from a start to "Play" and into the store) on a
// data folder where only that file is broken. The table says what must happen: the game stops at
// once with a message naming the file and exit status 1, or it plays on by a documented rule (an
// optional file is skipped, defaults stay). Never a signal, a hang, or a silent wrong result (a
// damaged picture drawn as if whole, a save overwritten, a broken catalogue played on).
// CI runs a bounded table (every case that stops, and a few that play on); MOSSMEADOW_LONG=1
// runs every file every way.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app.h"
#include "audio_list.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "loader.h"
#include "reliability_support.h"
#include "system.h"
#include "scenario_script.h"

namespace fs = std::filesystem;

namespace {

const std::string kBuildData = std::string(MOSSMEADOW_BUILD_DIR) + "/Data";

enum class Break { kMissing, kEmpty, kTruncated, kRandom, kWrongFile, kWrongElement, kOutOfRange };

const char* Name(Break kind) {
    switch (kind) {
        case Break::kMissing: return "missing";
        case Break::kEmpty: return "empty";
        case Break::kTruncated: return "truncated";
        case Break::kRandom: return "random bytes";
        case Break::kWrongFile: return "wrong file";
        case Break::kWrongElement: return "wrong element";
        case Break::kOutOfRange: return "out-of-range numbers";
    }
    return "?";
}

// The first element inside the root renamed: "<location " becomes "<wrong ". The root is the first
// line that starts an element, the child the second ("#" lines are comments).
std::string RenameFirstChild(const std::string& text) {
    int elements = 0;
    for (size_t line = 0; line < text.size();) {
        const size_t end = std::min(text.find('\n', line), text.size());
        const size_t lt = text.find_first_not_of(" \t", line);
        if (lt < end && text[lt] == '<' && lt + 1 < end && std::isalpha(static_cast<unsigned char>(text[lt + 1])) &&
            ++elements == 2) {
            const size_t name_end = text.find_first_of(" />\r\n", lt + 1);
            return text.substr(0, lt + 1) + "wrong" + text.substr(name_end);
        }
        line = end + 1;
    }
    return text + "<wrong/>";
}

// Every number in an attribute replaced by one far out of range, in turn: huge, negative, zero,
// beyond the int range, not a number, beyond the float range.
std::string NumbersOutOfRange(const std::string& whole) {
    // The XML declaration's version stays: the reader does not look at it.
    const size_t declaration = whole.rfind("?>", 64) == std::string::npos ? 0 : whole.find("?>") + 2;
    const std::string text = whole.substr(declaration);
    static const char* kValues[] = {"2147483647", "-1", "0", "99999999999", "nan", "1e39", "-2147483648"};
    std::regex number(R"re(="(-?[0-9]+(\.[0-9]+)?)")re");
    std::string out;
    size_t turn = 0;
    auto begin = std::sregex_iterator(text.begin(), text.end(), number);
    size_t last = 0;
    for (auto it = begin; it != std::sregex_iterator(); ++it) {
        out += text.substr(last, static_cast<size_t>(it->position()) - last);
        out += std::string("=\"") + kValues[turn++ % 7] + "\"";
        last = static_cast<size_t>(it->position() + it->length());
    }
    return whole.substr(0, declaration) + out + text.substr(last);
}

std::string RandomBytes(size_t size, uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::string bytes(std::max<size_t>(size, 64), '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    return bytes;
}

// The broken content, or false for "missing".
bool Broken(Break kind, const std::string& whole, const std::string& wrong_file, uint64_t seed, std::string* out) {
    switch (kind) {
        case Break::kMissing: return false;
        case Break::kEmpty: *out = ""; break;
        case Break::kTruncated: *out = whole.substr(0, whole.size() / 2); break;
        case Break::kRandom: *out = RandomBytes(whole.size(), seed); break;
        case Break::kWrongFile: *out = wrong_file; break;
        case Break::kWrongElement: *out = RenameFirstChild(whole); break;
        case Break::kOutOfRange: *out = NumbersOutOfRange(whole); break;
    }
    return true;
}

// A data folder that links to the built one, except along the path of the one file replaced.
std::string DataFolderWith(const std::string& root, const std::string& relative, bool present,
                           const std::string& bytes) {
    fs::remove_all(root);
    fs::create_directories(root + "/Data");
    fs::path source = kBuildData, target = root + "/Data";
    const fs::path rel(relative);
    for (auto part = rel.begin(); part != rel.end(); ++part) {
        for (const auto& entry : fs::directory_iterator(source)) {
            if (entry.path().filename() == *part) continue;
            fs::create_symlink(entry.path(), target / entry.path().filename());
        }
        source /= *part;
        target /= *part;
        if (std::next(part) != rel.end()) fs::create_directories(target);
    }
    if (present) WriteFile(target.string(), bytes);
    return root;
}

std::vector<std::string> ReadDirNames(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kSeededSave =
    "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"5000.00000\" percent=\"0\" location=\"4\" image=\"1005\" "
    "pitch=\"1.25000000\" name=\"Kit\">\r\n  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n"
    "  <flag name=\"Money\" value=\"50\"/>\r\n  <item name=\"Apple\" number=\"2\"/>\r\n</profile>\r\n";
const std::string kOptions =
    "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Kit\"/>\r\n</options>\r\n";

struct Outcome {
    std::string status;  // "exit 0", "exit 1", "signal 11", "timeout (killed)"
    std::string err;
    bool played = false;  // "Play" reached the store and the game saved there
    bool save_kept = false;  // the save is byte for byte the one given
};

// Runs the game from its start through "Play" into the store and out.
Outcome RunGame(const std::string& dir, const std::string& data_root, const std::string& save,
                const std::string& options) {
    const std::string user = dir + "/user";
    fs::remove_all(user);
    fs::create_directories(user + "/Profiles");
    if (!save.empty()) WriteFile(user + "/Profiles/Kit.sav", save);
    if (!options.empty()) WriteFile(user + "/Mossmeadow.ini", options);
    WriteFile(dir + "/script.txt", "wait 340\n" + ClickAt(512, 352) + "wait 40\nquit\n");
    std::vector<std::string> argv = GameCommand(dir + "/script.txt", user, 5, "10");
    for (size_t i = 0; i + 1 < argv.size(); ++i)
        if (argv[i] == "--data-dir") argv[i + 1] = data_root;
    const Child child = Spawn(argv, {}, dir + "/out.txt", dir + "/err.txt");
    Outcome outcome;
    outcome.status = DescribeStatus(WaitChild(child, 120000));
    outcome.err = ReadFile(dir + "/err.txt");
    const std::string after = ReadFile(user + "/Profiles/Kit.sav");
    outcome.save_kept = after == save;
    outcome.played = after.find("location=\"4\"") != std::string::npos && after != save;
    return outcome;
}

// What must happen to one broken file: the game stops, saying `says`, or plays on (into the store
// and saves there) because `why`.
struct Expect {
    bool stops = true;
    std::string says;
    std::string why;
};
Expect Stops(const std::string& says) { return {true, says, ""}; }
Expect PlaysOn(const std::string& why) { return {false, "", why}; }

struct Case {
    std::string file;  // under Data/, or "user/..." for the player's own files
    Break kind;
    Expect expect;
};

const std::vector<Break> kAllKinds = {Break::kMissing,   Break::kEmpty,        Break::kTruncated, Break::kRandom,
                                      Break::kWrongFile, Break::kWrongElement, Break::kOutOfRange};
const std::vector<Break> kByteKinds = {Break::kMissing, Break::kEmpty, Break::kTruncated, Break::kRandom};

// The whole table (the long form), or its bounded form: there each dialogue file is tried missing
// and one every way, and of the cases that play on only those named below.
std::vector<Case> Table(bool every_dialogue) {
    std::vector<Case> cases;
    auto add = [&](const std::string& file, const std::vector<Break>& kinds, const std::function<Expect(Break)>& rule) {
        for (Break kind : kinds) cases.push_back({file, kind, rule(kind)});
    };
    for (const char* catalogue : {"locations.xml", "quests.xml", "items.xml", "chapters.xml", "awards.xml"}) {
        const std::string name = catalogue;
        add(name, kAllKinds, [name](Break kind) {
            if (kind != Break::kOutOfRange) return Stops("'Data/" + name + "' invalid!");
            // The world's ids are checked at start; the other numbers are the content's own values.
            if (name == "locations.xml") return Stops("not found!");
            return PlaysOn("prices, picture ids and flag values are taken as written");
        });
    }
    add("traits.xml", kAllKinds, [](Break kind) {
        if (kind == Break::kWrongFile || kind == Break::kWrongElement) return Stops("Error in '");
        return PlaysOn("an unreadable traits file leaves the trait list empty; nothing in play reads it");
    });
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        const std::string name = manifest;
        add(name, kAllKinds, [name](Break kind) {
            if (kind == Break::kMissing && name == "extra.xml") return PlaysOn("the second manifest is optional");
            if (kind == Break::kOutOfRange) return Stops("Failed to load");
            return Stops(name + "' not valid!");
        });
    }
    add("options.xml", kAllKinds, [](Break) { return PlaysOn("the start configuration is optional: defaults stay"); });
    for (const std::string& file : ReadDirNames(kBuildData + "/Dialogues")) {
        const bool all = every_dialogue || file == "store.xml";
        add("Dialogues/" + file, all ? kAllKinds : std::vector<Break>{Break::kMissing}, [file](Break kind) {
            // A missing file, or numbers that change its dialogues' ids, leave the world naming a
            // dialogue that is not there: that is found at start.
            if (kind == Break::kMissing || kind == Break::kOutOfRange) return Stops("not found!");
            return Stops("'" + file + "' invalid!");
        });
    }
    add("user/Profiles/Kit.sav", kAllKinds, [](Break kind) {
        if (kind == Break::kWrongElement) return PlaysOn("an element a save does not know is skipped");
        if (kind == Break::kOutOfRange) return PlaysOn("a place the world lacks starts at the cottage");
        return Expect{false, "", "not loaded, never overwritten: the title asks for a new player"};
    });
    add("user/Mossmeadow.ini", kAllKinds,
        [](Break) { return PlaysOn("defaults stay; the only save in the folder is the player's"); });
    for (const char* optional : {"Static/Splash1.jpg", "Static/Logo1.png", "Static/icon.ico", "Graphics/LoadingBg.jpg",
                                 "Graphics/LoadingBar.png", "Music/AwardsCeremony.ogg", "Music/Village.ogg"}) {
        add(optional, kByteKinds, [](Break) { return PlaysOn("optional pictures and music: not shown or not heard"); });
    }
    if (every_dialogue) return cases;
    // The bounded form: every case that stops (they stop at once), the player's own files, and one
    // of each rule that plays on; a run that plays on costs a whole start.
    std::vector<Case> bounded;
    for (const Case& c : cases) {
        const bool user = c.file.rfind("user/", 0) == 0;
        if (c.expect.stops ||
            (user && (c.kind == Break::kTruncated || c.kind == Break::kRandom || c.kind == Break::kOutOfRange ||
                      (c.kind == Break::kWrongElement && c.file == "user/Profiles/Kit.sav"))) ||
            (c.kind == Break::kMissing && (c.file == "extra.xml" || c.file == "traits.xml")) ||
            (c.file == "Static/Splash1.jpg" && c.kind == Break::kTruncated))
            bounded.push_back(c);
    }
    return bounded;
}

// Runs one case: the game on a data folder (or user folder) where only that file is broken.
std::string RunCase(const Case& c, const std::string& dir, uint64_t seed) {
    const bool user_file = c.file.rfind("user/", 0) == 0;
    const std::string source = user_file ? "" : kBuildData + "/" + c.file;
    const std::string whole = user_file ? (c.file == "user/Mossmeadow.ini" ? kOptions : kSeededSave) : ReadFile(source);
    const std::string wrong = ReadFile(kBuildData + (c.file == "items.xml" ? "/chapters.xml" : "/items.xml"));
    std::string bytes;
    const bool present = Broken(c.kind, whole, wrong, seed, &bytes);
    std::string data_root = std::string(MOSSMEADOW_BUILD_DIR), save = kSeededSave, options = kOptions;
    if (!user_file) {
        data_root = DataFolderWith(dir + "/data", c.file, present, bytes);
    } else if (c.file == "user/Mossmeadow.ini") {
        options = present ? bytes : "";
    } else {
        save = present ? bytes : "";
    }
    const Outcome o = RunGame(dir, data_root, save, options);
    const std::string what = c.file + " " + Name(c.kind) + ": ";
    if (o.status != "exit 0" && o.status != "exit 1") return what + o.status + "\n" + o.err;
    if (c.expect.stops) {
        if (o.status != "exit 1") return what + "played on (" + o.status + ") instead of stopping";
        if (o.err.find(c.expect.says) == std::string::npos) return what + "did not say '" + c.expect.says + "':\n" + o.err;
        if (!o.save_kept) return what + "the save changed although the game stopped";
        return "";
    }
    if (o.status != "exit 0") return what + "stopped (" + o.status + "): " + o.err;
    if (user_file && c.file != "user/Mossmeadow.ini" && c.expect.why.rfind("not loaded", 0) == 0) {
        if (!o.save_kept) return what + "the unreadable save was overwritten";
        return "";
    }
    if (c.file == "user/Profiles/Kit.sav" && c.kind == Break::kOutOfRange) {
        const std::string after = ReadFile(dir + "/user/Profiles/Kit.sav");
        if (after.find("location=\"1\"") == std::string::npos) return what + "did not start at the cottage:\n" + after;
        return "";
    }
    if (!o.played) return what + "did not reach the store and save there\n" + o.err;
    return "";
}

}  // namespace

// Each case in its own folder, two at a time (the machine's two cores).
TEST(BrokenData, EveryDataFileEveryWay) {
    if (Sanitized()) GTEST_SKIP() << "the table runs in the normal build";
    const std::vector<Case> cases = Table(LongForm());
    const uint64_t seed = TestSeed();
    std::printf("seed %llu (MOSSMEADOW_SEED replays the random bytes)\n", static_cast<unsigned long long>(seed));
    std::vector<std::string> problems(cases.size());
    std::atomic<size_t> next{0};
    auto worker = [&](int slot) {
        const std::string dir = FreshDir("broken_data_" + std::to_string(slot));
        for (size_t i = next++; i < cases.size(); i = next++) problems[i] = RunCase(cases[i], dir, seed + i);
        fs::remove_all(dir);
    };
    std::thread a(worker, 0), b(worker, 1);
    a.join();
    b.join();
    std::map<std::string, int> by_kind;
    int stops = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        ++by_kind[Name(cases[i].kind)];
        stops += cases[i].expect.stops ? 1 : 0;
        EXPECT_EQ(problems[i], "");
    }
    std::printf("%zu broken data files tried (%d stop with a named message, %zu play on by rule):", cases.size(),
                stops, cases.size() - static_cast<size_t>(stops));
    for (const auto& [kind, count] : by_kind) std::printf(" %s %d;", kind.c_str(), count);
    std::printf("\n");
}

namespace {
[[noreturn]] void ThrowFatal(const std::string& text) { throw std::runtime_error(text); }
}  // namespace

// Every picture, font and sound the manifests list, broken each way, through the loader's own
// registration: none may register (the game then stops with "Failed to load '<path>'"), and a
// missing one stops the queueing with "Failed to load file '<path>'".
TEST(BrokenData, EveryPictureFontAndSoundEveryWay) {
    SetFatalHandler(ThrowFatal);
    const std::string dir = FreshDir("broken_media");
    int tried = 0;
    std::vector<std::string> accepted;
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        Loader::Clear();
        app_dir = MOSSMEADOW_BUILD_DIR;
        FileLoader::Load(kBuildData + "/" + manifest, MOSSMEADOW_BUILD_DIR);
        const std::deque<FileEntry> entries = loader_queue;
        Loader::Clear();
        for (const FileEntry& entry : entries) {
            const std::string whole = ReadFile(entry.path);
            for (Break kind : {Break::kMissing, Break::kEmpty, Break::kTruncated, Break::kRandom}) {
                FileEntry broken = entry;
                broken.path = dir + "/broken" + fs::path(entry.path).extension().string();
                std::string bytes;
                fs::remove(broken.path);
                ++tried;
                if (!Broken(kind, whole, "", static_cast<uint64_t>(tried), &bytes)) {
                    try {
                        Loader::AddImage(broken.id, broken.path, 0, 0, 0, 0);
                        accepted.push_back(entry.path + " (missing) was queued");
                    } catch (const std::runtime_error& e) {
                        EXPECT_NE(std::string(e.what()).find(broken.path), std::string::npos) << e.what();
                    }
                    continue;
                }
                WriteFile(broken.path, bytes);
                ImageList::Clear();
                FontList::Clear();
                AudioList::Clear();
                if (Loader::Load(broken) != 0) accepted.push_back(entry.path + " (" + Name(kind) + ")");
            }
        }
    }
    ImageList::Clear();
    FontList::Clear();
    AudioList::Clear();
    Loader::Clear();
    SetFatalHandler(nullptr);
    std::printf("%d broken pictures, fonts and sounds tried\n", tried);
    EXPECT_TRUE(accepted.empty()) << accepted.size() << " broken files registered as if whole, e.g. "
                                  << (accepted.empty() ? "" : accepted.front());
    for (size_t i = 0; i < accepted.size() && i < 40; ++i) std::printf("accepted: %s\n", accepted[i].c_str());
}

// A manifest entry of each kind with each of its numbers pushed to an extreme, through the loader:
// the entry registers or is refused (the game then names it), quickly, without a crash.
TEST(BrokenData, ManifestNumbersAtTheirExtremes) {
    SetFatalHandler(ThrowFatal);
    const std::string dir = FreshDir("manifest_numbers");
    const char* kExtremes[] = {"-2147483648", "-1", "0", "1", "2147483647", "99999999999", "nan", "1e39"};
    const std::vector<std::pair<std::string, std::vector<std::string>>> entries = {
        {"<font id=\"@id\" path=\"font.ttf\" size=\"@size\"/>", {"id", "size"}},
        {"<audio id=\"@id\" path=\"sound.ogg\" loop=\"1\" volume=\"@volume\"/>", {"id", "volume"}},
        {"<image id=\"@id\" path=\"picture.png\" split=\"@split\"/>", {"id", "split"}},
        {"<image id=\"@id\" path=\"picture.png\" size_x=\"@size_x\" size_y=\"@size_y\" number=\"@number\" "
         "split=\"@split\"/>",
         {"id", "size_x", "size_y", "number", "split"}},
        {"<image id=\"@id\" path=\"picture.png\" size_x=\"@size_x\" size_y=\"@size_y\" number=\"@number\"/>",
         {"id", "size_x", "size_y", "number"}}};
    // A small sheet of its own (sixteen 64 x 64 frames), the game's font and a short sound.
    Pixmap sheet(512, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 512; ++x) sheet.WritePixel(x, y, 0xFF000000u | static_cast<uint32_t>(x * 977 + y * 131));
    ASSERT_TRUE(SavePNG(sheet, dir + "/picture.png"));
    fs::create_symlink(kBuildData + "/Fonts/Quicksand-Bold.ttf", dir + "/font.ttf");
    fs::create_symlink(kBuildData + "/Sounds/Hover.ogg", dir + "/sound.ogg");
    const std::map<std::string, std::string> normal = {{"id", "7"},      {"size", "14"},   {"volume", "0.8"},
                                                       {"split", "128"}, {"size_x", "64"}, {"size_y", "64"},
                                                       {"number", "4"}};
    int tried = 0;
    for (const auto& [pattern, numbers] : entries) {
        for (const std::string& changed : numbers) {
            for (const char* extreme : kExtremes) {
                std::string entry = pattern;
                for (const std::string& n : numbers) {
                    const size_t at = entry.find("@" + n + "\"");
                    entry.replace(at, n.size() + 1, n == changed ? std::string(extreme) : normal.at(n));
                }
                WriteFile(dir + "/manifest.xml", "<resources>" + entry + "</resources>");
                Loader::Clear();
                ImageList::Clear();
                FontList::Clear();
                AudioList::Clear();
                ++tried;
                if (std::getenv("MM_TRACE")) std::fprintf(stderr, "%s\n", entry.c_str());
                try {
                    FileLoader::Load(dir + "/manifest.xml", dir);
                    for (const FileEntry& e : std::deque<FileEntry>(loader_queue)) {
                        if (Loader::Load(e)) {
                            // Registered: drawing and measuring its ids must be harmless too.
                            ImageList::GetSize(e.id);
                            ImageList::GetWidth(e.id < 2147483647 ? e.id + 1 : e.id);
                            FontList::SetFont(e.id);
                        }
                    }
                } catch (const std::runtime_error&) {
                }
            }
        }
    }
    Loader::Clear();
    ImageList::Clear();
    FontList::Clear();
    AudioList::Clear();
    SetFatalHandler(nullptr);
    std::printf("%d manifest entries with extreme numbers tried\n", tried);
}
