// The XML reader of all our data files: a strict little subset (attributes in double quotes, no
// entities, "#" and "<-- -->" comments). Bytes are characters; nothing is decoded.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct xmlAttribute {
    std::string Name;
    std::string Value;
};

class xmlNode {
public:
    std::string Name;
    std::string Value;  // element text is accepted but never stored
    std::vector<std::unique_ptr<xmlNode>> _children;
    std::vector<xmlAttribute> _attributes;
    std::string TokenValue;

    virtual ~xmlNode() = default;

    // The first top-level element of the file (null if there is none, or the file is missing or
    // malformed). The caller owns the result.
    static std::unique_ptr<xmlNode> Load(const std::string& path);
    // The same for text already in memory.
    static std::unique_ptr<xmlNode> LoadString(const std::string& text);

    int ChildCount() const;
    xmlNode* GetChild(int index) const;
    int HasAttribute(const std::string& name) const;
    xmlAttribute* Attribute(const std::string& name);
    const xmlAttribute* Attribute(const std::string& name) const;

    // Convenience readers used by every catalogue: the attribute's value, or `fallback` when missing.
    std::string AttributeString(const std::string& name, const std::string& fallback = "") const;
    int AttributeInt(const std::string& name, int fallback = 0) const;
    float AttributeFloat(const std::string& name, float fallback = 0) const;
};

// Numbers in our files are read as the leading decimal number of the text; a text without one is 0.
int XmlInt(const std::string& text);
float XmlFloat(const std::string& text);
