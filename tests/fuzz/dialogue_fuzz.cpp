// Fuzzes the dialogue script loader and then runs whatever it accepted. Besides memory and
// undefined-behaviour checks it asserts the loader's invariants (every choices step has its list,
// every speaker entering from a side is followed by its move on stage) and that running an
// accepted script never crashes: a fatal data error (an unknown item) ends the run cleanly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "app.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "profile.h"
#include "system.h"
#include "update_list.h"
#include "xml.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

[[noreturn]] void ThrowFatal(const std::string& text) { throw std::runtime_error(text); }

void CheckItems(const DialogueItems& items) {
    for (size_t i = 0; i < items.size(); ++i) {
        const DialogueItem& step = *items[i];
        Check(step.item_type >= kStepWait && step.item_type <= kStepSkip);
        Check((step.item_type == kStepChoices) == (step.choices != nullptr));
        if (step.item_type == kStepEnter && (step.extra == kModeLeft || step.extra == kModeRight)) {
            Check(i + 1 < items.size() && items[i + 1]->item_type == kStepMove && items[i + 1]->id == step.id);
        }
        if (step.choices) {
            for (const auto& choice : *step.choices) CheckItems(choice->items);
        }
    }
}

// Runs the dialogue for a bounded number of frames, clicking every other frame.
void Run(Dialogue& dialogue) {
    if (dialogue.Initialize() != 0) return;
    for (int frame = 0; frame < 400; ++frame) {
        mouse_click = frame % 2;
        mouse_armed = 1;
        if (dialogue.Update(5)) break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetFatalHandler(ThrowFatal);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<xmlNode> root = xmlNode::LoadString(text);
    if (!root) return 0;
    DialogueList::Destroy();
    const int ok = DialogueList::LoadRoot(*root);
    for (const auto& dialogue : dialogue_list) CheckItems(dialogue->items);
    if (ok) {
        for (const auto& dialogue : dialogue_list) {
            Profile::CleanProfile();
            try {
                Run(*dialogue);
            } catch (const std::runtime_error&) {
                // A script naming an item the catalogue lacks is fatal in the game; that is the
                // intended outcome, not a fault.
            }
        }
    }
    skip_button.reset();
    UpdateList::Clear();
    DialogueList::Destroy();
    return 0;
}
