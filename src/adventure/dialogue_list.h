// The catalogue of dialogue scripts: every Data/Dialogues/*.xml file, read at start-up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogue.h"

class xmlNode;

// Every loaded dialogue, in load order (files sorted by name, dialogues in file order).
extern std::vector<std::unique_ptr<Dialogue>> dialogue_list;

class DialogueList {
public:
    // Loads every file of app_dir + "/Data/Dialogues" whose name ends exactly in ".xml". A file that
    // does not load is fatal: "Error: '<file name>' invalid!".
    static void Initialize();
    // Appends the dialogues of one file; 0 when the file cannot be read or any element in it is
    // invalid (dialogues appended before the fault stay).
    static int Load(const std::string& path);
    // The same for a file already parsed: every child of `root` must be a dialogue.
    static int LoadRoot(const xmlNode& root);
    // Appends one or more steps per child element of `node`; 0 at the first invalid child.
    static int LoadItems(DialogueItems& list, const xmlNode& node);
    // The first dialogue with that id, or null.
    static Dialogue* GetDialogue(int id);
    static void Destroy();
};
