// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a browser, served locally: how much it downloads, raw and as gzip sends it,
// and the time from navigation to its first window painted, each time in a browser of its
// own (nothing cached), by the page's own timeline: the frame after the program has shown
// the window. Other sites (the smallest Qt window's page) are timed in alternate rounds as
// yardsticks. Targets: at most 6 MB gzipped, painted within a second.
//   build/bench/bench_web_page ROUNDS SITE [YARDSTICK-SITE...]   (bench/web/run does it)
#include "browser_screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Milliseconds from navigation to the first window painted; -1 if it never is.
double firstPaint(const QString &site)
{
    Browser browser(site, QStringLiteral("ru-RU"));
    if (!browser.isReady())
        return -1;
    BrowserScreen page(browser); // navigates
    // Waited for with one question, and no pictures of the page while it loads: asking
    // again and again, or drawing the page, would slow it down.
    return page
        .evaluate(QStringLiteral("new Promise(resolve => new PerformanceObserver("
                                 "list => resolve(list.getEntries()[0].startTime))"
                                 ".observe({type: 'mark', buffered: true}))"))
        .toDouble(-1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_web_page ROUNDS SITE [YARDSTICK-SITE...]\n");
        return 2;
    }
    const QDir site(QString::fromLocal8Bit(argv[2]));
    qint64 gzipped = 0;
    for (const QString &file : site.entryList({"*.html", "*.js", "*.wasm"}, QDir::Files)) {
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), {QStringLiteral("-9c"), site.filePath(file)});
        gzip.waitForFinished(60000);
        const qint64 packed = gzip.readAllStandardOutput().size();
        gzipped += packed;
        std::printf("%-14s %9lld bytes, %9lld gzipped\n", qPrintable(file),
                    QFileInfo(site.filePath(file)).size(), packed);
    }
    std::printf("%-14s %30lld gzipped (target: at most 6 MB)\n", "download", gzipped);

    std::vector<std::vector<double>> painted(std::size_t(argc - 2));
    for (int round = 0; round < std::atoi(argv[1]); ++round) {
        for (int i = 2; i < argc; ++i) {
            const double ms = firstPaint(QString::fromLocal8Bit(argv[i]));
            if (ms < 0)
                return 1;
            painted[std::size_t(i - 2)].push_back(ms);
        }
    }
    double median = 0;
    for (int i = 2; i < argc; ++i) {
        auto &times = painted[std::size_t(i - 2)];
        std::sort(times.begin(), times.end());
        const double middle = times[times.size() / 2];
        median = i == 2 ? middle : median;
        std::printf("%-40s painted %6.0f ms after navigation (median), %6.0f to %6.0f\n", argv[i],
                    middle, times.front(), times.back());
    }
    std::printf("target: painted within 1000 ms\n");
    return gzipped <= 6'000'000 && median <= 1000 ? 0 : 1;
}
