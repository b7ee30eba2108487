// A full disk and a read-only user folder, as the game meets them: the user folder is a small
// file system mounted in a private namespace (unshare), filled up or made read-only; where mounting
// is impossible, fault_shim fakes the same errors. The old save must survive byte for byte, the game
// must say once that it could not save and play on, a later save must work once there is room
// again, and a run whose last save failed never ends with status 0.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "reliability_support.h"
#include "scenario_script.h"

namespace {

// Runs the game on a user folder holding `stage`'s files, with the disk full ("full") or
// read-only ("readonly"). Once the game writes `mark`, a full disk gets room again. What the game
// left is copied to `out`, the save as it was when `mark` appeared to out/at_mark.sav.
constexpr const char* kRunner = R"(set -u
U="$1"; STAGE="$2"; OUT="$3"; MARK="$4"; MODE="$5"; MOUNT="$6"; shift 6
if [ "$MOUNT" = 1 ]; then
  mount -t tmpfs -o size=512k tmpfs "$U" || exit 90
fi
cp -a "$STAGE/." "$U/"
if [ "$MOUNT" = 1 ]; then
  if [ "$MODE" = full ]; then
    dd if=/dev/zero of="$U/filler" bs=4096 2>/dev/null
  else
    mount -o remount,ro "$U" || exit 91
  fi
else
  touch "$OUT/fault_on"
fi
"$@" &
pid=$!
while [ ! -e "$MARK" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.02; done
cp "$U/Profiles/Kit.sav" "$OUT/at_mark.sav" 2>/dev/null
[ -e "$MARK" ] && touch "$OUT/mark_seen"
if [ "$MODE" = full ]; then rm -f "$U/filler" "$OUT/fault_on"; fi
wait "$pid"; status=$?
rm -f "$U/filler"
cp -a "$U/." "$OUT/"
exit $status
)";

const std::string kSeededSave =
    "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"5000.00000\" percent=\"0\" location=\"4\" image=\"1005\" "
    "pitch=\"1.25000000\" name=\"Kit\">\r\n  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n"
    "  <flag name=\"Money\" value=\"50\"/>\r\n</profile>\r\n";

// The save failure says this on stderr, once for each run of failed saves.
int CountSaveFailures(const std::string& err) {
    int count = 0;
    for (size_t at = err.find("Could not save the game"); at != std::string::npos;
         at = err.find("Could not save the game", at + 1))
        ++count;
    return count;
}

struct DiskRun {
    int status = 0;
    std::string err, out_dir;
    bool mounted = false;
};

DiskRun RunOnBrokenDisk(const std::string& name, const std::string& mode, const std::string& script) {
    DiskRun run;
    const std::string dir = FreshDir(name);
    const std::string stage = dir + "/stage", user = dir + "/user", out = dir + "/out";
    for (const std::string& d : {stage + "/Profiles", user, out}) std::filesystem::create_directories(d);
    WriteFile(stage + "/Profiles/Kit.sav", kSeededSave);
    WriteFile(stage + "/Mossmeadow.ini",
              "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Kit\"/>\r\n</options>\r\n");
    WriteFile(dir + "/runner.sh", kRunner);
    std::string text = script;
    for (size_t at = text.find("@MARK@"); at != std::string::npos; at = text.find("@MARK@"))
        text.replace(at, 6, dir + "/mark.png");
    for (size_t at = text.find("@NOTICE@"); at != std::string::npos; at = text.find("@NOTICE@"))
        text.replace(at, 8, dir + "/notice.png");
    WriteFile(dir + "/script.txt", text);
    run.mounted = CanMountPrivately();
    std::vector<std::string> argv;
    std::vector<std::string> env;
    if (run.mounted) {
        argv = {"unshare", "-rm"};
    } else {
        env = {"LD_PRELOAD=" MM_FAULT_SHIM, "MM_FAULT_DIR=" + user, "MM_FAULT_WHILE=" + out + "/fault_on",
               std::string("MM_FAULT=") + (mode == "full" ? "enospc" : "erofs")};
    }
    for (const std::string& a : {std::string("/bin/sh"), dir + "/runner.sh", user, stage, out, dir + "/mark.png", mode,
                                 std::string(run.mounted ? "1" : "0")})
        argv.push_back(a);
    for (const std::string& a : GameCommand(dir + "/script.txt", user, 3, "10")) argv.push_back(a);
    const Child child = Spawn(argv, env, dir + "/stdout.txt", dir + "/stderr.txt");
    run.status = WaitChild(child, 180000);
    run.err = ReadFile(dir + "/stderr.txt");
    run.out_dir = out;
    return run;
}

// At --fixed-dt 10: the title is up after 340 frames, "Play" continues in Malcolm's store.
std::string IntoTheStore() { return "wait 340\n" + ClickAt(512, 352) + "wait 40\n"; }

// The notice's "OK", under its one line of text.
std::string CloseNotice() { return ClickAt(512, 404) + "wait 10\n"; }

}  // namespace

