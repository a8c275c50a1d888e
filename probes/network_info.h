#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvalen {

// What the report says of one network adapter.
struct NetworkAdapter {
  std::string name;
  std::string description;
  std::vector<std::string> ip_addresses;
  std::array<unsigned char, 8> address{};
  std::uint32_t address_length = 0;
};

// The hardware address as hyphenated upper-case hexadecimal: six bytes at
// most, and a shorter address keeps the hyphen after its last byte.
std::string FormatMacAddress(const unsigned char* address,
                             std::uint32_t length);

// The numbered block of the first adapter; nothing when there is none.
void WriteNetworkInfo(std::ostream& out,
                      const std::optional<NetworkAdapter>& adapter);

// The adapter list query: fills `buffer` of `*size` bytes with a chain of
// records and returns 0, or returns kAdapterBufferOverflow with the size it
// needs in `*size`, or another failure code.
using AdapterListQuery =
    std::function<unsigned long(void* buffer, unsigned long* size)>;
// Reads the first record of a filled buffer.
using FirstAdapterReader = std::function<NetworkAdapter(const void* records)>;

inline constexpr unsigned long kAdapterBufferOverflow = 111;

// Asks with room for one record first and, when told the buffer is too
// small, once more with the size asked for. Nothing on any other answer.
std::optional<NetworkAdapter> QueryFirstAdapter(
    const AdapterListQuery& query, unsigned long record_size,
    const FirstAdapterReader& read_first);

// One Linux network interface as getifaddrs and /sys describe it.
struct InterfaceFacts {
  std::string name;
  unsigned index = 0;
  bool loopback = false;
  bool has_device = false;  // /sys/class/net/<name>/device exists.
  std::string driver;       // Its kernel driver, when it has one.
  std::vector<std::string> ipv4_addresses;
  std::array<unsigned char, 8> address{};
  std::uint32_t address_length = 0;
};

// Linux: fills `has_device` and `driver` from the sys tree below `root`.
void ReadInterfaceDevice(const std::filesystem::path& root,
                         InterfaceFacts& facts);

// The adapters of a Linux machine in the order Windows would list network
// cards: no loopback, interfaces backed by a device first, each group in
// index order.
std::vector<NetworkAdapter> AdaptersFromInterfaces(
    std::vector<InterfaceFacts> interfaces);

// The first adapter of this machine's list, or nothing.
std::optional<NetworkAdapter> QueryFirstNetworkAdapter();

// The network section of this machine.
void PrintNetworkInfo();

}  // namespace corvalen
