#include "store/CodePage1252.h"
#include "store/Rtf.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace volmira::store {

namespace {

// Deeper groups are read with the format of the 512th; numbers are capped, so
// that no input overflows the depth of the state stack or an integer.
constexpr qsizetype kMaxDepth = 512;
constexpr qint64 kNumberCap = 1'000'000'000;
constexpr qsizetype kMaxWordLength = 32;

enum class Action {
    Paragraph,
    Character,
    Bold,
    Plain,
    Colour,
    Unicode,
    UnicodeSkip,
    Binary,
    ColourTable,
    Red,
    Green,
    Blue,
    Destination,  // a group whose content is no text of the note
};

struct Word {
    std::string_view name;
    Action action;
    char16_t character = 0;
};

// Sorted by name. Other words are ignored, and the text of their groups is
// read unless \* marks the group as one to skip.
constexpr std::array kWords = {
    Word{"aftncn", Action::Destination},
    Word{"aftnsep", Action::Destination},
    Word{"aftnsepc", Action::Destination},
    Word{"annotation", Action::Destination},
    Word{"atnauthor", Action::Destination},
    Word{"atnid", Action::Destination},
    Word{"b", Action::Bold},
    Word{"bin", Action::Binary},
    Word{"blue", Action::Blue},
    Word{"bullet", Action::Character, 0x2022},
    Word{"cell", Action::Character, u'\t'},
    Word{"cf", Action::Colour},
    Word{"colortbl", Action::ColourTable},
    Word{"do", Action::Destination},
    Word{"emdash", Action::Character, 0x2014},
    Word{"emspace", Action::Character, 0x2003},
    Word{"endash", Action::Character, 0x2013},
    Word{"enspace", Action::Character, 0x2002},
    Word{"fldinst", Action::Destination},
    Word{"fonttbl", Action::Destination},
    Word{"footer", Action::Destination},
    Word{"footerf", Action::Destination},
    Word{"footerl", Action::Destination},
    Word{"footerr", Action::Destination},
    Word{"footnote", Action::Destination},
    Word{"ftncn", Action::Destination},
    Word{"ftnsep", Action::Destination},
    Word{"ftnsepc", Action::Destination},
    Word{"green", Action::Green},
    Word{"header", Action::Destination},
    Word{"headerf", Action::Destination},
    Word{"headerl", Action::Destination},
    Word{"headerr", Action::Destination},
    Word{"info", Action::Destination},
    Word{"ldblquote", Action::Character, 0x201C},
    Word{"line", Action::Paragraph},
    Word{"listoverridetable", Action::Destination},
    Word{"listtable", Action::Destination},
    Word{"lquote", Action::Character, 0x2018},
    Word{"ltrmark", Action::Character, 0x200E},
    Word{"nestcell", Action::Character, u'\t'},
    Word{"nonshppict", Action::Destination},
    Word{"object", Action::Destination},
    Word{"page", Action::Paragraph},
    Word{"par", Action::Paragraph},
    Word{"pict", Action::Destination},
    Word{"plain", Action::Plain},
    Word{"qmspace", Action::Character, 0x2005},
    Word{"rdblquote", Action::Character, 0x201D},
    Word{"red", Action::Red},
    Word{"revtbl", Action::Destination},
    Word{"row", Action::Paragraph},
    Word{"rquote", Action::Character, 0x2019},
    Word{"rtlmark", Action::Character, 0x200F},
    Word{"sect", Action::Paragraph},
    Word{"shppict", Action::Destination},
    Word{"stylesheet", Action::Destination},
    Word{"tab", Action::Character, u'\t'},
    Word{"u", Action::Unicode},
    Word{"uc", Action::UnicodeSkip},
    Word{"xe", Action::Destination},
    Word{"zwj", Action::Character, 0x200D},
    Word{"zwnj", Action::Character, 0x200C},
};
static_assert(std::ranges::is_sorted(kWords, {}, &Word::name));

const Word *findWord(QStringView name) {
    if (name.size() > kMaxWordLength) return nullptr;
    std::array<char, kMaxWordLength> letters{};
    for (qsizetype i = 0; i < name.size(); ++i) letters[std::size_t(i)] = char(name[i].unicode());
    const std::string_view key(letters.data(), std::size_t(name.size()));
    const auto found = std::ranges::lower_bound(kWords, key, {}, &Word::name);
    return found != kWords.end() && found->name == key ? &*found : nullptr;
}

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c) {
    if (isDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(QStringView rtf) : in_(rtf) { states_.push_back(State{}); }

    NoteText read();

private:
    struct State {
        bool bold = false;
        qint64 colour = -1;  // index into the colour table; -1: none chosen
        qint64 unicodeSkip = 1;
        bool colourTable = false;
    };

    struct ControlWord {
        QStringView name;
        bool hasNumber = false;
        qint64 number = 0;
    };

    State &state() { return states_.back(); }
    std::optional<Rgb> colour() const;
    void openGroup();
    bool closeGroup();
    void text();
    void controlSequence();
    ControlWord controlWord();
    void apply(const Word &word, const ControlWord &control);
    void character(char16_t c);
    bool skippedAfterUnicode();
    void skipBinary(qint64 length);
    void skipGroup();

    QStringView in_;
    qsizetype pos_ = 0;
    std::vector<State> states_;
    qsizetype overflow_ = 0;  // groups opened beyond kMaxDepth
    qint64 toSkip_ = 0;       // characters after \uN standing in for it
    std::vector<std::optional<Rgb>> colours_;
    Rgb entry_;
    bool entrySet_ = false;
    NoteBuilder builder_;
};

NoteText Reader::read() {
    while (pos_ < in_.size()) {
        switch (in_[pos_].unicode()) {
        case u'{':
            ++pos_;
            openGroup();
            break;
        case u'}':
            ++pos_;
            if (closeGroup()) return builder_.finish();
            break;
        case u'\\':
            ++pos_;
            controlSequence();
            break;
        case u'\r':
        case u'\n':
            ++pos_;
            break;
        default:
            text();
        }
    }
    return builder_.finish();
}

std::optional<Rgb> Reader::colour() const {
    const qint64 index = states_.back().colour;
    return index >= 0 && index < qint64(colours_.size()) ? colours_[std::size_t(index)] : std::nullopt;
}

void Reader::openGroup() {
    toSkip_ = 0;
    if (qsizetype(states_.size()) > kMaxDepth)
        ++overflow_;
    else
        states_.push_back(states_.back());
}

// True when the outermost group closed: the document ends there.
bool Reader::closeGroup() {
    toSkip_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return false;
    }
    if (states_.size() == 1) return false;
    states_.pop_back();
    return states_.size() == 1;
}

