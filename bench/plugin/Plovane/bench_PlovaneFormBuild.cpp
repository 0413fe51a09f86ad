// Build time of a form per control, for forms whose containers nest deeply
// and for one long flat form, in one run:
//
//     bench_PlovaneFormBuild [rounds, default 3] [only cases whose name contains this]
//
// Each case loads its description into a fresh form (as the program does for
// every page) and counts every control the form built, containers included.
// A form description comes from the camera, so its cost must grow with the
// number of controls alone, whatever the nesting: the time per control of
// the deepest tabs should stay within twice that of the flat form.

#include "PayRuleDynamicForm.h"
#include "UcBase.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kGoalRatio = 2.0;

QJsonObject input(int order)
{
    return QJsonObject{{"type", "el-input"}, {"order", order}, {"model", QString("field%1").arg(order)},
                       {"label", QString("字段%1").arg(order)}, {"defaultValue", "text"}};
}

// h-tabs > h-tab-pane > h-tabs > ... `depth` tab controls deep, one input at the bottom.
QJsonObject nestedTabs(int depth)
{
    QJsonObject inner = input(1);
    for (int level = depth; level >= 1; --level) {
        const QJsonObject pane{{"type", "h-tab-pane"}, {"order", 1}, {"label", QString("页%1").arg(level)},
                               {"children", QJsonArray{inner}}};
        inner = QJsonObject{{"type", "h-tabs"}, {"order", 1}, {"model", QString("tabs%1").arg(level)},
                            {"children", QJsonArray{pane}}};
    }
    return inner;
}

QJsonObject nestedGroupBoxes(int depth)
{
    QJsonObject inner = input(1);
    for (int level = depth; level >= 1; --level) {
        inner = QJsonObject{{"type", "h-group-box"}, {"order", 1}, {"label", QString("组%1").arg(level)},
                            {"children", QJsonArray{inner}}};
    }
    return inner;
}

QJsonArray flatInputs(int count)
{
    QJsonArray elements;
    for (int order = 1; order <= count; ++order)
        elements.append(input(order));
    return elements;
}

QJsonObject description(const QJsonArray &form)
{
    return QJsonObject{{"id", "bench"}, {"name", "bench"}, {"form", form}};
}

struct Case {
    const char *name;
    QJsonObject description;
};

struct Timing {
    double loadSeconds = 0;
    double showSeconds = 0;
    int controls = 0;
    double perControl(double seconds) const { return controls ? seconds * 1e6 / controls : 0; }
};

// CPU time of this thread: other builds on the machine do not count.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// The best of `rounds`, each into a new form: the load alone, then showing
// the loaded form for the first time (styling and laying out every control).
Timing timeLoad(const QJsonObject &formDescription, int rounds)
{
    Timing best;
    for (int round = 0; round < rounds; ++round) {
        auto *form = new PayRuleDynamicForm;
        form->resize(667, 579);
        const double start = threadSeconds();
        const bool loaded = form->load(formDescription);
        const double loadedAt = threadSeconds();
        form->show();
        QCoreApplication::processEvents();
        const double shownAt = threadSeconds();
        if (!loaded) {
            std::fprintf(stderr, "the form did not load\n");
            std::exit(1);
        }
        const Timing timing{loadedAt - start, shownAt - loadedAt, int(form->findChildren<UcBase *>().size())};
        delete form;
        if (round == 0 || timing.loadSeconds < best.loadSeconds)
            best.loadSeconds = timing.loadSeconds;
        if (round == 0 || timing.showSeconds < best.showSeconds)
            best.showSeconds = timing.showSeconds;
        best.controls = timing.controls;
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    const std::vector<Case> cases{
        {"nested tabs, depth 25", description(QJsonArray{nestedTabs(25)})},
        {"nested tabs, depth 50", description(QJsonArray{nestedTabs(50)})},
        {"nested tabs, depth 100", description(QJsonArray{nestedTabs(100)})},
        {"nested group boxes, depth 100", description(QJsonArray{nestedGroupBoxes(100)})},
        {"nested group boxes, depth 500", description(QJsonArray{nestedGroupBoxes(500)})},
        {"flat form, 3000 inputs", description(flatInputs(3000))},
    };

    std::printf("CPU time per control, best of %d rounds; controls count containers too\n", rounds);
    std::printf("%-30s %8s %10s %12s %12s\n", "", "controls", "load ms", "load us/ctl", "show us/ctl");
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    std::vector<Timing> timings;
    for (const Case &each : cases) {
        if (!QString::fromUtf8(each.name).contains(only))
            continue;
        const Timing timing = timeLoad(each.description, rounds);
        timings.push_back(timing);
        std::printf("%-30s %8d %10.1f %12.1f %12.1f\n", each.name, timing.controls, timing.loadSeconds * 1e3,
                    timing.perControl(timing.loadSeconds), timing.perControl(timing.showSeconds));
    }
    if (!only.isEmpty())
        return 0;
    const Timing &deepTabs = timings[2];
    const Timing &flat = timings.back();
    std::printf("load per control, nested tabs at depth 100 / flat form: %.2f (goal at most %.1f)\n",
                deepTabs.perControl(deepTabs.loadSeconds) / flat.perControl(flat.loadSeconds), kGoalRatio);
    return 0;
}
