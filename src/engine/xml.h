// The XML reader of all our data files: a strict little subset (attributes in double quotes, no
// entities, "#" and "<-- -->" comments). Bytes are characters; nothing is decoded.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// The bytes being parsed and the read position. Each byte is one character (0..255).
struct xmlStream {
    const unsigned char* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
};

// Token codes of xmlNode::_NextToken.
enum {
    XML_TOKEN_END = -1,
    XML_TOKEN_IGNORE = 0,
    XML_TOKEN_OPEN = 1,
    XML_TOKEN_TAG_END = 2,
    XML_TOKEN_CLOSE = 3,
    XML_TOKEN_EMPTY_END = 4,
    XML_TOKEN_EQUALS = 5,
    XML_TOKEN_WORD = 6,
    XML_TOKEN_STRING = 7,
    XML_TOKEN_ERROR = 9
};

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

    xmlNode() = default;
    xmlNode(const xmlNode&) = delete;
    xmlNode& operator=(const xmlNode&) = delete;
    // Frees the subtree without recursion, so even absurdly deep files cannot exhaust the stack.
    virtual ~xmlNode();

    // The first top-level element of the file (null if there is none, or the file is missing or
    // malformed). The caller owns the result.
    static std::unique_ptr<xmlNode> Load(const std::string& path);
    // The same for text already in memory.
    static std::unique_ptr<xmlNode> LoadString(const std::string& text);

    // The parser. _GetChar: the next byte, or -1 at the end. _Rewind: pushes the last byte back.
    // _NextToken: reads one token into TokenValue and returns its XML_TOKEN_ code. _Parse: reads
    // the content of this node (`parent` is the node that contains it, null for the document
    // node) up to its close tag, or to the end of the stream for the document node; 1 on
    // success, 0 on a syntax error.
    virtual int _GetChar(xmlStream& stream);
    virtual void _Rewind(xmlStream& stream);
    virtual int _NextToken(xmlStream& stream);
    virtual int _Parse(xmlNode* parent, xmlStream& stream);

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
