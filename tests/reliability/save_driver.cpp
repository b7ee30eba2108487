// The game's save path, driven as fast as it goes so that the reliability test can kill it at any
// moment. Usage: save_driver USER_DIR ITEMS_XML SAVES
// Loads (or creates) the profile "Kit" from USER_DIR, then saves SAVES times. Save number n holds
// a state that tells exactly which save it is: flag "Misc-Torture" = n, money = 7n, play time = n,
// location 1 + n % 10, n % 5 animals named "A<n>-<i>" (one of them pregnant) and n % 4 of the
// first item. After each save that Profile::Save reports written, "saved n" goes to stdout.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app.h"
#include "item.h"
#include "profile.h"
#include "settings.h"
#include "system.h"

namespace {

void Say(const std::string& line) {
    const std::string text = line + "\n";
    if (write(STDOUT_FILENO, text.data(), text.size()) < 0) std::_Exit(3);
}

std::shared_ptr<Animal> NewAnimal(const std::string& name, int n) {
    auto animal = std::make_shared<Animal>();
    animal->name = name;
    animal->bovine = static_cast<float>(n % 7) / 7.0f;
    animal->bunny = 1.0f - animal->bovine;
    animal->age = static_cast<float>(n);
    // Within the ranges the loader keeps (colours 64..255), so a reloaded save writes the same bytes.
    animal->r = 64 + n % 192;
    animal->g = 64 + (n / 192) % 192;
    animal->b = 64;
    animal->Calculate();
    return animal;
}

void Shape(int n) {
    Profile::SetFlag("Misc-Torture", n);
    Profile::SetFlag("Money", 7 * n);
    play_time = static_cast<float>(n);
    location = 1 + n % 10;
    animals.clear();
    for (int i = 0; i < n % 5; ++i) {
        auto animal = NewAnimal("A" + std::to_string(n) + "-" + std::to_string(i), n + i);
        if (i == 1) {
            animal->baby = NewAnimal("B" + std::to_string(n), n);
            animal->pregnant_counter = static_cast<float>(1 + n % 17999);
        }
        animals.push_back(animal);
    }
    if (!items_catalogue.empty()) Profile::SetItem(items_catalogue.front()->name, n % 4);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_driver USER_DIR ITEMS_XML SAVES\n");
        return 2;
    }
    user_dir = argv[1];
    if (ItemList::Load(argv[2]) != 1) {
        std::fprintf(stderr, "cannot load %s\n", argv[2]);
        return 2;
    }
    const int saves = std::atoi(argv[3]);
    profile_name = "Kit";
    if (Profile::Load() == 1) {
        profile_active = 1;
    } else if (FileExists(Profile::ProfilePath("Kit"))) {
        std::fprintf(stderr, "the save does not load\n");
        return 4;
    } else {
        Profile::NewProfile("Kit", 0);
    }
    int n = Profile::GetFlagValue("Misc-Torture");
    Say("loaded " + std::to_string(n));
    for (int i = 0; i < saves; ++i) {
        Shape(++n);
        if (Profile::Save() != 1) return 5;
        Say("saved " + std::to_string(n));
    }
    return 0;
}
