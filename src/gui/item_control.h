// An inventory cell: an item's picture with its count, growing a little under the pointer. Cells
// of one window share a DescriptionControl that shows the hovered item's text.
#pragma once

#include <memory>
#include <string>

#include "control.h"
#include "description_control.h"

class ItemControl : public Control {
public:
    int image = 0;
    int number = 0;    // how many the player holds
    std::string item;  // item name
    std::string text;  // item description
    int font = 0;
    int tw = 0, th = 0;  // size of the count label
    std::shared_ptr<DescriptionControl> description;
    int over = 0;  // 1 while hovered
    Interpolation scale{1.0f};

    // Reads picture, count and description from the item catalogue.
    static std::shared_ptr<ItemControl> Create(int x, int y, const std::string& item);
    void Update(float dt) override;
    void Draw() override;
};
