// Traits: named properties grouped in classes, read from Data/traits.xml at start-up.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Trait {
public:
    std::string class_name;  // the class (group) the trait belongs to
    std::string name;
    int dominant = 0;
    virtual ~Trait() = default;
    virtual int Draw() { return 0; }
};

extern std::vector<std::shared_ptr<Trait>> traits;

class TraitList {
public:
    static int Initialize();
    // Appends one Trait per child of the file's root. A missing or unparsable file leaves the list
    // as it is; a child that is not a complete `trait` is fatal ("Error in '" + path + "'!").
    static int PopulateTraits(std::vector<std::shared_ptr<Trait>>& list, const std::string& path);
    // Fatal when there is no such trait.
    static std::shared_ptr<Trait> GetTrait(const std::string& class_name, const std::string& name);
    // A uniformly chosen trait of the class; fatal when the class has none.
    static std::shared_ptr<Trait> GetRandom(const std::string& class_name);
};
