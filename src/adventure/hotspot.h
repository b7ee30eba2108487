// Hotspots: the clickable (or merely decorative) pictures of an adventure location. The play scene
// turns the location's hotspot records into live objects kept in one global list; each fades in,
// shows its caption under the pointer, throws sparkles now and then and runs a callback on a click.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "primitives.h"

class Hotspot;
class Location;
struct LocationHotspot;

// The action a click runs; an empty function is the no-op (no action, no click sound).
using HotspotCallback = std::function<int(Hotspot&)>;

class Hotspot : public Thing {
public:
    int id = 0;
    std::string name;  // caption shown on hover; "" = none
    int data = 0;      // dialogue id (dialogue hotspot) or location id (portal hotspot)
    int image = 0;
    float scale = 1.0f;
    int over = 0;
    int active = 1;
    std::string condition;  // item that must be owned for `data` to be used
    int result = 0;         // dialogue used instead while the condition item is missing
    Interpolation name_alpha = Interpolation::Create(0);
    Interpolation alpha = Interpolation::Create(0);
    float counter = 0;        // time the pointer has been over it
    float sparkles = 0;       // time accumulated towards the next burst
    float sparkles_dest = 0;  // time at which the next burst fires; 0 = not yet drawn
    int click_sound = 0;
    HotspotCallback Callback;

    virtual void Inactivate();
    virtual void UpdateSparkle(float delta);
    virtual void UpdatePassiveHighlight(float delta);
    virtual void UpdatePassive(float delta, int hide);
    virtual void Actions();
    virtual void Update(float delta, int ox, int oy);
    virtual void DrawName(int ox, int oy);
    virtual void Draw(int ox, int oy);

protected:
    // The creation steps every kind shares: picture, caption, rectangle (the image's size when the
    // record gives none), fade-in, id and callback.
    void InitFrom(const LocationHotspot& lh, HotspotCallback callback);
};

class DialogueHotspot : public Hotspot {
public:
    void Draw(int ox, int oy) override;
    static std::shared_ptr<Hotspot> Create(const LocationHotspot& lh, HotspotCallback callback);
};

class PortalHotspot : public Hotspot {
public:
    void Draw(int ox, int oy) override;
    static std::shared_ptr<Hotspot> Create(const LocationHotspot& lh, HotspotCallback callback);
};

class ItemHotspot : public Hotspot {
public:
    std::string item;
    int number = 0;
    void Actions() override;
    void Draw(int ox, int oy) override;
    static std::shared_ptr<Hotspot> Create(const LocationHotspot& lh, HotspotCallback callback);
};

class NullHotspot : public Hotspot {
public:
    void Draw(int ox, int oy) override;
    static std::shared_ptr<Hotspot> Create(const LocationHotspot& lh);
};

using HotspotPtr = std::shared_ptr<Hotspot>;

extern std::vector<HotspotPtr> hotspot_list;
// The hotspot whose action has run and whose consequence (a dialogue) is still in progress.
extern Hotspot* clicked_hotspot;
// The size of the scene area the hotspot coordinates live in.
extern int hotspot_area_w, hotspot_area_h;

class HotspotList {
public:
    static void Initialize(int w, int h);
    static Hotspot* GetHotspot(int id);
    static void AddHotspot(HotspotPtr h);
    static void RemoveHotspot(Hotspot* h);
    static void UpdatePassive(float delta, int hide);
    static void UpdatePassiveHightlight(float delta);
    static void Update(float delta, int xpos, int ypos);
    static void Draw(int xpos, int ypos);
    // Brings the live hotspots in step with the location's records and the profile: inactivates
    // those whose visibility flag stopped matching and creates the missing ones that should show.
    // Nothing happens without a location.
    static void Synchronize(const Location* location, const HotspotCallback& on_dialogue,
                            const HotspotCallback& on_portal, const HotspotCallback& on_item);
};