void Reader::text() {
    const qsizetype start = pos_;
    while (pos_ < in_.size()) {
        const char16_t c = in_[pos_].unicode();
        if (c == u'\\' || c == u'{' || c == u'}' || c == u'\r' || c == u'\n') break;
        ++pos_;
    }
    QStringView piece = in_.sliced(start, pos_ - start);
    if (toSkip_ > 0) {
        const qsizetype skipped = qsizetype(std::min<qint64>(toSkip_, piece.size()));
        toSkip_ -= skipped;
        piece = piece.sliced(skipped);
    }
    if (!state().colourTable) {
        builder_.add(piece, state().bold, colour());
        return;
    }
    for (QChar c : piece) {
        if (c != u';') continue;
        colours_.push_back(entrySet_ ? std::optional(entry_) : std::nullopt);
        entry_ = Rgb();
        entrySet_ = false;
    }
}

bool Reader::skippedAfterUnicode() {
    if (toSkip_ == 0) return false;
    --toSkip_;
    return true;
}

void Reader::character(char16_t c) {
    if (!state().colourTable) builder_.add(c, state().bold, colour());
}

void Reader::controlSequence() {
    if (pos_ >= in_.size()) return;
    const char16_t c = in_[pos_].unicode();
    if (isLetter(c)) {
        const ControlWord control = controlWord();
        const Word *word = findWord(control.name);
        if (word && word->action == Action::Binary) {
            skipBinary(control.hasNumber ? control.number : 0);
            return;
        }
        if (!skippedAfterUnicode() && word) apply(*word, control);
        return;
    }
    ++pos_;
    if (c == u'\'') {
        int byte = 0;
        int digits = 0;
        for (; digits < 2 && pos_ < in_.size() && hexValue(in_[pos_].unicode()) >= 0; ++digits, ++pos_)
            byte = byte * 16 + hexValue(in_[pos_].unicode());
        if (digits > 0 && !skippedAfterUnicode()) character(fromCodePage1252(std::uint8_t(byte)));
        return;
    }
    if (skippedAfterUnicode()) return;
    switch (c) {
    case u'\\':
    case u'{':
    case u'}':
        character(c);
        break;
    case u'~':
        character(0x00A0);
        break;
    case u'_':
        character(0x2011);
        break;
    case u'\r':
    case u'\n':
        if (!state().colourTable) builder_.endParagraph();
        break;
    case u'*':
        skipGroup();
        break;
    default:
        break;
    }
}

