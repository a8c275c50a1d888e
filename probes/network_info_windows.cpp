// winsock2.h must come before windows.h.
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include <algorithm>
#include <cstring>

#include "probes/network_info.h"

namespace corvalen {

namespace {

// A fixed character array's text ends at its first zero byte, or at the end
// of the array when it holds none.
template <std::size_t N>
std::string ArrayText(const char (&array)[N]) {
  return std::string(array, strnlen(array, N));
}

unsigned long QueryAdapterList(void* buffer, unsigned long* size) {
  return GetAdaptersInfo(static_cast<IP_ADAPTER_INFO*>(buffer), size);
}

NetworkAdapter ReadFirstAdapterInfo(const void* records) {
  const auto* info = static_cast<const IP_ADAPTER_INFO*>(records);
  NetworkAdapter adapter;
  adapter.name = ArrayText(info->AdapterName);
  adapter.description = ArrayText(info->Description);
  for (const IP_ADDR_STRING* ip = &info->IpAddressList; ip != nullptr;
       ip = ip->Next) {
    adapter.ip_addresses.push_back(ArrayText(ip->IpAddress.String));
  }
  std::memcpy(
      adapter.address.data(), info->Address,
      std::min<std::size_t>(adapter.address.size(), sizeof info->Address));
  adapter.address_length = info->AddressLength;
  return adapter;
}

}  // namespace

std::optional<NetworkAdapter> QueryFirstNetworkAdapter() {
  return QueryFirstAdapter(QueryAdapterList, sizeof(IP_ADAPTER_INFO),
                           ReadFirstAdapterInfo);
}

}  // namespace corvalen
