#include <iostream>

#include "commands/capture.h"
#include "commands/serials.h"

namespace corvalen {

void PrintCpuIdSerial() {
  WriteCpuIdSerial(std::cout, RunCommandCapture(kProcessorIdCommand));
}

void PrintDiskSerial() {
  WriteDiskSerial(std::cout, RunCommandCapture(kDiskSerialCommand));
}

}  // namespace corvalen
