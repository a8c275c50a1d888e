#pragma once

#include <functional>
#include <ostream>

namespace corvalen {

// Writes one line of the report: the pieces in order with nothing between
// them, then one newline. The flush makes each line reach the console before
// the next child process starts.
template <typename... Pieces>
void WriteReportLine(std::ostream& out, const Pieces&... pieces) {
  (out << ... << pieces);
  out << '\n';
  out.flush();
}

// The routines the report is made of, so that tests can run the frame with
// stand-ins.
struct ReportSections {
  std::function<void()> print_os_info;
  std::function<void()> print_cpu_info;
  std::function<void()> print_cpu_id_serial;
  std::function<void()> print_memory_info;
  std::function<void()> print_disk_serial;
  std::function<void()> print_network_info;
  std::function<void()> pause;
};

// Writes the five headers with their sections in their fixed order, then
// pauses. Returns the process exit status: 0, or 1 when a tool command could
// not be started, in which case the message goes to `err` and nothing after
// the failing section runs.
int RunReport(std::ostream& out, std::ostream& err,
              const ReportSections& sections);

// Waits for the user before the console window closes.
void PauseForKeyPress();

}  // namespace corvalen
