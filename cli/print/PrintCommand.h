#pragma once

namespace volmira::cli {

struct Options;

// `print PRÄFIX [filters] [--long-contacts] --pdf DATEI [--json]`: the printed
// airport list as PDF. It needs Qt Gui for the fonts and the PDF, so it runs in
// a program of its own (volmira-apt-print), which the commands' program starts,
// and the other commands stay free of it.
int printCommand(const Options &options);
// `map print CODE NUMMER --pdf DATEI [--page P] [--paper A4|A5|Letter] [--whole]`:
// a linked chart as a PDF page, in the same program for the same reason.
int mapPrintCommand(const Options &options);

}  // namespace volmira::cli
