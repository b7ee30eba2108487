// The XML reader: tokens, what it accepts and rejects, lookups and number reading.
#include "xml.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A compact picture of a tree: name[attr=value,...](children...). Text content never shows.
std::string Dump(const xmlNode* node) {
    if (!node) return "null";
    std::string out = node->Name + "[";
    for (size_t i = 0; i < node->_attributes.size(); ++i) {
        if (i) out += ",";
        out += node->_attributes[i].Name + "=" + node->_attributes[i].Value;
    }
    out += "](";
    for (int i = 0; i < node->ChildCount(); ++i) {
        if (i) out += ",";
        out += Dump(node->GetChild(i));
    }
    return out + ")";
}

std::string DumpOf(const std::string& text) { return Dump(xmlNode::LoadString(text).get()); }

struct TokenCase {
    std::string input;
    int token;
    std::string value;
    size_t pos_after;  // where the stream stands after the token
};

}  // namespace

TEST(XmlTokens, EachTokenReadsAndPushesBackExactly) {
    const TokenCase cases[] = {
        {"", -1, "", 0},
        {"  \t\r\nx", 0, "", 5},          // white space, the next character pushed back
        {" \r\n", -1, "", 3},             // white space running into the end
        {"# note\r\nx", 0, "", 6},        // comment stops before the line break
        {"# note", -1, "", 6},            // comment running into the end
        {"<?xml version=\"1.0\"?>x", 0, "", 21},
        {"<-- a > b -->", 0, "", 7},      // a comment ends at its first ">"
        {"<-- open", 9, "", 8},
        {"<?xml", 9, "", 5},
        {"</abc>", 3, "abc", 5},          // close tag, ">" pushed back
        {"</>", 3, "", 2},
        {"</a b>", 9, "a", 4},
        {"</a\tb>", 9, "a", 4},
        {"</a\n>", 9, "a", 4},
        {"</a/>", 9, "a", 4},
        {"</a\">", 9, "a", 4},
        {"</a", 9, "a", 3},
        {"<abc x", 1, "abc", 5},          // open tag, one space eaten
        {"<abc>", 1, "abc", 4},           // ">" pushed back
        {"<abc/>", 1, "abc", 4},          // "/" pushed back
        {"<a=b#c/>", 1, "a=b#c", 6},
        {"<ab\tc", 9, "ab", 4},
        {"<ab\rc", 9, "ab", 4},
        {"<ab\nc", 9, "ab", 4},
        {"<ab\"c", 9, "ab", 4},
        {"<ab", 9, "ab", 3},
        {"<", 9, "", 1},
        {"<!-- x -->", 1, "!--", 5},      // standard comments read as an element
        {"/>", 4, "", 2},
        {"/x", 9, "", 1},                 // the "x" is pushed back
        {"/", 9, "", 1},
        {">", 2, "", 1},
        {"=", 5, "", 1},
        {"\"a b\" \r\n\tx", 7, "a b", 9},  // white space after a quoted string is skipped
        {"\"a\nb<>/='\"x", 7, "a\nb<>/='", 10},
        {"\"\"x", 7, "", 2},
        {"\"ab", 9, "ab", 3},
        {"\"ab\"", -1, "ab", 4},          // the end right after a quoted string
        {"\"ab\"  ", -1, "ab", 6},
        {"hello world<", 6, "hello world", 11},
        {"x\ty z\r", 6, "x\ty z", 5},
        {"a\"b=", 6, "a\"b", 3},
        {"word/", 6, "word", 4},
        {"word>", 6, "word", 4},
        {"abc", 6, "abc", 3},
        {"&amp;", 6, "&amp;", 5},
        {"\xff\x80", 6, "\xff\x80", 2},  // high bytes are characters, not the end
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        xmlNode node;
        xmlStream stream;
        stream.data = reinterpret_cast<const unsigned char*>(c.input.data());
        stream.size = c.input.size();
        EXPECT_EQ(node._NextToken(stream), c.token);
        EXPECT_EQ(node.TokenValue, c.value);
        EXPECT_EQ(stream.pos, c.pos_after);
    }
}

