#include "probes/network_info.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "app/report.h"

namespace corvalen {

std::string FormatMacAddress(const unsigned char* address,
                             std::uint32_t length) {
  // Only the first six bytes are shown; the hyphen after the sixth is cut.
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const std::uint32_t shown = std::min<std::uint32_t>(length, 6);
  std::string text;
  for (std::uint32_t i = 0; i < shown; ++i) {
    text += kHexDigits[address[i] >> 4];
    text += kHexDigits[address[i] & 0x0F];
    text += '-';
  }
  if (shown == 6) text.pop_back();
  return text;
}

void WriteNetworkInfo(std::ostream& out,
                      const std::optional<NetworkAdapter>& adapter) {
  if (!adapter) return;
  WriteReportLine(out, "---- ", "NetworkCard ", 1, " ----");
  WriteReportLine(out, "Network Card Name: ", adapter->name);
  WriteReportLine(out, "Network Card Description: ", adapter->description);
  for (const std::string& ip : adapter->ip_addresses) {
    WriteReportLine(out, "Local IP: ", ip);
  }
  WriteReportLine(
      out, "Local Mac: ",
      FormatMacAddress(adapter->address.data(), adapter->address_length));
}

std::optional<NetworkAdapter> QueryFirstAdapter(
    const AdapterListQuery& query, unsigned long record_size,
    const FirstAdapterReader& read_first) {
  unsigned long size = record_size;
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[size]());
  unsigned long result = query(buffer.get(), &size);
  if (result == kAdapterBufferOverflow) {
    // The size asked for may be smaller than one record (a machine without
    // adapters): the buffer is never smaller than the record it is read as.
    const unsigned long needed = std::max(size, record_size);
    buffer.reset(new unsigned char[needed]);
    size = needed;
    result = query(buffer.get(), &size);
  }
  if (result != 0) return std::nullopt;
  return read_first(buffer.get());
}

std::vector<NetworkAdapter> AdaptersFromInterfaces(
    std::vector<InterfaceFacts> interfaces) {
  interfaces.erase(std::remove_if(interfaces.begin(), interfaces.end(),
                                  [](const InterfaceFacts& facts) {
                                    return facts.loopback;
                                  }),
                   interfaces.end());
  std::stable_sort(interfaces.begin(), interfaces.end(),
                   [](const InterfaceFacts& a, const InterfaceFacts& b) {
                     if (a.has_device != b.has_device) return a.has_device;
                     return a.index < b.index;
                   });
  std::vector<NetworkAdapter> adapters;
  for (InterfaceFacts& facts : interfaces) {
    NetworkAdapter adapter;
    adapter.name = facts.name;
    adapter.description = facts.driver.empty() ? facts.name : facts.driver;
    adapter.ip_addresses = std::move(facts.ipv4_addresses);
    // Windows lists an adapter without an IPv4 address as 0.0.0.0.
    if (adapter.ip_addresses.empty()) adapter.ip_addresses.push_back("0.0.0.0");
    adapter.address = facts.address;
    adapter.address_length = facts.address_length;
    adapters.push_back(std::move(adapter));
  }
  return adapters;
}

void PrintNetworkInfo() {
  WriteNetworkInfo(std::cout, QueryFirstNetworkAdapter());
}

}  // namespace corvalen
