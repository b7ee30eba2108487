// Saving and loading a full profile: 9 ranch animals (3 pregnant), 2 stored animals, 60 flags.
// Run: build/bench/mossmeadow_bench --benchmark_filter=Profile
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "animal.h"
#include "app.h"
#include "profile.h"
#include "settings.h"

namespace {

std::shared_ptr<Animal> BenchAnimal(int i) {
    auto a = std::make_shared<Animal>();
    a->Randomize();
    a->bovine = 0.1f * static_cast<float>(i % 9);
    a->cat = 0.7f;
    a->age = 6000.0f + static_cast<float>(i) * 123.25f;
    a->food = 0.6f;
    a->mood = 0.3f;
    a->health = 0.45f;
    a->position = i;
    a->Calculate();
    return a;
}

void BuildProfile() {
    Profile::CleanProfile();
    character_name = "Bench";
    profile_name = "Bench";
    character_image = 1000;
    pitch = 1.0f;
    play_time = 123456.75f;
    profile_active = 1;
    for (int i = 0; i < 9; i++) {
        auto a = BenchAnimal(i);
        if (i % 3 == 0) {
            a->baby = BenchAnimal(100 + i);
            a->pregnant_counter = 9000.5f;
        }
        animals.push_back(a);
    }
    stored_animals[0] = BenchAnimal(50);
    stored_animals[1] = BenchAnimal(51);
    for (int i = 0; i < 60; i++) Profile::SetFlag("Bench-Flag" + std::to_string((i * 37) % 60), i + 1);
}

struct BenchFolder {
    BenchFolder() {
        user_dir = (std::filesystem::temp_directory_path() / ("mossmeadow_bench_" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(user_dir + "/Profiles");
        BuildProfile();
    }
    ~BenchFolder() { std::filesystem::remove_all(user_dir); }
};

void BM_ProfileSave(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(Profile::Save());
}
// One save or load per sample, 1000 samples: the median is the figure we quote.
BENCHMARK(BM_ProfileSave)->Unit(benchmark::kMicrosecond)->Iterations(1)->Repetitions(1000)->ReportAggregatesOnly(true);

void BM_ProfileSaveText(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(Profile::SaveText());
}
BENCHMARK(BM_ProfileSaveText)->Unit(benchmark::kMicrosecond)->Iterations(1)->Repetitions(1000)->ReportAggregatesOnly(true);

void BM_ProfileLoad(benchmark::State& state) {
    BenchFolder folder;
    Profile::Save();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Profile::Load());
    }
}
BENCHMARK(BM_ProfileLoad)->Unit(benchmark::kMicrosecond)->Iterations(1)->Repetitions(1000)->ReportAggregatesOnly(true);

}  // namespace
