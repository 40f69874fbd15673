#include "store/recordfile/RecordFileTokenizer.h"

#include <QString>
#include <QStringDecoder>

#include <array>
#include <cstring>

namespace volmira::store::recordfile::detail {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isXmlBlank(text.front())) text.remove_prefix(1);
    return text;
}

// The encoding="..." of an XML declaration at the start of `text`, or empty.
QByteArray declaredEncoding(std::string_view text) {
    if (!startsWith(text, "<?xml") || text.size() < 6 || !isXmlBlank(text[5])) return {};
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return {};
    std::string_view rest = skipBlanks(declaration.substr(key + 8));
    if (rest.empty() || rest.front() != '=') return {};
    rest = skipBlanks(rest.substr(1));
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) return {};
    const size_t close = rest.find(rest.front(), 1);
    if (close == std::string_view::npos) return {};
    return QByteArray(rest.data() + 1, qsizetype(close - 1)).trimmed().toLower();
}

// Windows-1252 differs from Latin-1 in 0x80..0x9F only; the five unassigned
// bytes map to the C1 controls as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QByteArray fromWindows1252(std::string_view text) {
    QString decoded(qsizetype(text.size()), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(decoded.data());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte);
    }
    return decoded.toUtf8();
}

void appendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Bytes that end a name: blanks, markup and quotes.
constexpr std::array<bool, 256> kEndsName = [] {
    std::array<bool, 256> table{};
    for (const char c : std::string_view(" \t\r\n/>=<'\"")) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

}  // namespace

SourceFault prepareSource(std::string_view raw, Source &source) {
    source = Source{};
    bool decided = false;  // by a byte order mark or the UTF-16 shape of '<'
    if (startsWith(raw, "\xEF\xBB\xBF")) {
        raw.remove_prefix(3);
        decided = true;
    } else {
        const bool littleBom = startsWith(raw, "\xFF\xFE");
        const bool bigBom = startsWith(raw, "\xFE\xFF");
        const bool little = littleBom || startsWith(raw, std::string_view("<\0", 2));
        const bool big = bigBom || startsWith(raw, std::string_view("\0<", 2));
        if (little || big) {
            if (littleBom || bigBom) raw.remove_prefix(2);
            QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
            const QString text = decoder(QByteArrayView(raw.data(), qsizetype(raw.size())));
            source.converted = text.toUtf8();
            raw = std::string_view(source.converted.constData(), size_t(source.converted.size()));
            decided = true;
        }
    }
    const std::string_view start = skipBlanks(raw);
    if (start.empty()) return SourceFault::Empty;
    if (start.front() != '<') return SourceFault::NotXml;
    source.text = raw;
    if (decided) return SourceFault::None;

    const QByteArray encoding = declaredEncoding(start);
    if (encoding.isEmpty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii" ||
        encoding == "ascii" || encoding.startsWith("utf-16"))
        return SourceFault::None;  // a UTF-16 declaration in 8-bit bytes cannot be meant
    if (encoding == "iso-8859-1" || encoding == "iso_8859-1" || encoding == "iso8859-1" || encoding == "latin1" ||
        encoding == "latin-1" || encoding == "l1") {
        source.converted = QString::fromLatin1(raw.data(), qsizetype(raw.size())).toUtf8();
    } else if (encoding == "windows-1252" || encoding == "cp1252") {
        source.converted = fromWindows1252(raw);
    } else {
        source.encoding = encoding;
        return SourceFault::UnknownEncoding;
    }
    source.text = std::string_view(source.converted.constData(), size_t(source.converted.size()));
    return SourceFault::None;
}

void Tokenizer::reset(std::string_view text) {
    begin_ = at_ = text.data();
    end_ = text.data() + text.size();
    fault_ = ScanFault::None;
}

bool Tokenizer::fail(ScanFault fault) {
    fault_ = fault;
    return false;
}

bool Tokenizer::skipPast(std::string_view terminator) {
    const std::string_view rest(at_, size_t(end_ - at_));
    const size_t found = rest.find(terminator);
    if (found == std::string_view::npos) return fail(ScanFault::Truncated);
    at_ += found + terminator.size();
    return true;
}

std::string_view Tokenizer::name() {
    const char *start = at_;
    while (at_ != end_ && !kEndsName[static_cast<unsigned char>(*at_)]) ++at_;
    return {start, size_t(at_ - start)};
}

void Tokenizer::skipBlanks() {
    while (at_ != end_ && isXmlBlank(*at_)) ++at_;
}