Reader::ControlWord Reader::controlWord() {
    ControlWord control;
    const qsizetype start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_].unicode())) ++pos_;
    control.name = in_.sliced(start, pos_ - start);
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == u'-' && isDigit(in_[pos_ + 1].unicode())) {
        negative = true;
        ++pos_;
    }
    while (pos_ < in_.size() && isDigit(in_[pos_].unicode())) {
        control.hasNumber = true;
        control.number = std::min(control.number * 10 + (in_[pos_].unicode() - u'0'), kNumberCap);
        ++pos_;
    }
    if (negative) control.number = -control.number;
    if (pos_ < in_.size() && in_[pos_] == u' ') ++pos_;
    return control;
}

void Reader::apply(const Word &word, const ControlWord &control) {
    const qint64 number = control.hasNumber ? control.number : 0;
    const std::uint8_t component = std::uint8_t(std::clamp<qint64>(number, 0, 255));
    switch (word.action) {
    case Action::Paragraph:
        if (!state().colourTable) builder_.endParagraph();
        break;
    case Action::Character:
        character(word.character);
        break;
    case Action::Bold:
        state().bold = !control.hasNumber || number != 0;
        break;
    case Action::Plain:
        state().bold = false;
        state().colour = -1;
        break;
    case Action::Colour:
        state().colour = number;
        break;
    case Action::Unicode: {
        // 16-bit signed for the characters from U+8000 up.
        const qint64 code = number < 0 ? number + 0x10000 : number;
        character(code >= 0 && code <= 0xFFFF ? char16_t(code) : char16_t(0xFFFD));
        toSkip_ = state().unicodeSkip;
        break;
    }
    case Action::UnicodeSkip:
        state().unicodeSkip = std::max<qint64>(number, 0);
        break;
    case Action::ColourTable:
        state().colourTable = true;
        colours_.clear();
        entry_ = Rgb();
        entrySet_ = false;
        break;
    case Action::Red:
    case Action::Green:
    case Action::Blue:
        if (word.action == Action::Red)
            entry_.red = component;
        else if (word.action == Action::Green)
            entry_.green = component;
        else
            entry_.blue = component;
        entrySet_ = true;
        break;
    case Action::Destination:
        skipGroup();
        break;
    case Action::Binary:
        break;
    }
}

void Reader::skipBinary(qint64 length) {
    pos_ += qsizetype(std::clamp<qint64>(length, 0, in_.size() - pos_));
}

// Skips to the brace closing the current group, which the main loop then reads.
void Reader::skipGroup() {
    qsizetype depth = 0;
    while (pos_ < in_.size()) {
        const char16_t c = in_[pos_].unicode();
        if (c == u'}' && depth == 0) return;
        ++pos_;
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            --depth;
        } else if (c == u'\\' && pos_ < in_.size()) {
            if (!isLetter(in_[pos_].unicode())) {
                ++pos_;
                continue;
            }
            const ControlWord control = controlWord();
            if (control.name == u"bin") skipBinary(control.hasNumber ? control.number : 0);
        }
    }
}

NoteText readPlain(QStringView text) {
    NoteBuilder builder;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        builder.add(text.sliced(start, i - start), false, std::nullopt);
        builder.endParagraph();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    builder.add(text.sliced(start), false, std::nullopt);
    return builder.finish();
}

}  // namespace

bool isRtf(QStringView stored) {
    return stored.startsWith(u"{\\rtf");
}

NoteText readNote(QStringView stored) {
    return isRtf(stored) ? readRtf(stored) : readPlain(stored);
}

NoteText readRtf(QStringView rtf) {
    return Reader(rtf).read();
}

}  // namespace volmira::store