TEST(XmlTokens, GetCharAndRewind) {
    const std::string text = "a\xff";
    xmlStream stream;
    stream.data = reinterpret_cast<const unsigned char*>(text.data());
    stream.size = text.size();
    xmlNode node;
    EXPECT_EQ(node._GetChar(stream), 'a');
    EXPECT_EQ(node._GetChar(stream), 255);
    EXPECT_EQ(node._GetChar(stream), -1);
    EXPECT_EQ(node._GetChar(stream), -1);
    node._Rewind(stream);
    EXPECT_EQ(node._GetChar(stream), 255);
}

TEST(XmlReader, AcceptsTheDocumentsOfTheFormat) {
    const std::pair<std::string, std::string> cases[] = {
        {"<?xml version=\"1.0\"?>\r\n<items>\r\n  <item id=\"1\" name=\"Apple\"/>\r\n"
         "  <item id=\"2\"/>\r\n</items>\r\n",
         "items[](item[id=1,name=Apple](),item[id=2]())"},
        {"<a/>", "a[]()"},
        {"<a />", "a[]()"},
        {"<a></a>", "a[]()"},
        {"<a>\r\n\t</a>", "a[]()"},
        {"<a x=\"1\"/>", "a[x=1]()"},
        {"<a x=\"1\" />", "a[x=1]()"},
        {"<a x=\"1\"\r\n/>", "a[x=1]()"},
        {"<a x=\"1\">\n</a>", "a[x=1]()"},
        // any white space between attributes, or none
        {"<a x=\"1\"  \t\r\n y=\"2\"/>", "a[x=1,y=2]()"},
        {"<a x=\"1\"y=\"2\"/>", "a[x=1,y=2]()"},
        // a space before "=" belongs to the attribute's name
        {"<a x =\"1\"/>", "a[x =1]()"},
        {"<a x\"y=\"1\"/>", "a[x\"y=1]()"},
        // duplicates are kept in order; an empty value is fine
        {"<a x=\"1\" x=\"2\" e=\"\"/>", "a[x=1,x=2,e=]()"},
        // values are raw bytes: no entities, line breaks and markup characters kept
        {"<a v=\"&lt;&amp;'<b/>#\r\nz\"/>", "a[v=&lt;&amp;'<b/>#\r\nz]()"},
        // element names run to a space, ">" or "/": other characters belong to them
        {"<a=b#c/>", "a=b#c[]()"},
        {"<\xe9t\xe9 n\xfcm=\"\xff\"/>", "\xe9t\xe9[n\xfcm=\xff]()"},
        // element text is accepted and dropped
        {"<a>hello world</a>", "a[]()"},
        {"<a>x = y \"quoted\" # not a comment here?</a>", "a[]()"},
        {"<a><b>text</b>more text<c/></a>", "a[](b[](),c[]())"},
        // "#" comments to the end of the line, between elements and around the root
        {"# header\r\n<a>\r\n# <b/> hidden\r\n<c/>\r\n</a>\r\n# trailer", "a[](c[]())"},
        {"<a/># runs into the end", "a[]()"},
        // "<--" comments without "!"; and declarations
        {"<-- first -->\n<a><-- note --><b/></a>", "a[](b[]())"},
        {"<?xml version=\"1.0\"?><?other?><a/>", "a[]()"},
        // quoted strings and "=" outside tags are skipped
        {"\"stray\" = <a/>", "a[]()"},
        {"<a>=</a>", "a[]()"},
        // nesting, order kept
        {"<r><a><b/><c d=\"1\"/></a><e/></r>", "r[](a[](b[](),c[d=1]()),e[]())"},
        // a second top-level element is parsed and dropped
        {"<a/><b/>", "a[]()"},
        {"<a x=\"1\"/>\n<a x=\"2\"><c/></a>", "a[x=1]()"},
        // "</>" closes the unnamed document node: reading stops there
        {"<a/></>text after", "a[]()"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.first));
        EXPECT_EQ(DumpOf(c.first), c.second);
    }
}