bool Tokenizer::next(Tag &tag) {
    tag.attributes.clear();
    tag.selfClosing = false;
    for (;;) {
        const void *open = at_ == end_ ? nullptr : std::memchr(at_, '<', size_t(end_ - at_));
        if (!open) {
            at_ = end_;
            tag.kind = TagKind::EndOfInput;
            return true;
        }
        at_ = static_cast<const char *>(open) + 1;
        const std::string_view rest(at_, size_t(end_ - at_));
        if (rest.empty()) return fail(ScanFault::Truncated);
        if (rest.front() == '?') {
            if (!skipPast("?>")) return false;
            continue;
        }
        if (rest.front() == '!') {
            for (const auto &[opening, closing] : {std::pair<std::string_view, std::string_view>{"!--", "-->"},
                                                   {"![CDATA[", "]]>"}}) {
                if (startsWith(rest, opening)) {
                    at_ += opening.size();
                    if (!skipPast(closing)) return false;
                    break;
                }
                if (rest.size() < opening.size() && startsWith(opening, rest)) return fail(ScanFault::Truncated);
            }
            if (at_ == rest.data()) return fail(ScanFault::Unsupported);
            continue;
        }
        break;
    }

    const bool closing = *at_ == '/';
    if (closing) ++at_;
    tag.kind = closing ? TagKind::End : TagKind::Start;
    tag.name = name();
    if (at_ == end_) return fail(ScanFault::Truncated);
    if (tag.name.empty()) return fail(ScanFault::Malformed);
    for (;;) {
        skipBlanks();
        if (at_ == end_) return fail(ScanFault::Truncated);
        if (*at_ == '>') {
            ++at_;
            return true;
        }
        if (closing) return fail(ScanFault::Malformed);
        if (*at_ == '/') {
            if (++at_ == end_) return fail(ScanFault::Truncated);
            if (*at_ != '>') return fail(ScanFault::Malformed);
            ++at_;
            tag.selfClosing = true;
            return true;
        }
        Attribute attribute;
        attribute.name = name();
        if (attribute.name.empty()) return fail(ScanFault::Malformed);
        skipBlanks();
        if (at_ == end_) return fail(ScanFault::Truncated);
        if (*at_ != '=') return fail(ScanFault::Malformed);
        ++at_;
        skipBlanks();
        if (at_ == end_) return fail(ScanFault::Truncated);
        const char quote = *at_;
        if (quote != '\'' && quote != '"') return fail(ScanFault::Malformed);
        const char *valueStart = ++at_;
        const void *close = std::memchr(valueStart, quote, size_t(end_ - valueStart));
        if (!close) return fail(ScanFault::Truncated);
        at_ = static_cast<const char *>(close);
        const size_t length = size_t(at_ - valueStart);
        if (std::memchr(valueStart, '<', length)) return fail(ScanFault::LessThanInValue);
        attribute.value = std::string_view(valueStart, length);
        attribute.hasReference = std::memchr(valueStart, '&', length) != nullptr;
        ++at_;
        tag.attributes.push_back(attribute);
    }
}

ReferenceFault decodeReferences(std::string_view raw, std::string &out, std::string_view &bad) {
    // Longer references (leading zeros without end) are taken as malformed.
    constexpr size_t kLongestReference = 32;
    out.clear();
    size_t at = 0;
    for (;;) {
        const size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp == std::string_view::npos ? std::string_view::npos : amp - at));
        if (amp == std::string_view::npos) return ReferenceFault::None;
        const std::string_view window = raw.substr(amp, kLongestReference);
        const size_t semicolon = window.find(';');
        if (semicolon == std::string_view::npos) {
            bad = window.substr(0, window.find_first_of(" \t\r\n"));
            return ReferenceFault::Malformed;
        }
        bad = window.substr(0, semicolon + 1);
        const std::string_view body = window.substr(1, semicolon - 1);
        if (!body.empty() && body.front() == '#') {
            const bool hex = body.size() > 1 && body[1] == 'x';
            const std::string_view digits = body.substr(hex ? 2 : 1);
            if (digits.empty()) return ReferenceFault::Malformed;
            char32_t code = 0;
            for (const char c : digits) {
                const int digit = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
                if (digit < 0) return ReferenceFault::Malformed;
                code = code * (hex ? 16 : 10) + char32_t(digit);
                if (code > 0x10FFFF) return ReferenceFault::Malformed;
            }
            if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) return ReferenceFault::Malformed;
            appendUtf8(out, code);
        } else if (body == "amp") {
            out += '&';
        } else if (body == "lt") {
            out += '<';
        } else if (body == "gt") {
            out += '>';
        } else if (body == "quot") {
            out += '"';
        } else if (body == "apos") {
            out += '\'';
        } else {
            return ReferenceFault::Unknown;
        }
        at = amp + semicolon + 1;
    }
}

}  // namespace volmira::store::recordfile::detail
