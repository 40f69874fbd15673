// The command table reads a line for the form it names, and refuses what that form does not take.
#include "cli/CommandTable.h"

#include <gtest/gtest.h>

using namespace volmira;

TEST(CommandTable, ALineIsReadForItsFormAndRefusesWhatTheFormDoesNotTake) {
    const struct {
        QStringList line;
        const char *form;   // the form it runs, "" for the desktop program; nullptr: refused
        const char *named;  // a part of the refusal
    } cases[] = {
        {{"list", "EDD", "--length", "3000"}, nullptr, "--length gehört nicht zum Befehl list"},
        {{"lookup", "EDDF", "--surface", "hard", "--pdf", "x"}, nullptr, "--"},
        {{"print", "ED", "--pdf", "x.pdf", "--rwy", "09"}, nullptr, "--rwy"},
        {{"runway", "delete", "EDHN", "25R", "--rwy", "09"}, nullptr, "zum Befehl runway delete"},
        {{"runway", "add", "EDHN", "--surface", "beton"}, nullptr, "erlaubt: asphalt, gras"},
        {{"airport", "set", "EDHN", "--type", ""}, nullptr, "erlaubt: VLP, SLP"},
        {{"map", "unlink", "EDDF", "1", "--name", "x"}, nullptr, "--name"},
        {{"approach", "delete", "EDHN", "25R", "--yes"}, nullptr, "--yes"},
        {{"lookup", "EDDF", "EDDM"}, nullptr, "Argumente"},
        {{"frequency", "add", "EDHN", "TOWER"}, nullptr, "Argumente"},
        {{"runway", "move", "EDHN"}, nullptr, "Aktion"},
        {{"--show", "EDDF", "--length", "3"}, nullptr, "zum Desktop-Programm"},
        {{"lookup", "EDDF", "--date", "2026-06-21", "--json"}, "lookup", ""},
        {{"approach", "add", "EDHN", "09", "--yes", "--ils-gs", ""}, "approach", ""},
        {{"runway", "add", "EDHN", "--surface", "Gras", "--data-dir", "/tmp"}, "runway", ""},
        {{"--screenshot", "x.png", "--show", "EDDF", "--edit"}, "", ""},
    };
    for (const auto &c : cases) {
        const cli::Call call = cli::readCall(QStringList{"volmira-apt"} + c.line);
        const std::string line = c.line.join(' ').toStdString();
        if (c.form) {
            ASSERT_TRUE(call.form) << line << ": " << call.options.error.toStdString();
            EXPECT_STREQ(call.form->name, c.form) << line;
        } else {
            EXPECT_FALSE(call.form) << line;
            EXPECT_TRUE(call.options.error.contains(QString::fromUtf8(c.named))) << line << ": "
                                                                                  << call.options.error.toStdString();
            EXPECT_TRUE(call.usage.startsWith("Aufruf:") || call.usage.contains("Befehle:")) << line;
        }
    }
}