TEST(XmlReader, RejectsEverythingOutsideTheFormat) {
    const std::string cases[] = {
        // attribute values must be double-quoted, "=" without white space after it
        "<a x='1'/>", "<a x=1/>", "<a x= \"1\"/>", "<a x/>", "<a x=/>", "<a x=\"1/>",
        "<a x=\"1\" =/>", "<a x=\"1\"=\"2\"/>", "<a \"1\"/>",
        // exactly one space after the element name
        "<a  x=\"1\"/>", "<a\tx=\"1\"/>", "<a\r\nx=\"1\"/>", "<a\nx=\"1\"/>", "<a \n/>",
        "<a\"b/>", "<a/ >", "<a/ x=\"1\">",
        // end tags: no space anywhere, exact and case-sensitive names
        "<a></a >", "<a></ a>", "<a>< /a>", "<a></b>", "<a></A>", "<a></a/>", "<a></a",
        // unclosed elements and cut-off input
        "<a>", "<a><b></a>", "<a><b>", "<a", "<", "<a/", "<a x", "<a x=", "<a x=\"1\"",
        "<a>#comment to the end", "<?xml", "<-- unterminated",
        // text outside the root element, stray tag ends
        "<a/>text", "text<a/>", "<a/>\n text\n", "<a>></a>", "<a>/></a>", ">", "/>",
        "<a>and/or</a>", "</a>",
        // a "<--" comment ends at its first ">"
        "<a><-- x > y --></a>", "<-- a > b --><a/>",
        // standard comments and declarations with "!" are not supported
        "<!-- comment --><a/>", "<a><!-- comment --></a>", "<!DOCTYPE a><a/>",
        // a broken second top-level element fails the file
        "<a/><b x='1'/>", "<a/><b>",
    };
    for (const std::string& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c));
        EXPECT_EQ(xmlNode::LoadString(c), nullptr);
    }
}

TEST(XmlReader, EmptyDocumentsHaveNoElement) {
    for (const std::string& c : {std::string(""), std::string(" \r\n\t"), std::string("<?xml version=\"1.0\"?>\r\n"),
                                 std::string("# only a comment\r\n<-- and another -->"), std::string("</>")}) {
        SCOPED_TRACE(testing::PrintToString(c));
        EXPECT_EQ(xmlNode::LoadString(c), nullptr);
    }
}

TEST(XmlReader, DeepNestingNeitherOverflowsNorFails) {
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    std::string unclosed = text;
    for (int i = 0; i < depth; ++i) text += "</a>";
    std::unique_ptr<xmlNode> root = xmlNode::LoadString(text);
    ASSERT_NE(root, nullptr);
    int levels = 1;
    for (const xmlNode* n = root.get(); n->ChildCount() == 1; n = n->GetChild(0)) ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(xmlNode::LoadString(unclosed), nullptr);
}

