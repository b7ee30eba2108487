#include "xml.h"

#include <cfloat>
#include <climits>
#include <cstdlib>

namespace {

bool IsLineSpace(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Parses `bytes` into a fresh document node and hands back its first top-level element.
std::unique_ptr<xmlNode> ParseDocument(const std::string& bytes) {
    xmlStream stream;
    stream.data = reinterpret_cast<const unsigned char*>(bytes.data());
    stream.size = bytes.size();
    xmlNode document;
    if (!document._Parse(nullptr, stream)) return nullptr;
    if (document._children.empty()) return nullptr;
    return std::move(document._children.front());
}

// Reads a whole file; false when it cannot be opened or read (a folder, say).
bool ReadWholeFile(const std::string& path, std::string* out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    out->clear();
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) out->append(buffer, count);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Skips the white space in front of a number, as strtod and strtol do.
size_t SkipLeadingSpace(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    return i;
}

}  // namespace

xmlNode::~xmlNode() {
    // Take the subtree apart breadth-first so that each node dies childless.
    std::vector<std::unique_ptr<xmlNode>> pending = std::move(_children);
    while (!pending.empty()) {
        std::unique_ptr<xmlNode> node = std::move(pending.back());
        pending.pop_back();
        if (!node) continue;  // a child already handed out (Load moves the root out)
        for (auto& child : node->_children) pending.push_back(std::move(child));
        node->_children.clear();
    }
}

std::unique_ptr<xmlNode> xmlNode::Load(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) return nullptr;
    return ParseDocument(bytes);
}

std::unique_ptr<xmlNode> xmlNode::LoadString(const std::string& text) { return ParseDocument(text); }

int xmlNode::_GetChar(xmlStream& stream) {
    if (stream.pos >= stream.size) return -1;
    return stream.data[stream.pos++];
}

void xmlNode::_Rewind(xmlStream& stream) {
    if (stream.pos > 0) --stream.pos;
}

int xmlNode::_NextToken(xmlStream& stream) {
    TokenValue.clear();
    int c = _GetChar(stream);
    if (c == -1) return XML_TOKEN_END;

    if (IsLineSpace(c)) {
        for (;;) {
            c = _GetChar(stream);
            if (c == -1) return XML_TOKEN_END;
            if (!IsLineSpace(c)) {
                _Rewind(stream);
                return XML_TOKEN_IGNORE;
            }
        }
    }

    switch (c) {
        case '#':  // a comment to the end of the line
            for (;;) {
                c = _GetChar(stream);
                if (c == -1) return XML_TOKEN_END;
                if (c == '\r' || c == '\n') {
                    _Rewind(stream);
                    return XML_TOKEN_IGNORE;
                }
            }

        case '<':
            c = _GetChar(stream);
            if (c == -1) return XML_TOKEN_ERROR;
            if (c == '-' || c == '?') {
                // The declaration "<?...>" or a comment "<--...-->": up to the first ">".
                for (;;) {
                    c = _GetChar(stream);
                    if (c == -1) return XML_TOKEN_ERROR;
                    if (c == '>') return XML_TOKEN_IGNORE;
                }
            }
            if (c == '/') {
                // A close tag: the name runs to ">", which is left for the caller.
                for (;;) {
                    c = _GetChar(stream);
                    if (c == -1 || IsLineSpace(c) || c == '/' || c == '"') return XML_TOKEN_ERROR;
                    if (c == '>') {
                        _Rewind(stream);
                        return XML_TOKEN_CLOSE;
                    }
                    TokenValue += static_cast<char>(c);
                }
            }
            // An open tag: the name starts with this character and runs to a space (eaten), or
            // to ">" or "/" (left for the caller).
            TokenValue += static_cast<char>(c);
            for (;;) {
                c = _GetChar(stream);
                if (c == ' ') return XML_TOKEN_OPEN;
                if (c == '>' || c == '/') {
                    _Rewind(stream);
                    return XML_TOKEN_OPEN;
                }
                if (c == -1 || c == '\t' || c == '\r' || c == '\n' || c == '"') return XML_TOKEN_ERROR;
                TokenValue += static_cast<char>(c);
            }

        case '/':
            c = _GetChar(stream);
            if (c == '>') return XML_TOKEN_EMPTY_END;
            if (c != -1) _Rewind(stream);
            return XML_TOKEN_ERROR;

        case '>':
            return XML_TOKEN_TAG_END;

        case '=':
            return XML_TOKEN_EQUALS;

        case '"':
            for (;;) {
                c = _GetChar(stream);
                if (c == -1) return XML_TOKEN_ERROR;
                if (c == '"') break;
                TokenValue += static_cast<char>(c);
            }
            // White space after a quoted value belongs to nothing: skip it.
            for (;;) {
                c = _GetChar(stream);
                if (c == -1) return XML_TOKEN_END;
                if (!IsLineSpace(c)) {
                    _Rewind(stream);
                    return XML_TOKEN_STRING;
                }
            }

        default:
            // A word: spaces and tabs belong to it; it ends before < / = > CR LF or at the end.
            TokenValue += static_cast<char>(c);
            for (;;) {
                c = _GetChar(stream);
                if (c == -1) return XML_TOKEN_WORD;
                if (c == '<' || c == '/' || c == '=' || c == '>' || c == '\r' || c == '\n') {
                    _Rewind(stream);
                    return XML_TOKEN_WORD;
                }
                TokenValue += static_cast<char>(c);
            }
    }
}