// The disk is full from the start: "Play" saves in the store and fails, the player is told, walks
// to the square (a second failed save, not told again), and once there is room the walk back into
// the store is saved. The save stays the old one until then, byte for byte.
TEST(BrokenDisk, AFullDiskIsToldOnceThePlayGoesOnAndTheNextSaveWorks) {
    if (Sanitized()) GTEST_SKIP() << "disk tests run in the normal build";
    const DiskRun run =
        RunOnBrokenDisk("full_disk", "full",
                        IntoTheStore() + "screenshot @NOTICE@\n" + CloseNotice() + ClickAt(104, 395) +
                            "wait 30\nscreenshot @MARK@\nwait 150\n" + ClickAt(380, 362) + "wait 30\nquit\n");
    std::printf("user folder: %s\n", run.mounted ? "a full tmpfs" : "writes failed by fault_shim");
    EXPECT_EQ(DescribeStatus(run.status), "exit 0") << run.err;
    EXPECT_EQ(CountSaveFailures(run.err), 1) << run.err;
    EXPECT_EQ(ReadFile(run.out_dir + "/at_mark.sav"), kSeededSave) << "the old save changed while the disk was full";
    const std::string save = ReadFile(run.out_dir + "/Profiles/Kit.sav");
    EXPECT_NE(save.find("location=\"4\""), std::string::npos) << save;
    EXPECT_NE(save.find("<flag name=\"OldLocation\" value=\"2\"/>"), std::string::npos)
        << "the walk after the failed saves is not in the save:\n" << save;
    EXPECT_FALSE(std::filesystem::exists(run.out_dir + "/Profiles/Kit.sav.tmp"));
}

// The user folder is read-only: every save fails, the player is told once and plays on; the old
// save is untouched and the run ends with status 1 (the options file cannot be written either).
TEST(BrokenDisk, AReadOnlyFolderIsToldOnceAndKeepsTheOldSave) {
    if (Sanitized()) GTEST_SKIP() << "disk tests run in the normal build";
    const DiskRun run = RunOnBrokenDisk("read_only", "readonly",
                                        IntoTheStore() + CloseNotice() + ClickAt(104, 395) +
                                            "wait 30\nscreenshot @MARK@\n" + ClickAt(380, 362) + "wait 30\nquit\n");
    std::printf("user folder: %s\n", run.mounted ? "a read-only tmpfs" : "writes refused by fault_shim");
    EXPECT_EQ(DescribeStatus(run.status), "exit 1") << run.err;
    EXPECT_EQ(CountSaveFailures(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("Could not write file"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(run.out_dir + "/Profiles/Kit.sav"), kSeededSave);
    EXPECT_TRUE(std::filesystem::exists(run.out_dir + "/mark_seen")) << "the play did not go on to the square";
}
