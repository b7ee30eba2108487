// The fuzz targets' checks over their kept corpora (tests/fuzz/corpus), built with the normal
// compiler: the inputs the fuzzers found interesting keep passing in every build, under the
// sanitizers too, without clang.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "reliability_support.h"

TEST(FuzzCorpus, EveryKeptInputStillPasses) {
    for (const char* target : {"xml", "save", "dialogue", "options"}) {
        const std::string dir = FreshDir(std::string("fuzz_corpus_") + target);
        const Child child = Spawn({std::string(MM_FUZZ_REPLAY_DIR) + "/fuzz_replay_" + target,
                                   std::string(MOSSMEADOW_SOURCE_DIR) + "/tests/fuzz/corpus/" + target},
                                  {"ASAN_OPTIONS=detect_leaks=1", "UBSAN_OPTIONS=print_stacktrace=1", "TMPDIR=" + dir},
                                  dir + "/out.txt", dir + "/err.txt");
        EXPECT_EQ(DescribeStatus(WaitChild(child, 300000)), "exit 0")
            << target << ":\n" << ReadFile(dir + "/out.txt") << ReadFile(dir + "/err.txt");
        std::printf("%s: %s", target, ReadFile(dir + "/out.txt").c_str());
    }
}