TEST(XmlReader, LookupsAreExactAndCaseSensitive) {
    std::unique_ptr<xmlNode> root =
        xmlNode::LoadString("<root><x name=\"first\" name=\"second\" n=\"5\" f=\"-1.5e2\"/><y/></root>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Name, "root");
    EXPECT_EQ(root->Value, "");
    EXPECT_EQ(root->ChildCount(), 2);
    EXPECT_EQ(root->GetChild(-1), nullptr);
    EXPECT_EQ(root->GetChild(2), nullptr);
    ASSERT_NE(root->GetChild(1), nullptr);
    EXPECT_EQ(root->GetChild(1)->Name, "y");

    xmlNode* x = root->GetChild(0);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->HasAttribute("name"), 1);
    EXPECT_EQ(x->HasAttribute("Name"), 0);
    EXPECT_EQ(x->HasAttribute("nam"), 0);
    ASSERT_NE(x->Attribute("name"), nullptr);
    EXPECT_EQ(x->Attribute("name")->Value, "first");
    EXPECT_EQ(x->Attribute("NAME"), nullptr);
    const xmlNode* cx = x;
    ASSERT_NE(cx->Attribute("name"), nullptr);
    EXPECT_EQ(cx->Attribute("name")->Value, "first");

    EXPECT_EQ(x->AttributeString("name"), "first");
    EXPECT_EQ(x->AttributeString("missing", "dflt"), "dflt");
    EXPECT_EQ(x->AttributeInt("n"), 5);
    EXPECT_EQ(x->AttributeInt("missing", 7), 7);
    EXPECT_EQ(x->AttributeInt("name", 7), 0);  // present but not a number
    EXPECT_FLOAT_EQ(x->AttributeFloat("f"), -150.0f);
    EXPECT_FLOAT_EQ(x->AttributeFloat("missing", 2.5f), 2.5f);
}

TEST(XmlReader, LoadsFilesByPath) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("mossmeadow_xml_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    const std::string good = (dir / "good.xml").string();
    const std::string bad = (dir / "bad.xml").string();
    {
        std::ofstream(good, std::ios::binary) << "<?xml version=\"1.0\"?>\r\n<list>\r\n  <e id=\"1\"/>\r\n  <e id=\"2\"/>\r\n</list>\r\n";
        std::ofstream(bad, std::ios::binary) << "<list>\r\n  <e id='1'/>\r\n</list>\r\n";
    }
    std::unique_ptr<xmlNode> root = xmlNode::Load(good);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Dump(root.get()), "list[](e[id=1](),e[id=2]())");
    EXPECT_EQ(root->GetChild(0)->Attribute("id")->Value, "1");
    EXPECT_EQ(xmlNode::Load(bad), nullptr);
    EXPECT_EQ(xmlNode::Load((dir / "missing.xml").string()), nullptr);
    EXPECT_EQ(xmlNode::Load(dir.string()), nullptr);  // a folder cannot be read
    fs::remove_all(dir);
}

TEST(XmlNumbers, IntIsTheLeadingDecimalNumberClamped) {
    const std::pair<std::string, int> cases[] = {
        {"12abc", 12}, {"-3", -3}, {"abc", 0}, {"", 0}, {"+7", 7}, {"  42", 42}, {"\t-8x", -8},
        {"12.9", 12}, {"-12.9", -12}, {"-0", 0}, {"- 3", 0}, {"0x10", 0}, {"007", 7}, {"1e3", 1},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN}, {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(XmlInt(c.first), c.second);
    }
}

TEST(XmlNumbers, FloatIsTheLeadingDecimalNumberClamped) {
    const std::pair<std::string, float> cases[] = {
        {"0.005", 0.005f}, {"-1.5e2", -150.0f}, {"1.5E+1", 15.0f}, {"2e-1x", 0.2f},
        {"1.5e", 1.5f}, {"1.5e+", 1.5f}, {"abc", 0.0f}, {"", 0.0f}, {".5", 0.5f}, {"5.", 5.0f},
        {"-.25", -0.25f}, {".", 0.0f}, {"-", 0.0f}, {"e5", 0.0f}, {" 2.5kg", 2.5f}, {"+3", 3.0f},
        {"0.8", 0.8f}, {"1e999", FLT_MAX}, {"-1e999", -FLT_MAX}, {"1e39", FLT_MAX},
        {"1e-999", 0.0f}, {"inf", 0.0f}, {"nan", 0.0f}, {"0x1p3", 0.0f}, {"12,5", 12.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(XmlFloat(c.first), c.second);
    }
}
