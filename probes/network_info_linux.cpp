#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "probes/network_info.h"

namespace corvalen {

namespace {

// Every interface getifaddrs lists, with its IPv4 addresses in the kernel's
// order and its link-layer address.
std::vector<InterfaceFacts> ListInterfaces() {
  struct ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return {};
  std::map<std::string, InterfaceFacts> by_name;
  for (const struct ifaddrs* entry = list; entry != nullptr;
       entry = entry->ifa_next) {
    InterfaceFacts& facts = by_name[entry->ifa_name];
    facts.name = entry->ifa_name;
    facts.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
    if (facts.index == 0) facts.index = if_nametoindex(entry->ifa_name);
    if (entry->ifa_addr == nullptr) continue;
    if (entry->ifa_addr->sa_family == AF_INET) {
      const auto* ipv4 =
          reinterpret_cast<const struct sockaddr_in*>(entry->ifa_addr);
      char text[INET_ADDRSTRLEN] = {};
      if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) != nullptr) {
        facts.ipv4_addresses.push_back(text);
      }
    } else if (entry->ifa_addr->sa_family == AF_PACKET) {
      const auto* link =
          reinterpret_cast<const struct sockaddr_ll*>(entry->ifa_addr);
      const std::size_t length =
          std::min<std::size_t>(link->sll_halen, facts.address.size());
      std::memcpy(facts.address.data(), link->sll_addr, length);
      facts.address_length = static_cast<std::uint32_t>(length);
    }
  }
  freeifaddrs(list);
  std::vector<InterfaceFacts> interfaces;
  for (auto& [name, facts] : by_name) {
    ReadInterfaceDevice("/", facts);
    interfaces.push_back(std::move(facts));
  }
  return interfaces;
}

}  // namespace

void ReadInterfaceDevice(const std::filesystem::path& root,
                         InterfaceFacts& facts) {
  std::error_code error;
  const std::filesystem::path device =
      root / "sys/class/net" / facts.name / "device";
  facts.has_device = std::filesystem::exists(device, error);
  facts.driver.clear();
  if (!facts.has_device) return;
  const std::filesystem::path driver =
      std::filesystem::read_symlink(device / "driver", error);
  if (!error) facts.driver = driver.filename().string();
}

std::optional<NetworkAdapter> QueryFirstNetworkAdapter() {
  std::vector<NetworkAdapter> adapters =
      AdaptersFromInterfaces(ListInterfaces());
  if (adapters.empty()) return std::nullopt;
  return std::move(adapters.front());
}

}  // namespace corvalen
