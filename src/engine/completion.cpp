// The completion percentage of the loaded profile: awards, chapters, quests and statues.
#include "app.h"
#include "award.h"
#include "chapter.h"
#include "profile.h"
#include "quest.h"

void UpdateCompletion() {
    // Each part's share of the whole: awards 24, chapters 8, quests 64, and 13 statues give 4.
    float p = AwardList::GetPercentage(24) + ChapterList::GetPercentage(8) + QuestList::GetPercentage(64) +
              static_cast<float>(Profile::GetFlagValue("StatueCount") * 4 / 13);
    if (p > 60) {
        p = p + 0.5f;
    } else if (p > 40) {
        p = p * 0.75f;
    } else {
        p = p * 0.5f;
    }
    completion = static_cast<int>(p);
}
