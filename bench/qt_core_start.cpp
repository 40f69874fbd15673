#include <QtGlobal>

// Starts with Qt Core and its libraries loaded and ends at once: what every
// command of volmira-apt pays before its first line, set beside the lookup by
// bench/run.sh.
int main() { return qVersion() == nullptr; }
