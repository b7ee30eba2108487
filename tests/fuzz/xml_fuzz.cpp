// Fuzzes the XML reader. Besides memory and undefined-behaviour checks it asserts a round trip:
// any tree the reader accepts, written back in the canonical form of our files, must read again
// to the very same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "xml.h"

namespace {

// The canonical text of a tree: one space after the element name, attributes separated by one
// space, empty elements as "<name/>".
void Write(const xmlNode& node, std::string* out) {
    *out += "<" + node.Name;
    for (size_t i = 0; i < node._attributes.size(); ++i) {
        *out += " ";
        *out += node._attributes[i].Name + "=\"" + node._attributes[i].Value + "\"";
    }
    if (node.ChildCount() == 0) {
        *out += "/>";
        return;
    }
    *out += ">";
    for (int i = 0; i < node.ChildCount(); ++i) Write(*node.GetChild(i), out);
    *out += "</" + node.Name + ">";
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)XmlInt(text);
    (void)XmlFloat(text);

    std::unique_ptr<xmlNode> root = xmlNode::LoadString(text);
    if (!root) return 0;
    for (const xmlAttribute& attribute : root->_attributes) {
        (void)XmlInt(attribute.Value);
        (void)XmlFloat(attribute.Value);
    }
    Check(root->Value.empty());

    std::string first;
    Write(*root, &first);
    std::unique_ptr<xmlNode> again = xmlNode::LoadString(first);
    Check(again != nullptr);
    std::string second;
    Write(*again, &second);
    Check(first == second);
    return 0;
}
