#pragma once

#include <QByteArray>

#include <string>
#include <string_view>
#include <vector>

// The XML layer of record files: the bytes brought to UTF-8, split into tags
// and attributes. Attribute values stay raw byte ranges of the input, so a
// row costs no copies until its values are converted, and nothing in them is
// normalised: a raw TAB, CR or LF is data.
namespace volmira::store::recordfile::detail {

[[nodiscard]] inline bool isXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

enum class SourceFault { None, Empty, NotXml, UnknownEncoding };

// The input as UTF-8 text without byte order mark. `converted` holds the text
// when the input was UTF-16, Latin-1 or Windows-1252; otherwise the text is a
// view of `raw`. `encoding` names a declared encoding that is not supported.
struct Source {
    std::string_view text;
    QByteArray converted;
    QByteArray encoding;
};

[[nodiscard]] SourceFault prepareSource(std::string_view raw, Source &source);

struct Attribute {
    std::string_view name;
    std::string_view value;  // between the quotes, references not decoded
    bool hasReference = false;
};

enum class TagKind { Start, End, EndOfInput };

struct Tag {
    TagKind kind = TagKind::EndOfInput;
    std::string_view name;
    bool selfClosing = false;
    std::vector<Attribute> attributes;  // reused from tag to tag
};

enum class ScanFault {
    None,
    Truncated,        // the input ends inside a tag, a value or a comment
    Malformed,        // a tag that breaks the XML syntax
    LessThanInValue,  // a raw '<' in a value: most likely a quote left open
    Unsupported,      // a document type declaration and other markup
};

// Reads tags one by one, passing over text, comments, CDATA sections and
// processing instructions. No element tree is built; the caller keeps its own
// stack, so deep nesting costs no recursion.
class Tokenizer {
public:
    void reset(std::string_view text);
    // False on a fault; the end of the input is a tag of kind EndOfInput.
    [[nodiscard]] bool next(Tag &tag);
    [[nodiscard]] ScanFault fault() const { return fault_; }

private:
    bool fail(ScanFault fault);
    bool skipPast(std::string_view terminator);
    std::string_view name();
    void skipBlanks();

    const char *begin_ = nullptr;
    const char *at_ = nullptr;
    const char *end_ = nullptr;
    ScanFault fault_ = ScanFault::None;
};

enum class ReferenceFault { None, Unknown, Malformed };

// Decodes character references and the five predefined entities of `raw`
// into `out` (UTF-8). On a fault `bad` shows the reference at fault.
[[nodiscard]] ReferenceFault decodeReferences(std::string_view raw, std::string &out, std::string_view &bad);

}  // namespace volmira::store::recordfile::detail
