#include <algorithm>

#include "dialogue.h"
#include "play_test_support.h"

namespace {

struct Calls {
    int dialogue = 0, portal = 0, item = 0;
    int last_data = -1;
};

class HotspotTest : public PlayTest {
protected:
    Location location;
    Calls calls;

    void Sync() {
        HotspotList::Synchronize(
            &location,
            [this](Hotspot& h) {
                ++calls.dialogue;
                calls.last_data = h.data;
                return 0;
            },
            [this](Hotspot& h) {
                ++calls.portal;
                calls.last_data = h.data;
                return 0;
            },
            [this](Hotspot&) {
                ++calls.item;
                return 0;
            });
    }

    // Runs the passive and normal-state updates for `frames` frames of one time unit.
    void Frames(int frames, int xpos = 0, int ypos = 0) {
        for (int i = 0; i < frames; ++i) {
            HotspotList::UpdatePassive(1, 0);
            HotspotList::Update(1, xpos, ypos);
        }
    }

    void ClickAt(int x, int y) {
        mouse_x = x;
        mouse_y = y;
        mouse_click = 1;
        Frames(1);
        mouse_click = 0;
    }
};

TEST_F(HotspotTest, SynchronisationPicksTheKindByTheFirstMatchingRule) {
    LocationHotspot talk = MakeRecord(1, 100, 100, 20, 20);
    talk.dialogue = 7;
    talk.location = 9;  // dialogue wins
    talk.condition = "Lantern";
    talk.result = 8;
    LocationHotspot door = MakeRecord(2, 200, 100, 20, 20);
    door.location = 5;
    door.item = "Acorns";  // location wins over item
    LocationHotspot pickup = MakeRecord(3, 300, 100, 20, 20);
    pickup.item = "Acorns";
    pickup.number = 3;
    LocationHotspot decor = MakeRecord(4, 400, 100, 20, 20);
    location.hotspots = {talk, door, pickup, decor};
    Sync();

    ASSERT_EQ(hotspot_list.size(), 4u);
    auto* d = dynamic_cast<DialogueHotspot*>(HotspotList::GetHotspot(1));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->data, 7);
    EXPECT_EQ(d->click_sound, 104);
    EXPECT_EQ(d->condition, "Lantern");
    EXPECT_EQ(d->result, 8);
    auto* p = dynamic_cast<PortalHotspot*>(HotspotList::GetHotspot(2));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->data, 5);
    EXPECT_EQ(p->click_sound, 0);
    auto* i = dynamic_cast<ItemHotspot*>(HotspotList::GetHotspot(3));
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->item, "Acorns");
    EXPECT_EQ(i->number, 3);
    EXPECT_TRUE(i->condition.empty());
    auto* n = dynamic_cast<NullHotspot*>(HotspotList::GetHotspot(4));
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->active, 0);
    EXPECT_FALSE(n->Callback);

    // A second pass creates nothing new.
    Sync();
    EXPECT_EQ(hotspot_list.size(), 4u);
}

TEST_F(HotspotTest, VisibilityFlagAndOwnedItemsDecideCreation) {
    LocationHotspot gated = MakeRecord(1, 100, 100, 20, 20);
    gated.dialogue = 3;
    gated.visible = "Story-Gate";
    gated.value = 2;
    LocationHotspot pickup = MakeRecord(2, 200, 100, 20, 20);
    pickup.item = "Lantern";
    pickup.number = 1;
    location.hotspots = {gated, pickup};

    Profile::AddItem("Lantern", 1);
    Sync();
    EXPECT_TRUE(hotspot_list.empty());

    Profile::SetFlag("Story-Gate", 1);
    Sync();
    EXPECT_TRUE(hotspot_list.empty());
    Profile::SetFlag("Story-Gate", 2);
    Sync();
    ASSERT_EQ(hotspot_list.size(), 1u);
    EXPECT_NE(HotspotList::GetHotspot(1), nullptr);
}

