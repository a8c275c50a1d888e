// The report when the platform's queries fail, through the same seams the
// sections use on a real machine.
#include <gtest/gtest.h>

#include <sstream>

#include "app/report.h"
#include "probes/memory_info.h"
#include "probes/network_info.h"

namespace corvalen {
namespace {

TEST(FailingQueries, LeaveAnEmptyMemoryLineAndNoAdapterBlock) {
  std::ostringstream out;
  std::ostringstream err;
  int adapter_calls = 0;
  const AdapterListQuery failing_adapter_query = [&](void*, unsigned long*) {
    ++adapter_calls;
    return 232ul;  // No data: a machine without adapters.
  };
  const ReportSections sections{
      [] {},
      [] {},
      [] {},
      [&] { WriteMemoryInfo(out, [] { return std::nullopt; }); },
      [] {},
      [&] {
        WriteNetworkInfo(
            out, QueryFirstAdapter(failing_adapter_query, 648, [](const void*) {
              ADD_FAILURE();
              return NetworkAdapter{};
            }));
      },
      [&] { out << "<pause>"; },
  };
  EXPECT_EQ(RunReport(out, err, sections), 0);
  EXPECT_EQ(out.str(),
            "=== os information ===\n"
            "=== cpu infomation ===\n"
            "=== memory information ===\n"
            "\n"
            "=== harddisk information ===\n"
            "=== network information ===\n"
            "<pause>");
  EXPECT_EQ(adapter_calls, 1);
  EXPECT_EQ(err.str(), "");
}

TEST(FailingQueries, AnAdapterListThatNeverFitsIsAskedTwiceAtMost) {
  int calls = 0;
  const AdapterListQuery always_too_small = [&](void*, unsigned long* size) {
    ++calls;
    *size += 648;
    return kAdapterBufferOverflow;
  };
  EXPECT_FALSE(QueryFirstAdapter(always_too_small, 648,
                                 [](const void*) { return NetworkAdapter{}; }));
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace corvalen