int xmlNode::_Parse(xmlNode* parent, xmlStream& stream) {
    // Each nested element's content is read in turn. The elements still open are kept on an
    // explicit stack instead of the call stack, so nesting depth is limited only by memory; the
    // result is the same as reading each element's content with a nested call. A finished
    // element joins its parent's children when its close tag has been read, so a syntax error
    // anywhere fails the whole parse.
    struct Open {
        xmlNode* node;
        xmlNode* parent;
        std::unique_ptr<xmlNode> owned;  // null for the node _Parse was called on
    };
    std::vector<Open> open;
    open.push_back({this, parent, nullptr});

    for (;;) {
        xmlNode* node = open.back().node;
        xmlNode* node_parent = open.back().parent;
        switch (node->_NextToken(stream)) {
            case XML_TOKEN_OPEN: {
                auto child = std::make_unique<xmlNode>();
                child->Name = node->TokenValue;
                int token = node->_NextToken(stream);
                while (token == XML_TOKEN_WORD) {
                    xmlAttribute attribute;
                    attribute.Name = node->TokenValue;
                    if (node->_NextToken(stream) != XML_TOKEN_EQUALS) return 0;
                    if (node->_NextToken(stream) != XML_TOKEN_STRING) return 0;
                    attribute.Value = node->TokenValue;
                    child->_attributes.push_back(std::move(attribute));
                    token = node->_NextToken(stream);
                }
                if (token == XML_TOKEN_TAG_END) {
                    xmlNode* raw = child.get();
                    open.push_back({raw, node, std::move(child)});
                } else if (token == XML_TOKEN_EMPTY_END) {
                    node->_children.push_back(std::move(child));
                } else {
                    return 0;
                }
                break;
            }

            case XML_TOKEN_CLOSE:
                if (node->TokenValue != node->Name) return 0;
                if (node->_NextToken(stream) != XML_TOKEN_TAG_END) return 0;
                if (open.size() == 1) return 1;
                {
                    std::unique_ptr<xmlNode> done = std::move(open.back().owned);
                    open.pop_back();
                    open.back().node->_children.push_back(std::move(done));
                }
                break;

            case XML_TOKEN_WORD:
                // Element text is accepted and dropped; text outside the top-level element is not.
                if (!node_parent) return 0;
                break;

            case XML_TOKEN_TAG_END:
            case XML_TOKEN_EMPTY_END:
            case XML_TOKEN_ERROR:
                return 0;

            case XML_TOKEN_END:
                // Only the document itself may end here; any open element is unclosed.
                return node_parent ? 0 : 1;

            default:  // ignored text, a stray "=" or a quoted string outside a tag
                break;
        }
    }
}

int xmlNode::ChildCount() const { return static_cast<int>(_children.size()); }

xmlNode* xmlNode::GetChild(int index) const {
    if (index < 0 || index >= ChildCount()) return nullptr;
    return _children[static_cast<size_t>(index)].get();
}

int xmlNode::HasAttribute(const std::string& name) const { return Attribute(name) ? 1 : 0; }

xmlAttribute* xmlNode::Attribute(const std::string& name) {
    for (auto& attribute : _attributes)
        if (attribute.Name == name) return &attribute;
    return nullptr;
}

const xmlAttribute* xmlNode::Attribute(const std::string& name) const {
    for (const auto& attribute : _attributes)
        if (attribute.Name == name) return &attribute;
    return nullptr;
}

std::string xmlNode::AttributeString(const std::string& name, const std::string& fallback) const {
    const xmlAttribute* attribute = Attribute(name);
    return attribute ? attribute->Value : fallback;
}

int xmlNode::AttributeInt(const std::string& name, int fallback) const {
    const xmlAttribute* attribute = Attribute(name);
    return attribute ? XmlInt(attribute->Value) : fallback;
}

float xmlNode::AttributeFloat(const std::string& name, float fallback) const {
    const xmlAttribute* attribute = Attribute(name);
    return attribute ? XmlFloat(attribute->Value) : fallback;
}

int XmlInt(const std::string& text) {
    size_t i = SkipLeadingSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate as a negative number, which reaches INT_MIN; clamp once past either end.
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && IsDigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

float XmlFloat(const std::string& text) {
    // Find the leading decimal number: [sign] digits [. digits] [e [sign] digits], at least one
    // digit in the mantissa. Only that is handed to strtod, so hex, "inf" and "nan" read as 0.
    size_t start = SkipLeadingSpace(text);
    size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(static_cast<unsigned char>(text[j]))) {
            while (j < text.size() && IsDigit(static_cast<unsigned char>(text[j]))) ++j;
            i = j;
        }
    }
    std::string number = text.substr(start, i - start);
    double value = std::strtod(number.c_str(), nullptr);
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}
