#include "cli/Cli.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    return volmira::cli::run(QCoreApplication::arguments());
}
