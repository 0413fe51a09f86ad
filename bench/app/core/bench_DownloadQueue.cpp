// How the cost of queueing a name grows with the size of the queue.
//
// AddDownLoadList of 1,000 names and then of 20,000 names, each list added
// twice (the second time every name is a duplicate), into a fresh
// MainManager without a camera. Prints the time per name of each size, best
// of a few rounds, and their ratio; the duplicate check is meant to keep the
// ratio well below 2.

#include "MainManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <algorithm>
#include <cstdlib>

namespace {

QStringList cameraNames(int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("/mnt/sdcard/DCIM/20261210/VID_%1.MP4").arg(i, 6, 10, QLatin1Char('0'));
    return names;
}

// Nanoseconds per name of adding the list twice to an empty queue.
double nanosecondsPerName(const QStringList &names, const QString &folder)
{
    MainManager *manager = MainManager::GetInstance();
    QElapsedTimer timer;
    timer.start();
    manager->AddDownLoadList(names, folder);
    manager->AddDownLoadList(names, folder);
    const qint64 elapsed = timer.nsecsElapsed();
    MainManager::DestroyInstance();
    return double(elapsed) / double(2 * names.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QStringList small = cameraNames(1000);
    const QStringList large = cameraNames(20000);
    double bestSmall = 0;
    double bestLarge = 0;
    for (int round = 0; round < rounds; ++round) {
        const double s = nanosecondsPerName(small, folder.path());
        const double l = nanosecondsPerName(large, folder.path());
        bestSmall = round == 0 ? s : std::min(bestSmall, s);
        bestLarge = round == 0 ? l : std::min(bestLarge, l);
    }
    std::printf("AddDownLoadList, each list added twice, best of %d rounds\n", rounds);
    std::printf("  1,000 names   %8.0f ns per name\n", bestSmall);
    std::printf(" 20,000 names   %8.0f ns per name\n", bestLarge);
    std::printf("ratio %.2f (goal at most 2.00)\n", bestLarge / bestSmall);
    return bestLarge <= 2 * bestSmall ? 0 : 2;
}
