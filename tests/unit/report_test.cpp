#include "app/report.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>

#include "commands/capture.h"

namespace corvalen {
namespace {

// Counts flushes, so a test can see that each line was flushed.
class FlushCountingBuffer : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return std::stringbuf::sync();
  }
};

TEST(WriteReportLine, JoinsPiecesWithoutSeparatorsAndFlushesTheLine) {
  FlushCountingBuffer buffer;
  std::ostream out(&buffer);
  WriteReportLine(out, "os version: ", 6u, ".", 2u);
  EXPECT_EQ(buffer.str(), "os version: 6.2\n");
  EXPECT_EQ(buffer.flushes, 1);
  WriteReportLine(out, "CPU main frequency: ", -5, "MHz");
  EXPECT_EQ(buffer.str(), "os version: 6.2\nCPU main frequency: -5MHz\n");
  EXPECT_EQ(buffer.flushes, 2);
}

TEST(WriteReportLine, WritesIntegersInPlainDecimal) {
  std::ostringstream out;
  WriteReportLine(out, UINT32_MAX, " ", INT32_MIN, " ", 0, " ", 1234567);
  EXPECT_EQ(out.str(), "4294967295 -2147483648 0 1234567\n");
}

TEST(WriteReportLine, WritesATextWithLineBreaksUnchanged) {
  std::ostringstream out;
  WriteReportLine(out, "Label:", std::string("a\nb\r\nc\n"));
  EXPECT_EQ(out.str(), "Label:a\nb\r\nc\n\n");
}

// Stand-in sections that mark where they ran.
ReportSections MarkingSections(std::ostream& out, std::string& calls) {
  auto mark = [&out, &calls](const char* name) {
    return [&out, &calls, name] {
      calls += name;
      calls += ' ';
      WriteReportLine(out, "<", name, ">");
    };
  };
  return {mark("os"),   mark("cpu"),     mark("cpuid"), mark("memory"),
          mark("disk"), mark("network"), mark("pause")};
}

TEST(RunReport, WritesTheFiveHeadersWithTheirSectionsInOrderThenPauses) {
  std::ostringstream out;
  std::ostringstream err;
  std::string calls;
  EXPECT_EQ(RunReport(out, err, MarkingSections(out, calls)), 0);
  EXPECT_EQ(out.str(),
            "=== os information ===\n<os>\n"
            "=== cpu infomation ===\n<cpu>\n<cpuid>\n"
            "=== memory information ===\n<memory>\n"
            "=== harddisk information ===\n<disk>\n"
            "=== network information ===\n<network>\n<pause>\n");
  EXPECT_EQ(calls, "os cpu cpuid memory disk network pause ");
  EXPECT_EQ(err.str(), "");
}

TEST(RunReport, AnEmptySectionStillHasItsHeader) {
  std::ostringstream out;
  std::ostringstream err;
  std::string calls;
  ReportSections sections = MarkingSections(out, calls);
  sections.print_network_info = [] {};
  EXPECT_EQ(RunReport(out, err, sections), 0);
  EXPECT_NE(out.str().find("=== network information ===\n<pause>\n"),
            std::string::npos);
}

TEST(RunReport, ACommandThatCannotStartEndsTheReportWithStatusOne) {
  std::ostringstream out;
  std::ostringstream err;
  std::string calls;
  ReportSections sections = MarkingSections(out, calls);
  sections.print_disk_serial = [] { throw CaptureStartError(); };
  EXPECT_EQ(RunReport(out, err, sections), 1);
  EXPECT_EQ(err.str(), "_popen() failed!\n");
  EXPECT_EQ(out.str(),
            "=== os information ===\n<os>\n"
            "=== cpu infomation ===\n<cpu>\n<cpuid>\n"
            "=== memory information ===\n<memory>\n"
            "=== harddisk information ===\n");
  EXPECT_EQ(calls, "os cpu cpuid memory ");
}

}  // namespace
}  // namespace corvalen
