// Writes the project's own sample charts: sample_charts JPEG PDF [WIDTH HEIGHT]
// (the picture 2000 x 1500 pixels unless given).
#include "bench/SampleCharts.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3 && argc != 5) {
        std::fputs("Aufruf: sample_charts BILD.jpg KARTE.pdf [BREITE HÖHE]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the labels
    const int width = argc == 5 ? std::atoi(argv[3]) : 2000;
    const int height = argc == 5 ? std::atoi(argv[4]) : 1500;
    if (width <= 0 || height <= 0 || !volmira::bench::writeChartJpeg(QString::fromLocal8Bit(argv[1]), width, height) ||
        !volmira::bench::writeChartPdf(QString::fromLocal8Bit(argv[2]))) {
        std::fputs("Die Karten konnten nicht geschrieben werden.\n", stderr);
        return 3;
    }
    return 0;
}
