#pragma once

#include "cli/Options.h"

#include <QString>

#include <span>
#include <vector>

namespace volmira::cli {

// Where the help lists a form.
enum class Section { Commands, Editing, Desktop };

// One form of a command: what the line holds, what it does, and who runs it.
struct CommandForm {
    const char *name;         // "lookup", "runway"; empty for the desktop program
    const char *action = "";  // the first argument that picks the form ("add"); empty when there is one form
    const char *arguments = "";  // the plain arguments after the action, optional ones in brackets: "[CODE]"
    std::vector<platform::OptionDecl> options = {};  // besides --json, --help and --data-dir
    const char *text = "";    // what it does, for the help
    int (*run)(const Options &) = nullptr;
    const char *program = nullptr;  // the program it runs in when not this one
    Section section = Section::Commands;
};

[[nodiscard]] std::span<const CommandForm> commandForms();

// A command line read against the table: the form it asks for, or the usage
// error and the usage lines to print with it.
struct Call {
    Options options;
    const CommandForm *form = nullptr;
    QString usage;
};
[[nodiscard]] Call readCall(const QStringList &arguments);

// Prints a usage error the table cannot see (`why`) with the command's usage
// lines; gives the exit status of a usage error.
int refuseLine(const Options &options, const QString &why);

// The whole help, made from the table.
[[nodiscard]] QString helpText();

}  // namespace volmira::cli
