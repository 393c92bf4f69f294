#include "BenchTable.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Row {
    std::string name;
    double ms = 0;
    std::string kind;   // "median", "mean" or "single"
    benchmark::UserCounters counters;
};

class TableReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: bench/run.sh keeps the output in a file.
    explicit TableReporter(std::string platform)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
          m_platform(std::move(platform))
    {
    }

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) Keep(run);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double baseline = BaselineMs();
        std::printf("\n");
        // Interleaved repetitions report in any order; the table keeps one.
        for (const auto& [name, row] : m_rows) {
            std::string notes = row.kind;
            for (const auto& [key, counter] : row.counters) notes += "; " + key + " " + Format(counter.value);
            if (baseline > 0 && name.rfind(kComparedPrefix, 0) == 0)
                notes += "; " + Format(row.ms / baseline) + "x baseline";
            std::printf("| %s | %s | %s | %s |\n", name.c_str(), m_platform.c_str(), Duration(row.ms).c_str(),
                        notes.c_str());
        }
        std::fflush(stdout);
    }

private:
    // A median outranks a mean, and both outrank a lone run.
    static int Rank(const std::string& kind) { return kind == "median" ? 2 : kind == "mean" ? 1 : 0; }

    void Keep(const Run& run)
    {
        std::string kind = "single";
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name != "median" && run.aggregate_name != "mean") return;
            kind = run.aggregate_name;
        }
        if (run.error_occurred) return;
        const std::string& args = run.run_name.args;
        const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
        auto found = m_rows.find(name);
        if (found != m_rows.end() && Rank(found->second.kind) > Rank(kind)) return;
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_rows[name] = Row{name, run.GetAdjustedRealTime() * 1000.0 / perSecond, kind, run.counters};
    }

    double BaselineMs() const
    {
        for (const auto& [name, row] : m_rows)
            if (name.rfind(kBaselineName, 0) == 0) return row.ms;
        return 0;
    }

    static std::string Duration(double ms)
    {
        char text[32];
        if (ms < 0.1) std::snprintf(text, sizeof text, "%.2f us", ms * 1000.0);
        else std::snprintf(text, sizeof text, "%.2f ms", ms);
        return text;
    }

    static std::string Format(double v)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", v);
        return text;
    }

    std::string m_platform;
    std::map<std::string, Row> m_rows;
};

}  // namespace

int RunBenchmarks(int& argc, char** argv, const std::string& platform)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TableReporter reporter(platform);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