TEST_F(HotspotTest, ZeroSizeTakesTheImageSizeUnknownImageCannotBeHovered) {
    AddPicture(700, 40, 30);
    LocationHotspot sized = MakeRecord(1, 100, 100, 0, 12);
    sized.image = 700;
    sized.dialogue = 1;
    LocationHotspot unknown = MakeRecord(2, 300, 300, 0, 0);
    unknown.image = 701;
    unknown.dialogue = 2;
    location.hotspots = {sized, unknown};
    Sync();
    Hotspot* a = HotspotList::GetHotspot(1);
    Hotspot* b = HotspotList::GetHotspot(2);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->w, 40);
    EXPECT_EQ(a->h, 30);
    EXPECT_EQ(b->w, 0);
    EXPECT_EQ(b->h, 0);
    mouse_x = 300;
    mouse_y = 300;
    Frames(1);
    EXPECT_EQ(b->over, 0);
    mouse_x = 100;
    mouse_y = 100;
    Frames(1);
    EXPECT_EQ(a->over, 1);
}

TEST_F(HotspotTest, FadesInOverFiftyUnits) {
    LocationHotspot decor = MakeRecord(1, 100, 100, 20, 20);
    location.hotspots = {decor};
    Sync();
    Hotspot* h = HotspotList::GetHotspot(1);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->alpha.Get(), 0);
    Frames(25);
    EXPECT_GT(h->alpha.Get(), 0);
    EXPECT_LT(h->alpha.Get(), 1);
    Frames(30);
    EXPECT_EQ(h->alpha.Get(), 1);
}

TEST_F(HotspotTest, HiddenByItsFlagItFadesOutIgnoresClicksAndIsRemoved) {
    LocationHotspot talk = MakeRecord(1, 100, 100, 20, 20);
    talk.dialogue = 4;
    talk.visible = "Story-Talk";
    talk.value = 0;
    location.hotspots = {talk};
    Sync();
    Frames(60);
    Hotspot* h = HotspotList::GetHotspot(1);
    ASSERT_NE(h, nullptr);

    Profile::SetFlag("Story-Talk", 1);
    Sync();
    EXPECT_EQ(h->active, 0);
    ClickAt(100, 100);
    EXPECT_EQ(calls.dialogue, 0);
    EXPECT_EQ(clicked_hotspot, nullptr);
    // Still fading: the list keeps it and the synchronisation does not create another.
    Sync();
    EXPECT_EQ(hotspot_list.size(), 1u);
    Frames(47);
    ASSERT_EQ(hotspot_list.size(), 1u);
    Frames(4);
    EXPECT_TRUE(hotspot_list.empty());

    // Visible again: a fresh hotspot.
    Profile::SetFlag("Story-Talk", 0);
    Sync();
    EXPECT_EQ(hotspot_list.size(), 1u);
}

TEST_F(HotspotTest, ClickRunsTheCallbackOnceAndBlocksOthersUntilCleared) {
    LocationHotspot talk = MakeRecord(1, 100, 100, 20, 20);
    talk.dialogue = 4;
    LocationHotspot door = MakeRecord(2, 300, 100, 20, 20);
    door.location = 6;
    location.hotspots = {talk, door};
    Sync();
    ClickAt(100, 100);
    EXPECT_EQ(calls.dialogue, 1);
    EXPECT_EQ(calls.last_data, 4);
    EXPECT_EQ(clicked_hotspot, HotspotList::GetHotspot(1));

    ClickAt(300, 100);
    ClickAt(100, 100);
    EXPECT_EQ(calls.portal, 0);
    EXPECT_EQ(calls.dialogue, 1);

    clicked_hotspot = nullptr;
    ClickAt(300, 100);
    EXPECT_EQ(calls.portal, 1);
    EXPECT_EQ(calls.last_data, 6);
}

