#include "app/report.h"

#include "commands/capture.h"

namespace corvalen {

int RunReport(std::ostream& out, std::ostream& err,
              const ReportSections& sections) {
  try {
    WriteReportLine(out, "=== os information ===");
    sections.print_os_info();
    WriteReportLine(out, "=== cpu infomation ===");
    sections.print_cpu_info();
    sections.print_cpu_id_serial();
    WriteReportLine(out, "=== memory information ===");
    sections.print_memory_info();
    WriteReportLine(out, "=== harddisk information ===");
    sections.print_disk_serial();
    WriteReportLine(out, "=== network information ===");
    sections.print_network_info();
  } catch (const CaptureStartError& error) {
    out.flush();
    err << error.what() << '\n';
    err.flush();
    return 1;
  }
  sections.pause();
  return 0;
}

}  // namespace corvalen
