// kill -9 at random moments while saves are being written: first the game's save path driven in a
// loop (save_driver), where each save says exactly which save it is, so a kill that leaves a torn,
// mixed or lost save is caught; then the whole game walking between locations, leaving with
// "Save & Exit" and playing on, with every kill followed by a start that must load the save.
// fsync is slowed (fault_shim) so that most kills land inside a save. CI: 100 kills of the save
// path and four of the game; MOSSMEADOW_LONG=1: 1000 and 100. MOSSMEADOW_SEED replays a run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "app.h"
#include "item.h"
#include "profile.h"
#include "reliability_support.h"
#include "scenario_script.h"
#include "settings.h"
#include "system.h"

namespace {

using Clock = std::chrono::steady_clock;

// The last "saved N" line the driver printed: the save it confirmed written. -1 when none.
int LastConfirmed(const std::string& out, int loaded) {
    int last = loaded;
    std::istringstream lines(out);
    std::string word;
    int n = 0;
    while (lines >> word >> n) {
        if (word == "saved") last = n;
    }
    return last;
}

int LoadedFrom(const std::string& out) {
    int n = -1;
    std::sscanf(out.c_str(), "loaded %d", &n);
    return n;
}

// The save on disk, read with the game's loader; "" when whole and consistent with save `n` of the
// driver's sequence, else what is wrong.
std::string CheckDriverSave(const std::string& path, int* n) {
    const std::string bytes = ReadFile(path);
    profile_name = "Kit";
    if (Profile::Load() != 1) return "the save does not load:\n" + bytes;
    if (Profile::SaveText() != bytes) return "the save is not one the game wrote whole:\n" + bytes;
    *n = Profile::GetFlagValue("Misc-Torture");
    const int k = *n;
    if (Profile::GetFlagValue("Money") != 7 * k || static_cast<int>(play_time) != k || location != 1 + k % 10 ||
        static_cast<int>(animals.size()) != k % 5)
        return "the save mixes two states (save " + std::to_string(k) + "):\n" + bytes;
    for (size_t i = 0; i < animals.size(); ++i) {
        if (animals[i]->name != "A" + std::to_string(k) + "-" + std::to_string(i)) return "animal from another save";
        if ((i == 1) != (animals[i]->baby != nullptr)) return "pregnancy from another save";
    }
    return "";
}

class KillDuringSave : public ::testing::Test {
protected:
    void SetUp() override {
        items_path_ = std::string(MOSSMEADOW_SOURCE_DIR) + "/data/items.xml";
        ASSERT_EQ(ItemList::Load(items_path_), 1);
        seed_ = TestSeed();
        rng_.seed(seed_);
        std::printf("seed %llu (MOSSMEADOW_SEED=%llu replays the kill times' draw)\n",
                    static_cast<unsigned long long>(seed_), static_cast<unsigned long long>(seed_));
    }
    void TearDown() override {
        Profile::CleanProfile();
        profile_active = 0;
        ItemList::Destroy();
    }
    std::string items_path_;
    uint64_t seed_ = 0;
    std::mt19937_64 rng_;
};

TEST_F(KillDuringSave, TheSavePathNeverLosesOrMixesASave) {
    if (Sanitized()) GTEST_SKIP() << "kills run in the normal build";
    const int kills = LongForm() ? 1000 : 100;
    const std::string dir = FreshDir("kill_driver");
    user_dir = dir + "/user";
    CreateDir(user_dir);
    const std::string save = user_dir + "/Profiles/Kit.sav";
    const std::vector<std::string> env = {"LD_PRELOAD=" MM_FAULT_SHIM, "MM_FSYNC_DELAY_US=3000"};
    int inside_a_save = 0, last_n = 0, saves_seen = 0;
    for (int kill = 0; kill < kills; ++kill) {
        std::filesystem::remove(dir + "/out.txt");
        const Child child = Spawn({MM_SAVE_DRIVER, user_dir, items_path_, "100000"}, env, dir + "/out.txt",
                                  dir + "/err.txt");
        // The kill comes at a random moment once the driver is saving.
        const auto start = Clock::now();
        while (ReadFile(child.out_path).find("loaded") == std::string::npos &&
               Clock::now() - start < std::chrono::seconds(20)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(rng_() % 50000));
        KillChild(child);
        const int status = WaitChild(child, 20000);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "kill " << kill << ": " << DescribeStatus(status) << "\n" << ReadFile(child.err_path);
        const std::string out = ReadFile(child.out_path);
        const int loaded = LoadedFrom(out);
        ASSERT_EQ(loaded, last_n) << "kill " << kill << ": the driver started from another save\n" << out;
        const int confirmed = LastConfirmed(out, loaded);
        struct stat st;
        if (stat((save + ".tmp").c_str(), &st) == 0) ++inside_a_save;
        if (!FileExists(save)) {
            ASSERT_EQ(confirmed, 0) << "kill " << kill << ": a confirmed save is gone";
            continue;  // killed before the very first save was written
        }
        int n = -1;
        const std::string problem = CheckDriverSave(save, &n);
        ASSERT_EQ(problem, "") << "kill " << kill;
        // The save on disk is the last one confirmed, or the one being written when the kill came.
        ASSERT_TRUE(n == confirmed || n == confirmed + 1)
            << "kill " << kill << ": save " << n << " on disk, " << confirmed << " confirmed";
        saves_seen += n - last_n;
        last_n = n;
    }
    std::printf("%d kills survived; %d landed inside a save (temporary file left); %d saves written\n", kills,
                inside_a_save, saves_seen);
    EXPECT_GT(inside_a_save, kills / 10) << "the kills missed the saves: the test proves little";
    std::filesystem::remove_all(dir);
}

// The game's own saves: "Play" continues in Malcolm's store, the player walks out to the square
// and back in again and again, and every other round leaves with "Save & Exit" and plays on; each
// of these saves. At --fixed-dt 10 a frame is a tenth of a second of game time, so the walk takes
// few frames. Half the kills come at any moment, half just after a save has begun (its temporary
// file appears). After each kill the next run must load the save, with no progress lost.
const std::string kSeededGameSave =
    "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"5000.00000\" percent=\"0\" location=\"4\" image=\"1005\" "
    "pitch=\"1.25000000\" name=\"Kit\">\r\n  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n"
    "  <flag name=\"Money\" value=\"50\"/>\r\n</profile>\r\n";

std::string WalkingScript(int rounds) {
    std::string s = "wait 340\n" + ClickAt(512, 352) + "wait 40\n";  // "Play": the store
    for (int round = 0; round < rounds; ++round) {
        s += ClickAt(104, 395) + "wait 30\n" + ClickAt(380, 362) + "wait 30\n";  // the square and back
        if (round % 2 == 1) {
            s += "key escape down\nwait 2\nkey escape up\nwait 10\n" + ClickAt(512, 440) + "wait 80\n";  // Save & Exit
            s += ClickAt(512, 352) + "wait 40\n";                                                       // Play
        }
    }
    return s + "quit\n";
}

TEST_F(KillDuringSave, TheGameAlwaysStartsAgainFromAWholeSave) {
    if (Sanitized()) GTEST_SKIP() << "kills run in the normal build";
    const int kills = LongForm() ? 100 : 4;
    ItemList::Destroy();
    ASSERT_EQ(ItemList::Load(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/items.xml"), 1);
    const std::string dir = FreshDir("kill_game");
    user_dir = dir + "/user";
    std::filesystem::create_directories(user_dir + "/Profiles");
    const std::string save = user_dir + "/Profiles/Kit.sav";
    WriteFile(save, kSeededGameSave);
    WriteFile(user_dir + "/Mossmeadow.ini",
              "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Kit\"/>\r\n</options>\r\n");
    WriteFile(dir + "/script.txt", WalkingScript(40));
    const std::vector<std::string> env = {"LD_PRELOAD=" MM_FAULT_SHIM, "MM_FSYNC_DELAY_US=40000"};
    float last_time = 5000;
    int inside_a_save = 0;
    for (int kill = 0; kill < kills; ++kill) {
        struct stat before;
        ASSERT_EQ(stat(save.c_str(), &before), 0);
        const Child child = Spawn(GameCommand(dir + "/script.txt", user_dir, kill + 1, "10"), env,
                                  dir + "/out.txt", dir + "/err.txt");
        // Wait for the first save of this run (the file is replaced), then pick the moment.
        const auto start = Clock::now();
        struct stat now;
        while (Clock::now() - start < std::chrono::seconds(120)) {
            if (stat(save.c_str(), &now) == 0 && now.st_ino != before.st_ino) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (kill % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(rng_() % 3000));
        } else {
            const auto wait_from = Clock::now();
            while (!FileExists(save + ".tmp") && Clock::now() - wait_from < std::chrono::seconds(60))
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            std::this_thread::sleep_for(std::chrono::microseconds(rng_() % 30000));
        }
        KillChild(child);
        const int status = WaitChild(child, 60000);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "kill " << kill << ": the game ended by itself (" << DescribeStatus(status) << ")\n"
            << ReadFile(dir + "/err.txt");
        if (FileExists(save + ".tmp")) ++inside_a_save;
        const std::string bytes = ReadFile(save);
        profile_name = "Kit";
        ASSERT_EQ(Profile::Load(), 1) << "kill " << kill << ": the save does not load\n" << bytes;
        ASSERT_EQ(Profile::SaveText(), bytes) << "kill " << kill << ": not a save the game wrote whole";
        EXPECT_TRUE(location == 2 || location == 4) << bytes;
        EXPECT_EQ(Profile::GetFlagValue("Money"), 50) << bytes;
        EXPECT_EQ(Profile::GetFlagValue("A Letter from Grandma"), 1) << bytes;
        ASSERT_GE(play_time, last_time) << "kill " << kill << ": play time went back: progress was lost";
        last_time = play_time;
        if (location != 4) {
            // The script walks from the store: a run killed on the square goes on from the store.
            location = 4;
            profile_active = 1;
            ASSERT_EQ(Profile::Save(), 1);
        }
    }
    // A last start to the title and out: the leftover of a kill is gone, the save loads.
    WriteFile(dir + "/title.txt", "wait 340\nquit\n");
    const Child child = Spawn(GameCommand(dir + "/title.txt", user_dir, 99, "10"), {}, dir + "/out.txt",
                              dir + "/err.txt");
    EXPECT_EQ(DescribeStatus(WaitChild(child, 120000)), "exit 0") << ReadFile(dir + "/err.txt");
    EXPECT_FALSE(FileExists(save + ".tmp"));
    profile_name = "Kit";
    EXPECT_EQ(Profile::Load(), 1);
    std::printf("%d kills of the game survived; %d landed inside a save; play time %.0f -> %.0f\n", kills,
                inside_a_save, 5000.0, static_cast<double>(play_time));
    std::filesystem::remove_all(dir);
}

}  // namespace