TEST_F(HotspotTest, DecorationClaimsNoClickAndHoverShowsTheCaption) {
    LocationHotspot decor = MakeRecord(1, 100, 100, 20, 20);
    decor.name = "Old well";
    location.hotspots = {decor};
    Sync();
    Hotspot* h = HotspotList::GetHotspot(1);
    ClickAt(100, 100);
    EXPECT_EQ(clicked_hotspot, nullptr);
    EXPECT_EQ(h->over, 1);
    Frames(30);
    EXPECT_EQ(h->name_alpha.Get(), 1);
    EXPECT_FLOAT_EQ(h->counter, 31);
    // A hidden state drops the caption at once.
    HotspotList::UpdatePassive(1, 1);
    EXPECT_EQ(h->over, 0);
    EXPECT_EQ(h->name_alpha.destination, 0);
    mouse_x = 500;
    Frames(1);
    EXPECT_EQ(h->counter, 0);
}

TEST_F(HotspotTest, ItemPickupAddsItsNumberOnceAndFadesOut) {
    LocationHotspot pickup = MakeRecord(1, 100, 100, 20, 20);
    pickup.item = "Acorns";
    pickup.number = 3;
    location.hotspots = {pickup};
    Sync();
    Frames(60);
    ClickAt(100, 100);
    ASSERT_NE(Profile::GetItem("Acorns"), nullptr);
    EXPECT_EQ(Profile::GetItem("Acorns")->number, 3);
    EXPECT_EQ(calls.item, 1);
    EXPECT_EQ(clicked_hotspot, nullptr);
    ClickAt(100, 100);
    EXPECT_EQ(Profile::GetItem("Acorns")->number, 3);
    Frames(60);
    EXPECT_TRUE(hotspot_list.empty());
    Sync();  // owned now: not offered again
    EXPECT_TRUE(hotspot_list.empty());
}

TEST_F(HotspotTest, ScrollOffsetMovesTheHitArea) {
    HotspotList::Initialize(1424, 768);
    LocationHotspot talk = MakeRecord(1, 712, 384, 20, 20);  // centre of the picture
    talk.dialogue = 2;
    location.hotspots = {talk};
    Sync();
    // Centred view (xpos 0): picture x 712 is screen x 512.
    mouse_x = 512;
    mouse_y = 384;
    Frames(1, 0, 0);
    EXPECT_EQ(HotspotList::GetHotspot(1)->over, 1);
    // Scrolled right by 100: it appears at 612.
    Frames(1, 100, 0);
    EXPECT_EQ(HotspotList::GetHotspot(1)->over, 0);
    mouse_x = 612;
    Frames(1, 100, 0);
    EXPECT_EQ(HotspotList::GetHotspot(1)->over, 1);
}

TEST_F(HotspotTest, SparkleBoundsAreTruncatedAndInclusive) {
    auto h = std::make_shared<NullHotspot>();
    h->x = 100;
    h->y = 50;
    h->w = 10;
    h->h = 10;
    int min_x = 1000, max_x = -1000, images = 0, dots = 0;
    for (int burst = 0; burst < 300; ++burst) {
        ParticleList::Clear();
        h->sparkles_dest = 1;
        h->sparkles = 0;
        h->UpdateSparkle(2);
        EXPECT_EQ(h->sparkles, 0);
        EXPECT_EQ(h->sparkles_dest, 0);
        const auto& list = ParticleList::SceneParticles();
        ASSERT_EQ(list.size(), 6u);
        for (const ParticlePtr& p : list) {
            if (auto* img = dynamic_cast<ImageParticle*>(p.get())) {
                ++images;
                EXPECT_EQ(img->image, 16);
                EXPECT_GE(img->x, 97);  // 100 -/+ 2.5 -> 97..102
                EXPECT_LE(img->x, 102);
                EXPECT_GE(img->speed, 2);
                EXPECT_LT(img->speed, 3);
            } else {
                auto* dot = dynamic_cast<DotParticle*>(p.get());
                ASSERT_NE(dot, nullptr);
                ++dots;
                min_x = std::min(min_x, static_cast<int>(dot->x));
                max_x = std::max(max_x, static_cast<int>(dot->x));
                EXPECT_EQ(dot->angle, 270);
                EXPECT_EQ(dot->alpha, 0);
                EXPECT_FLOAT_EQ(dot->max_alpha, 0.5f);
                EXPECT_GE(dot->r, 128);
            }
        }
    }
    EXPECT_EQ(dots, 1200);
    EXPECT_EQ(images, 600);
    EXPECT_EQ(min_x, 96);
    EXPECT_EQ(max_x, 103);
}

