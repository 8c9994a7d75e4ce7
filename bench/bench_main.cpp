// quorvane-bench: for each workload, 编码 alone (a new encoder into the
// shared record), 创建二维码 at 500x500, and the peer libqrencode on the
// same bytes, level and version. After the run it prints the medians, our
// time over the peer's, and the peak heap of one request.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "bench/peer.h"
#include "bench/workloads.h"
#include "encoder/encoder.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/module_lifetime.h"
#include "qrcode/qr_matrix.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"

namespace {

constexpr int 边长 = 500;

const 容错级别类& 级别(const 工作负载& 负载) { return 容错级别表.列表[static_cast<std::size_t>(负载.级别序号)]; }

void 编码一次(const 工作负载& 负载) {
  编码类 编码器;
  初始化编码器(编码器);
  编码器.编码(负载.内容, 级别(负载), 共享二维码);
}

// Keeps the medians (or the single runs) by benchmark name.
class 汇总报告器 : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      const double 纳秒 = r.GetAdjustedRealTime() * 倍数(r.time_unit);
      时间[r.run_name.str()] = 纳秒;
    }
  }
  std::map<std::string, double> 时间;

 private:
  static double 倍数(benchmark::TimeUnit u) {
    switch (u) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1.0;
    }
  }
};

struct 负载信息 {
  工作负载 负载;
  int 版本号;
  std::size_t 峰值字节数;
};

}  // namespace

int main(int argc, char** argv) {
  const 模块生命周期 生命周期;

  std::vector<负载信息> 信息;
  for (工作负载& 负载 : 全部工作负载()) {
    编码一次(负载);
    const int 版本号 = 共享二维码.取版本号();
    if (对等编码(负载, 版本号) != 共享二维码.取维长度()) {
      std::fprintf(stderr, "peer did not build version %d for %s\n", 版本号, 负载.名称.c_str());
      return 1;
    }
    std::size_t 峰值 = 0;
    {
      const 计数区间 区间;
      benchmark::DoNotOptimize(创建二维码(负载.内容, 负载.级别, 边长, 边长));
      峰值 = 区间.峰值字节数();
    }
    信息.push_back({std::move(负载), 版本号, 峰值});
  }

  for (const 负载信息& i : 信息) {
    const 工作负载* 负载 = &i.负载;
    const int 版本号 = i.版本号;
    benchmark::RegisterBenchmark(("编码/" + 负载->名称).c_str(), [负载](benchmark::State& s) {
      for (auto _ : s) 编码一次(*负载);
    });
    benchmark::RegisterBenchmark(("peer/" + 负载->名称).c_str(), [负载, 版本号](benchmark::State& s) {
      for (auto _ : s) benchmark::DoNotOptimize(对等编码(*负载, 版本号));
    });
    benchmark::RegisterBenchmark(("创建二维码/" + 负载->名称).c_str(), [负载](benchmark::State& s) {
      for (auto _ : s) benchmark::DoNotOptimize(创建二维码(负载->内容, 负载->级别, 边长, 边长));
    });
  }

  // Medians of five runs unless the command line says otherwise.
  std::vector<char*> 参数(argv, argv + argc);
  std::string 重复 = "--benchmark_repetitions=5";
  std::string 只要汇总 = "--benchmark_report_aggregates_only=true";
  bool 有重复 = false;
  for (int a = 1; a < argc; ++a) 有重复 |= std::string(argv[a]).rfind("--benchmark_repetitions", 0) == 0;
  if (!有重复) {
    参数.insert(参数.begin() + 1, 重复.data());
    参数.insert(参数.begin() + 2, 只要汇总.data());
  }
  int 参数数 = static_cast<int>(参数.size());
  benchmark::Initialize(&参数数, 参数.data());
  if (benchmark::ReportUnrecognizedArguments(参数数, 参数.data())) return 1;

  汇总报告器 报告器;
  benchmark::RunSpecifiedBenchmarks(&报告器);
  benchmark::Shutdown();

  std::printf("\n%-14s %4s %12s %12s %8s %14s %12s\n", "workload", "ver", "encode us", "peer us", "ratio",
              "create500 us", "peak KiB");
  for (const 负载信息& i : 信息) {
    const auto 取 = [&](const std::string& 前缀) {
      const auto it = 报告器.时间.find(前缀 + "/" + i.负载.名称);
      return it == 报告器.时间.end() ? -1.0 : it->second / 1e3;
    };
    const double 我们 = 取("编码");
    const double 对等 = 取("peer");
    const double 创建 = 取("创建二维码");
    const double 比 = 我们 > 0 && 对等 > 0 ? 我们 / 对等 : -1.0;
    std::printf("%-14s %4d %12.1f %12.1f %8.2f %14.1f %12.1f\n", i.负载.名称.c_str(), i.版本号, 我们, 对等, 比, 创建,
                static_cast<double>(i.峰值字节数) / 1024.0);
  }
  std::printf("(medians of the runs; ratio = encode / peer; peak = most heap bytes held at once by one\n"
              " 创建二维码 at %dx%d, counted by a replaced operator new)\n",
              边长, 边长);
  return 0;
}
