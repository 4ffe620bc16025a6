// The edit box at the size report histories reach, beside the physical limits measured in
// the same run: reading the bytes from a file, and copying them in memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "lookups/gbk_conversion.h"
#include "shell/gbk_edit_box.h"

namespace {

constexpr std::size_t kContentBytes = 64u << 20;

// A report history: blocks of a header, nine report lines and a footer, CR LF line ends.
const zerlith::Text& report_history() {
    static const zerlith::Text history = [] {
        const char* labels[] = {"PR",       "百度权重", "百度快照", "百度收录", "谷歌收录",
                                "搜搜收录", "雅虎外链", "百度外链", "谷歌外链"};
        zerlith::Text text;
        text.reserve(kContentBytes + 256);
        std::mt19937 random(7);
        while (text.size() < kContentBytes) {
            text += zerlith::system_text("=== example.com 查询结果 ===\r\n");
            for (const char* label : labels) {
                text += zerlith::system_text(std::string(" ") + label + "：");
                text += std::to_string(random() % 1000000) + "\r\n";
            }
            text += zerlith::system_text("=== 查询完成 ===\r\n");
        }
        text.resize(kContentBytes);
        return text;
    }();
    return history;
}

std::filesystem::path history_file() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zerlith_edit_box_bench.txt";
        std::ofstream(file, std::ios::binary) << report_history();
        return file;
    }();
    return path;
}

zerlith::GbkEditBox& shown_box() {
    static zerlith::GbkEditBox* box = [] {
        auto* made = new zerlith::GbkEditBox;
        made->resize(175, 409);
        made->show();
        made->setText(report_history());
        return made;
    }();
    return *box;
}

void Baseline_ReadFile64MiB(benchmark::State& state) {
    const auto path = history_file();
    for (auto _ : state) {
        std::string bytes(std::filesystem::file_size(path), '\0');
        std::FILE* file = std::fopen(path.c_str(), "rb");
        const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(Baseline_ReadFile64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void SetText64MiB(benchmark::State& state) {
    zerlith::GbkEditBox box;
    box.resize(175, 409);
    box.show();
    for (auto _ : state) {
        box.setText(report_history());
        benchmark::DoNotOptimize(box.text().data());
    }
}
BENCHMARK(SetText64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void Baseline_Memcpy64MiB(benchmark::State& state) {
    const zerlith::Text& source = report_history();
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Baseline_Memcpy64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void AppendLineThenText64MiB(benchmark::State& state) {
    zerlith::GbkEditBox& box = shown_box();
    const zerlith::Text line = zerlith::system_text(" 百度收录：123456\r\n");
    for (auto _ : state) {
        box.append(line);
        benchmark::DoNotOptimize(box.text().size());
    }
}
BENCHMARK(AppendLineThenText64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void TypeCharacterInTheMiddle64MiB(benchmark::State& state) {
    zerlith::GbkEditBox& box = shown_box();
    const std::size_t middle = box.text().find('\n', box.text().size() / 2) + 1;
    box.setSelection(middle, middle);
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&box, &key);
    }
}
BENCHMARK(TypeCharacterInTheMiddle64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every iteration scrolls to a part of the text not shown before, so its lines are decoded
// and laid out afresh.
void PaintNewScreenful64MiB(benchmark::State& state) {
    zerlith::GbkEditBox& box = shown_box();
    QScrollBar* bar = box.verticalScrollBar();
    QImage screen(box.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int line = 0;
    for (auto _ : state) {
        line = (line + 997) % bar->maximum();
        bar->setValue(line);
        box.viewport()->render(&screen);
    }
}
BENCHMARK(PaintNewScreenful64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void PaintSameScreenful64MiB(benchmark::State& state) {
    zerlith::GbkEditBox& box = shown_box();
    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum() / 2);
    QImage screen(box.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        box.viewport()->render(&screen);
}
BENCHMARK(PaintSameScreenful64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints each figure beside its baseline once the runs are done.
class ComparingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                milliseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        compare("SetText64MiB", "Baseline_ReadFile64MiB", "at most 3x, under 300 ms");
        compare("AppendLineThenText64MiB", "Baseline_Memcpy64MiB", "at most 2x");
        compare("TypeCharacterInTheMiddle64MiB", "", "under 5 ms");
        compare("PaintNewScreenful64MiB", "", "under 5 ms");
        compare("PaintSameScreenful64MiB", "", "under 5 ms");
    }

  private:
    void compare(const std::string& name, const std::string& baseline, const char* goal) {
        const auto figure = find(name);
        if (!figure)
            return;
        if (const auto base = find(baseline)) {
            std::printf("%-32s %9.3f ms   baseline %-24s %9.3f ms   ratio %6.2f   goal: %s\n",
                        name.c_str(), *figure, baseline.c_str(), *base, *figure / *base, goal);
        } else {
            std::printf("%-32s %9.3f ms   goal: %s\n", name.c_str(), *figure, goal);
        }
    }
    std::optional<double> find(const std::string& name) const {
        const auto found = milliseconds_.find(name + "/real_time");
        if (found == milliseconds_.end())
            return std::nullopt;
        return found->second;
    }

    std::map<std::string, double> milliseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove(history_file());
    return 0;
}
