#include "store/Rtf.h"
#include "support/NoteDescription.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::store;

namespace {

struct Case {
    QString input;
    QString expected;  // describe() of the note read
};

// Every note read must come back unchanged from our own RTF.
void expectReadAndRoundTrip(const std::vector<Case> &cases, NoteText (*read)(QStringView)) {
    for (const Case &c : cases) {
        const NoteText note = read(c.input);
        EXPECT_EQ(describe(note), c.expected) << c.input.toStdString();
        EXPECT_EQ(readRtf(writeRtf(note)), note) << c.input.toStdString() << "\n" << writeRtf(note).toStdString();
    }
}

}  // namespace

TEST(Rtf, ReadsWhatWordProcessorsWriteAndWritesItBack) {
    const QString head = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1 Times;}})"
                         R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}\viewkind4\uc1\pard\f0\fs20 )";
    const std::vector<Case> cases = {
        {head + R"(Tower \b 118,5\b0 , \cf1 rot\cf2 blau\cf0  ohne\par})", "Tower *118,5*, <FF0000:rot><0000FF:blau> ohne"},
        {head + R"(a\tab b\par\par c\line d\sect e\page f\par\par})", "a\tb||c|d|e|f|"},
        {head + R"({\b\cf2 fett blau} normal \b x\plain  y})", "*<0000FF:fett blau>* normal *x* y"},
        {head + R"(\'fc\'f6\'df \'80 \'84\'93 \'96 \'9f\'81})", "üöß € „“ – Ÿ\u0081"},
        {head + R"(\u8364?\uc2\u-3\'3f\'3fx{\uc0\u252\u246}\uc1\u55357 ?\u-8704?)", "€\uFFFDxüö😀"},
        {head + R"(\u-10179?x\u-8704?\u70000?\cf7 \cf99999999999999999999 y})", "\uFFFDx\uFFFD\uFFFDy"},
        {head + R"(\~\emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet\_\-\{\}\\ z})", "\u00A0—–‘’“”•\u2011{}\\ z"},
        {head + R"({\*\generator Writer 1.0;}{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}})"
                    R"({\header Kopf}{\pict\pngblip\bin6 }}{{\\x}{\object{\*\objdata 01}{\result R}}Text\par})",
         "Text"},
        {head + R"(Siehe {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt {\ul Link}}} und\par})", "Siehe Link und"},
        {head + R"({\listtext\'b7\tab}Punkt\par{\*\pn\pnlvlblt{\pntxtb\'b7}}{\unknownword7 x}\par})", "·\tPunkt|x"},
        {head + R"(a{\b0 b}\cf0 c\'e4\u252?})", "abcäü"},  // one run, as its RTF reads back
        {head + "Hallo \\b Wel", "Hallo *Wel*"},
        {head + "a\\bin99999999999 }}}", "a"},
        {head + "a\r\nb\\\nc\\par\\", "ab|c"},
        {head + QString(600, u'{') + "\\b x" + QString(600, u'}') + " y}", "*x* y"},
        {"{\\rtf1 x} y", "x"},
        {"", ""},
    };
    expectReadAndRoundTrip(cases, readRtf);
}

TEST(Rtf, PlainValuesAndCharactersBeyondCodePage1252) {
    const std::vector<Case> cases = {
        {"Kontakt: 0611 \\{1} \t Tel.\r\nzweite\rdritte\n\nletzte\n", "Kontakt: 0611 \\{1} \t Tel.|zweite|dritte||letzte"},
        {"Ωμ 中 😀 €\u2028neu", "Ωμ 中 😀 €|neu"},
        {" {\\rtf1 x}", " {\\rtf1 x}"},
        {"{\\rtf1 x}", "x"},
        {"\n\n", "|"},
    };
    expectReadAndRoundTrip(cases, readNote);
}

TEST(Rtf, PlainTextKeepsTabsPrintInfoWritesTenBlanks) {
    const NoteText note = readNote(u"a\tb\n\nc");
    EXPECT_EQ(plainText(note), "a\tb\n\nc");
    EXPECT_EQ(printInfo(note), "a          b\r\n\r\nc");
    EXPECT_EQ(printInfo(readNote(u"\t")), "          ");
    EXPECT_EQ(printInfo(NoteText()), "");
}
