// The picture paths the resource manifests register, for tests that need a picture's size.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "xml.h"

// id -> path (relative to the folder holding Data/) of every picture in `data_dir`'s manifests.
inline std::map<int, std::string> ManifestPicturePaths(const std::string& data_dir) {
    std::map<int, std::string> paths;
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        std::unique_ptr<xmlNode> root = xmlNode::Load(data_dir + manifest);
        if (!root) continue;
        for (int i = 0; i < root->ChildCount(); i++) {
            const xmlNode* child = root->GetChild(i);
            if (child->Name == "image") paths[child->AttributeInt("id")] = child->AttributeString("path");
        }
    }
    return paths;
}
