// SPDX-License-Identifier: GPL-3.0-or-later
// dorvane_tick_bench: compares our re-armed clock tick with the naive free-running one.
#include "TickBench.h"
#include "TickStats.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

QString cell(std::optional<qint64> value)
{
    return value ? QString::number(*value) : QStringLiteral("n/a");
}

void printTable(QTextStream &out, const QList<PhaseRecord> &phases)
{
    struct Column
    {
        bool loaded;
        TickStats stats;
    };
    QList<Column> columns;
    for (const PhaseRecord &phase : phases) {
        for (const SchemeRecord *scheme : {&phase.naive, &phase.ours}) {
            columns.append({phase.loaded,
                            TickStatsMath::summarize(scheme->ticks, phase.start, phase.end, phase.blocks, scheme->alarmFires)});
        }
    }

    using Row = std::function<QString(const Column &)>;
    const auto number = [](int TickStats::*field) -> Row {
        return [field](const Column &c) { return QString::number(c.stats.*field); };
    };
    const auto lag = [](std::optional<qint64> TickStats::*field) -> Row {
        return [field](const Column &c) { return cell(c.stats.*field); };
    };
    const auto loadedOnly = [](std::optional<qint64> TickStats::*field) -> Row {
        return [field](const Column &c) { return c.loaded ? cell(c.stats.*field) : QStringLiteral("n/a"); };
    };
    const QList<std::pair<QString, Row>> rows = {
        {QStringLiteral("whole seconds (= alarms) measured"), number(&TickStats::wholeSeconds)},
        {QStringLiteral("ticks in them"), number(&TickStats::ticks)},
        {QStringLiteral("tick lag p50 (ms)"), lag(&TickStats::lagP50)},
        {QStringLiteral("tick lag p99 (ms, target <= 20)"), lag(&TickStats::lagP99)},
        {QStringLiteral("tick lag max (ms)"), lag(&TickStats::lagMax)},
        {QStringLiteral("lag beyond block p99 (ms)"), loadedOnly(&TickStats::lagBeyondBlockP99)},
        {QStringLiteral("lag beyond block max (ms)"), loadedOnly(&TickStats::lagBeyondBlockMax)},
        {QStringLiteral("seconds with no tick (target 0)"), number(&TickStats::secondsWithoutTick)},
        {QStringLiteral("seconds with 2+ ticks (target 0)"), number(&TickStats::secondsWithSeveralTicks)},
        {QStringLiteral("alarms missed (target 0)"), number(&TickStats::alarmsMissed)},
        {QStringLiteral("alarms doubled (target 0)"), number(&TickStats::alarmsDoubled)},
    };

    out << "| metric | naive/no load | ours/no load | naive/load | ours/load |\n";
    out << "|---|--:|--:|--:|--:|\n";
    for (const auto &[name, value] : rows) {
        out << "| " << name;
        for (const Column &column : columns)
            out << " | " << value(column);
        out << " |\n";
    }
}

void printLoad(QTextStream &out, const PhaseRecord &phase)
{
    qint64 total = 0;
    qint64 longest = 0;
    for (const Block &block : phase.blocks) {
        total += block.end - block.start;
        longest = std::max(longest, block.end - block.start);
    }
    out << "\nLoad: " << phase.blocks.size() << " blocks of the event loop, " << total
        << " ms in total (longest " << longest << " ms), over the " << (phase.end - phase.start) / 1000
        << " s loaded phase.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvane_tick_bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the naive 1000 ms timer and our re-armed tick side by side, idle and then with the "
                       "event loop blocked now and then, and prints how each kept to the clock."));
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Length of each phase (default 60)."),
                                           QStringLiteral("N"), QStringLiteral("60"));
    parser.addOption(secondsOption);
    parser.process(app);

    bool valid = false;
    const int seconds = parser.value(secondsOption).toInt(&valid);
    // Fewer than two seconds leave no whole second to measure.
    if (!valid || seconds < 2 || seconds > 24 * 3600) {
        QTextStream(stderr) << "--seconds wants a whole number of seconds from 2 to 86400.\n";
        return 2;
    }

    TickBench bench(seconds);
    QObject::connect(&bench, &TickBench::finished, &app, &QCoreApplication::quit);
    bench.start();
    app.exec();

    QTextStream out(stdout);
    out << "Clock ticks, naive (free-running 1000 ms timer, started " << bench.naiveStartDelayMs()
        << " ms into the run) vs. ours (re-armed for each second); " << seconds << " s per phase.\n\n";
    printTable(out, bench.phases());
    printLoad(out, bench.phases().last());
    return 0;
}