TEST_F(HotspotTest, SparkleTimerDrawsItsTargetOnceAndFiresOnlyPastIt) {
    auto h = std::make_shared<NullHotspot>();
    h->w = h->h = 10;
    h->UpdateSparkle(1);
    EXPECT_GE(h->sparkles_dest, 500);
    EXPECT_LE(h->sparkles_dest, 5000);
    const float dest = h->sparkles_dest;
    h->sparkles = dest - 1;
    h->UpdateSparkle(1);  // exactly at the target: not yet
    EXPECT_TRUE(ParticleList::SceneParticles().empty());
    EXPECT_EQ(h->sparkles_dest, dest);
    h->UpdateSparkle(0.5f);
    EXPECT_EQ(ParticleList::SceneParticles().size(), 6u);
}

TEST_F(HotspotTest, DialogueHighlightFollowsThePointerWithoutClicking) {
    ASSERT_TRUE(static_cast<bool>(dialogue_update_highlights));
    LocationHotspot talk = MakeRecord(1, 100, 100, 20, 20);
    talk.dialogue = 4;
    talk.name = "Mayor";
    location.hotspots = {talk};
    Sync();
    mouse_x = 100;
    mouse_y = 100;
    mouse_click = 1;
    dialogue_update_highlights(1);
    Hotspot* h = HotspotList::GetHotspot(1);
    EXPECT_EQ(h->over, 1);
    EXPECT_EQ(h->name_alpha.destination, 1);
    EXPECT_EQ(calls.dialogue, 0);
    EXPECT_EQ(clicked_hotspot, nullptr);
    mouse_click = 0;
    mouse_x = 400;
    dialogue_update_highlights(1);
    EXPECT_EQ(h->over, 0);
    EXPECT_EQ(h->counter, 0);
}

// Where hotspots overlap, the one drawn in front (lower on the screen) takes the pointer: at
// Zachary's Ranch a click on the sign in front of him once opened his dialogue.
TEST_F(HotspotTest, OverlappingHotspotsGiveThePointerToTheOneInFront) {
    LocationHotspot sign = MakeRecord(1, 100, 130, 40, 40);
    sign.location = 2;
    sign.name = "Back to the village";
    LocationHotspot man = MakeRecord(2, 100, 100, 40, 40);
    man.dialogue = 500;
    man.name = "Zachary";
    location.hotspots = {man, sign};
    Sync();
    Hotspot* front = HotspotList::GetHotspot(1);
    Hotspot* behind = HotspotList::GetHotspot(2);
    ClickAt(100, 115);  // inside both
    EXPECT_EQ(calls.portal, 1);
    EXPECT_EQ(calls.dialogue, 0);
    EXPECT_EQ(front->over, 1);
    EXPECT_EQ(behind->over, 0);  // one caption, not two
    clicked_hotspot = nullptr;
    ClickAt(100, 85);  // only the man
    EXPECT_EQ(calls.dialogue, 1);
    // While a dialogue runs the captions follow the same rule.
    mouse_y = 115;
    dialogue_update_highlights(1);
    EXPECT_EQ(front->over, 1);
    EXPECT_EQ(behind->over, 0);
    // A hotspot fading out no longer covers the one behind it.
    front->Inactivate();
    clicked_hotspot = nullptr;
    ClickAt(100, 115);
    EXPECT_EQ(calls.dialogue, 2);
}

TEST_F(HotspotTest, DrawSortsByY) {
    location.hotspots = {MakeRecord(1, 0, 300, 5, 5), MakeRecord(2, 0, 100, 5, 5), MakeRecord(3, 0, 200, 5, 5)};
    Sync();
    HotspotList::Draw(0, 0);
    ASSERT_EQ(hotspot_list.size(), 3u);
    EXPECT_EQ(hotspot_list[0]->id, 2);
    EXPECT_EQ(hotspot_list[1]->id, 3);
    EXPECT_EQ(hotspot_list[2]->id, 1);
}

}  // namespace
