// Random play under the address and undefined-behaviour sanitizers: from seeded players in every
// kind of scene (the title with a new player, the first chapter and the cottage, the village with
// money and goods, the ranch full of spiggles, the forest, lake and orchard games, the battle, the
// festival night), a script of random moves, clicks, drags, wheel turns, Escape and typing, biased
// to where buttons and hotspots are. Any sanitizer report, fatal error, signal or hang fails, and
// the report gives the seed and the script to replay. CI: 20,000 frames; MOSSMEADOW_LONG=1:
// 200,000. MOSSMEADOW_SEED replays a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "image_decode.h"
#include "location.h"
#include "reliability_support.h"

namespace fs = std::filesystem;

namespace {

struct SoakScene {
    const char* name;
    const char* location;  // "" for no player at all
    std::string body;      // flags, items and animals of the save
};

std::string Animal(const std::string& name, int male, int position, const char* shares, int r, int g, int b) {
    return "  <animal name=\"" + name + "\" male=\"" + std::to_string(male) + "\" position=\"" +
           std::to_string(position) + "\" " + shares +
           " age=\"9000.00000\" food=\"0.500000000\" mood=\"0.500000000\" health=\"0.500000000\" r=\"" +
           std::to_string(r) + "\" g=\"" + std::to_string(g) + "\" b=\"" + std::to_string(b) +
           "\" direction=\"1.00000000\" pricemod=\"1.00000000\"/>\r\n";
}

std::vector<SoakScene> Scenes() {
    const std::string goods =
        "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n  <flag name=\"Money\" value=\"900\"/>\r\n"
        "  <flag name=\"Quest-Repair\" value=\"2\"/>\r\n  <flag name=\"Farm-Upgrade\" value=\"2\"/>\r\n"
        "  <item name=\"Apple\" number=\"5\"/>\r\n  <item name=\"Berries\" number=\"5\"/>\r\n"
        "  <item name=\"Grooming brush\" number=\"2\"/>\r\n  <item name=\"Food potion\" number=\"2\"/>\r\n"
        "  <item name=\"Compass\" number=\"1\"/>\r\n  <item name=\"Red lure\" number=\"1\"/>\r\n";
    const std::string herd =
        Animal("Pip", 1, 0, "bovine=\"0.500000000\" bunny=\"0.500000000\" cat=\"0.00000000\" wild=\"0.00000000\"", 200, 150, 100) +
        Animal("Moss", 0, 1, "bovine=\"0.00000000\" bunny=\"0.200000003\" cat=\"0.400000006\" wild=\"0.400000006\"", 90, 160, 90) +
        Animal("Fern", 0, 2, "bovine=\"0.250000000\" bunny=\"0.250000000\" cat=\"0.250000000\" wild=\"0.250000000\"", 120, 120, 200);
    return {{"title, a new player", "", ""},
            {"first chapter and the cottage", "1", ""},
            {"village square", "2", goods + herd},
            {"Malcolm's store", "4", goods + herd},
            {"the ranch", "3", goods + herd},
            {"forest edge", "6", goods},
            {"lake shore", "7", goods},
            {"orchard", "8", goods},
            {"the battle", "11", goods + herd},
            {"festival night", "15", goods + herd}};
}

// Where a player's clicks go: the menus' buttons and every hotspot, as the centred view shows it.
std::vector<std::pair<int, int>> Targets() {
    std::vector<std::pair<int, int>> spots = {
        {512, 352}, {512, 472}, {960, 736}, {512, 200}, {510, 650}, {510, 600}, {510, 550}, {512, 404},
        {448, 404}, {576, 404}, {512, 288}, {512, 364}, {512, 440}, {80, 40},   {24, 180},  {46, 136},
        {80, 104},  {512, 560}, {616, 336}, {512, 504}, {733, 318}, {640, 200}, {300, 400}, {700, 400},
        {400, 100}, {600, 100}, {800, 100}, {150, 600}, {880, 600}, {960, 690}};
    LocationList::Load(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/locations.xml");
    for (const auto& location : locations) {
        int w = 1024, h = 768;
        if (location->bg >= 3001 && location->bg <= 3016) {
            // The picture's size sets where the centred view puts the hotspots.
            static const char* kNames[] = {"World/Cottage", "World/Square",     "Ranch/Ranch",       "World/Store",
                                           "World/ZacharysRanch", "World/ForestEdge", "World/LakeShore", "World/Orchard",
                                           "World/MountainPath",  "World/Lookout",    "World/Ravine",    "World/Hall",
                                           "World/WildmansCamp",  "World/Festival",   "",                "World/Shrine"};
            Pixmap picture;
            const std::string name = kNames[location->bg - 3001];
            if (!name.empty() &&
                DecodeImageFile(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/Graphics/" + name + ".jpg", &picture)) {
                w = picture.width;
                h = picture.height;
            }
        }
        for (const LocationHotspot& hotspot : location->hotspots) {
            const int x = hotspot.x - (w - 1024) / 2, y = hotspot.y - (h - 768) / 2;
            if (x >= 0 && x < 1024 && y >= 0 && y < 768) spots.emplace_back(x, y);
        }
    }
    LocationList::Destroy();
    return spots;
}

// A random script of about `frames` frames. Time steps of the run are `dt`; the title is passed
// and "Play" pressed first, then anything goes.
std::string RandomScript(std::mt19937_64& rng, int frames, int dt, const std::vector<std::pair<int, int>>& targets) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
    // Loading takes a frame per file (about 230), the splash and the fades about 1100 time units.
    const int to_title = 250 + 1100 / dt;
    std::string s = "wait " + std::to_string(to_title) + "\nmove 512 352\nwait 3\nclick 512 352\n";
    int used = to_title + 7;
    auto where = [&]() {
        if (pick(100) < 65) {
            const auto& t = targets[static_cast<size_t>(pick(static_cast<int>(targets.size())))];
            return std::to_string(std::clamp(t.first + pick(21) - 10, 0, 1023)) + " " +
                   std::to_string(std::clamp(t.second + pick(21) - 10, 0, 767));
        }
        return std::to_string(pick(1024)) + " " + std::to_string(pick(768));
    };
    while (used < frames) {
        const int roll = pick(100);
        if (roll < 35) {
            const std::string at = where();
            s += "move " + at + "\nwait " + std::to_string(1 + pick(4)) + "\nclick " + at + "\n";
            used += 8;
        } else if (roll < 50) {
            s += "move " + where() + "\nwait " + std::to_string(1 + pick(10)) + "\n";
            used += 6;
        } else if (roll < 60) {
            s += "move " + where() + "\ndown\nwait " + std::to_string(1 + pick(8)) + "\nmove " + where() + "\nwait " +
                 std::to_string(1 + pick(8)) + "\nmove " + where() + "\nwait 2\nup\n";
            used += 12;
        } else if (roll < 65) {
            s += "wheel " + std::to_string(pick(9) - 4) + "\nwait 2\n";
            used += 2;
        } else if (roll < 73) {
            s += "key escape down\nwait " + std::to_string(1 + pick(3)) + "\nkey escape up\nwait 2\n";
            used += 5;
        } else if (roll < 80) {
            static const char* kKeys[] = {"a", "b", "X", "Z", "0", "9", " ", "!", "_", "-", "\\n", "\\b"};
            std::string text;
            for (int i = 0, n = 1 + pick(6); i < n; ++i) text += kKeys[pick(12)];
            s += "type " + text + "\nwait 2\n";
            used += 2;
        } else {
            const int n = 1 + pick(40);
            s += "wait " + std::to_string(n) + "\n";
            used += n;
        }
    }
    return s + "quit\n";
}

struct SoakRun {
    std::string scene, problem, replay;
    int frames = 0;
};

SoakRun Soak(const SoakScene& scene, uint64_t seed, int frames, const std::vector<std::pair<int, int>>& targets,
             const std::string& dir) {
    std::mt19937_64 rng(seed);
    // Frames of 20 to 200 ms of game time; the long form also plays at 10 ms, where the way to the
    // title alone takes over a thousand frames.
    static const int kSteps[] = {2, 5, 10, 20, 1};
    const int dt = kSteps[rng() % (LongForm() ? 5 : 4)];
    SoakRun run;
    run.scene = scene.name;
    run.frames = frames;
    const std::string user = dir + "/user";
    fs::remove_all(user);
    fs::create_directories(user + "/Profiles");
    if (*scene.location) {
        WriteFile(user + "/Profiles/Kit.sav",
                  "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"5000.00000\" percent=\"0\" location=\"" +
                      std::string(scene.location) + "\" image=\"1005\" pitch=\"1.25000000\" name=\"Kit\">\r\n" +
                      scene.body + "</profile>\r\n");
        WriteFile(user + "/Mossmeadow.ini",
                  "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Kit\"/>\r\n</options>\r\n");
    }
    WriteFile(dir + "/script.txt", RandomScript(rng, frames, dt, targets));
    const std::vector<std::string> argv = GameCommand(dir + "/script.txt", user, static_cast<int>(seed % 100000),
                                                      std::to_string(dt));
    run.replay = "ASAN_OPTIONS=detect_leaks=1 " + std::string(MOSSMEADOW_BINARY);
    for (size_t i = 1; i < argv.size(); ++i) run.replay += " " + argv[i];
    const Child child = Spawn(argv, {"ASAN_OPTIONS=detect_leaks=1:exitcode=86", "UBSAN_OPTIONS=print_stacktrace=1"},
                              dir + "/out.txt", dir + "/err.txt");
    const std::string status = DescribeStatus(WaitChild(child, 900000));
    const std::string err = ReadFile(dir + "/err.txt");
    for (const char* report : {"AddressSanitizer", "LeakSanitizer", "runtime error:", "Error"}) {
        if (err.find(report) != std::string::npos) run.problem = "stderr has '" + std::string(report) + "'";
    }
    if (status != "exit 0") run.problem = status + (run.problem.empty() ? "" : "; " + run.problem);
    if (!run.problem.empty()) {
        run.problem += "\n" + err.substr(0, 6000);
        // The script and the save stay for the replay.
        const std::string keep = dir + "_failed_" + std::to_string(seed);
        fs::remove_all(keep);
        fs::copy(dir, keep, fs::copy_options::recursive);
        run.replay += "\n  (script and save kept in " + keep + "; the seed " + std::to_string(seed) +
                      " with MOSSMEADOW_SEED regenerates them)";
    }
    return run;
}

}  // namespace

TEST(Soak, RandomPlayInEverySceneUnderTheSanitizers) {
    // MOSSMEADOW_SOAK=1 runs it in any build (a quick look without the sanitizers).
    const char* any_build = std::getenv("MOSSMEADOW_SOAK");
    if (!Sanitized() && !(any_build && std::string(any_build) == "1")) GTEST_SKIP() << "the soak runs in the sanitizer build";
    const int total = LongForm() ? 200000 : 20000;
    const std::vector<SoakScene> scenes = Scenes();
    const int per_run = total / static_cast<int>(scenes.size());
    const uint64_t seed = TestSeed();
    std::printf("seed %llu (MOSSMEADOW_SEED=%llu replays this soak)\n", static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(seed));
    const std::vector<std::pair<int, int>> targets = Targets();
    std::vector<SoakRun> runs(scenes.size());
    std::atomic<size_t> next{0};
    auto worker = [&](int slot) {
        const std::string dir = FreshDir("soak_" + std::to_string(slot));
        for (size_t i = next++; i < scenes.size(); i = next++) runs[i] = Soak(scenes[i], seed + i, per_run, targets, dir);
        fs::remove_all(dir);
    };
    std::thread a(worker, 0), b(worker, 1);
    a.join();
    b.join();
    int frames = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        frames += runs[i].frames;
        EXPECT_EQ(runs[i].problem, "") << runs[i].scene << ", seed " << seed + i << "; replay:\n  " << runs[i].replay;
    }
    std::printf("%d frames of random play in %zu scenes\n", frames, runs.size());
}
