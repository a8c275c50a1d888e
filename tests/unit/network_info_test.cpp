#include "probes/network_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "tests/unit/temp_tree.h"

namespace corvalen {
namespace {

TEST(FormatMacAddress, ShowsAtMostSixBytesHyphenated) {
  const unsigned char bytes[8] = {0x00, 0x1A, 0x2B, 0x3C,
                                  0x4D, 0x5E, 0x6F, 0x70};
  const std::pair<std::uint32_t, const char*> cases[] = {
      {6, "00-1A-2B-3C-4D-5E"},
      {8, "00-1A-2B-3C-4D-5E"},
      {4, "00-1A-2B-3C-"},
      {1, "00-"},
      {0, ""},
  };
  for (const auto& [length, text] : cases) {
    EXPECT_EQ(FormatMacAddress(bytes, length), text) << length;
  }
}

TEST(FormatMacAddress, NeverReadsPastSixBytesWhateverTheLengthSays) {
  const unsigned char bytes[6] = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0xFF};
  EXPECT_EQ(FormatMacAddress(bytes, 0xFFFFFFFFu), "DE-AD-BE-EF-00-FF");
}

NetworkAdapter SampleAdapter() {
  NetworkAdapter adapter;
  adapter.name = "{4D36E972-E325-11CE-BFC1-08002BE10318}";
  adapter.description = "Intel(R) Ethernet Connection I219-V";
  adapter.ip_addresses = {"192.168.1.20", "10.0.0.5"};
  adapter.address = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  adapter.address_length = 6;
  return adapter;
}

TEST(WriteNetworkInfo, WritesOneNumberedBlockWithEveryAddress) {
  std::ostringstream out;
  WriteNetworkInfo(out, SampleAdapter());
  EXPECT_EQ(out.str(),
            "---- NetworkCard 1 ----\n"
            "Network Card Name: {4D36E972-E325-11CE-BFC1-08002BE10318}\n"
            "Network Card Description: Intel(R) Ethernet Connection I219-V\n"
            "Local IP: 192.168.1.20\n"
            "Local IP: 10.0.0.5\n"
            "Local Mac: 00-1A-2B-3C-4D-5E\n");
}

TEST(WriteNetworkInfo, WritesNothingWithoutAnAdapter) {
  std::ostringstream out;
  WriteNetworkInfo(out, std::nullopt);
  EXPECT_EQ(out.str(), "");
}

// A record laid out the way the query chains its answers.
struct FakeRecord {
  FakeRecord* next;
  char name[16];
};

// Answers the adapter query from a script, one answer per call, and keeps
// the sizes it was offered.
class ScriptedAdapterQuery {
 public:
  struct Answer {
    unsigned long result;
    unsigned long size;  // Reported back on kAdapterBufferOverflow.
    std::vector<const char*> adapters;  // Filled in on success.
  };
  explicit ScriptedAdapterQuery(std::vector<Answer> answers)
      : answers_(std::move(answers)) {}

  AdapterListQuery Query() {
    return [this](void* buffer, unsigned long* size) {
      offered_sizes.push_back(*size);
      const Answer& answer = answers_.at(offered_sizes.size() - 1);
      if (answer.result == kAdapterBufferOverflow) *size = answer.size;
      if (answer.result != 0) return answer.result;
      EXPECT_GE(*size, answer.adapters.size() * sizeof(FakeRecord));
      auto* records = static_cast<FakeRecord*>(buffer);
      for (std::size_t i = 0; i < answer.adapters.size(); ++i) {
        records[i].next =
            i + 1 < answer.adapters.size() ? &records[i + 1] : nullptr;
        std::strncpy(records[i].name, answer.adapters[i],
                     sizeof records[i].name);
      }
      return 0ul;
    };
  }

  std::vector<unsigned long> offered_sizes;

 private:
  std::vector<Answer> answers_;
};

NetworkAdapter ReadFakeRecord(const void* records) {
  NetworkAdapter adapter;
  adapter.name = static_cast<const FakeRecord*>(records)->name;
  adapter.ip_addresses = {"0.0.0.0"};
  return adapter;
}

std::string SectionFor(ScriptedAdapterQuery& query) {
  std::ostringstream out;
  WriteNetworkInfo(out, QueryFirstAdapter(query.Query(), sizeof(FakeRecord),
                                          ReadFakeRecord));
  return out.str();
}

TEST(QueryFirstAdapter, RetriesOnceWithTheSizeAskedForAndKeepsTheFirst) {
  ScriptedAdapterQuery query({
      {kAdapterBufferOverflow, 2 * sizeof(FakeRecord), {}},
      {0, 0, {"first", "second"}},
  });
  const std::string section = SectionFor(query);
  EXPECT_EQ(
      query.offered_sizes,
      (std::vector<unsigned long>{sizeof(FakeRecord), 2 * sizeof(FakeRecord)}));
  EXPECT_NE(section.find("---- NetworkCard 1 ----\nNetwork Card Name: first\n"),
            std::string::npos);
  EXPECT_EQ(section.find("second"), std::string::npos);
  EXPECT_EQ(section.find("NetworkCard 2"), std::string::npos);
}

TEST(QueryFirstAdapter, OneRecordThatFitsNeedsNoRetry) {
  ScriptedAdapterQuery query({{0, 0, {"only"}}});
  EXPECT_NE(SectionFor(query).find("Network Card Name: only\n"),
            std::string::npos);
  EXPECT_EQ(query.offered_sizes.size(), 1u);
}

TEST(QueryFirstAdapter, WritesNothingWhenTheQueryFails) {
  const unsigned long kErrorNoData = 232;
  const unsigned long kErrorNotSupported = 50;
  std::vector<ScriptedAdapterQuery::Answer> failing_scripts[] = {
      {{kAdapterBufferOverflow, 4 * sizeof(FakeRecord), {}},
       {kErrorNotSupported, 0, {}}},
      // Still too small after the retry: there is no third attempt.
      {{kAdapterBufferOverflow, 2 * sizeof(FakeRecord), {}},
       {kAdapterBufferOverflow, 3 * sizeof(FakeRecord), {}}},
      {{kErrorNoData, 0, {}}},
      {{kErrorNotSupported, 0, {}}},
  };
  for (auto& script : failing_scripts) {
    const std::size_t calls = script.size();
    ScriptedAdapterQuery query(std::move(script));
    EXPECT_EQ(SectionFor(query), "");
    EXPECT_EQ(query.offered_sizes.size(), calls);
  }
}

InterfaceFacts Interface(const char* name, unsigned index, bool loopback,
                         bool has_device, const char* driver) {
  InterfaceFacts facts;
  facts.name = name;
  facts.index = index;
  facts.loopback = loopback;
  facts.has_device = has_device;
  facts.driver = driver;
  return facts;
}

TEST(AdaptersFromInterfaces, PutsDeviceBackedCardsFirstAndDropsLoopback) {
  std::vector<InterfaceFacts> interfaces = {
      Interface("lo", 1, true, false, ""),
      Interface("docker0", 2, false, false, ""),
      Interface("enp3s0", 5, false, true, "r8169"),
      Interface("wlp2s0", 3, false, true, "iwlwifi"),
  };
  interfaces[2].ipv4_addresses = {"192.168.1.7", "192.168.1.8"};
  interfaces[2].address = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  interfaces[2].address_length = 6;
  const std::vector<NetworkAdapter> adapters =
      AdaptersFromInterfaces(interfaces);
  ASSERT_EQ(adapters.size(), 3u);
  EXPECT_EQ(adapters[0].name, "wlp2s0");
  EXPECT_EQ(adapters[0].description, "iwlwifi");
  EXPECT_EQ(adapters[0].ip_addresses, std::vector<std::string>{"0.0.0.0"});
  EXPECT_EQ(adapters[1].name, "enp3s0");
  EXPECT_EQ(adapters[1].ip_addresses,
            (std::vector<std::string>{"192.168.1.7", "192.168.1.8"}));
  EXPECT_EQ(
      FormatMacAddress(adapters[1].address.data(), adapters[1].address_length),
      "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(adapters[2].name, "docker0");
  EXPECT_EQ(adapters[2].description, "docker0");
}

TEST(ReadInterfaceDevice, FindsTheDeviceAndItsDriverInTheSysTree) {
  TempTree tree;
  tree.MakeDirectory("sys/bus/pci/drivers/e1000e");
  tree.MakeDirectory("sys/devices/pci0000:00/0000:00:1f.6");
  tree.Link("sys/devices/pci0000:00/0000:00:1f.6/driver",
            "../../bus/pci/drivers/e1000e");
  tree.Link("sys/class/net/eno1/device",
            "../../../devices/pci0000:00/0000:00:1f.6");
  tree.MakeDirectory("sys/class/net/veth0");

  InterfaceFacts card = Interface("eno1", 2, false, false, "");
  ReadInterfaceDevice(tree.root(), card);
  EXPECT_TRUE(card.has_device);
  EXPECT_EQ(card.driver, "e1000e");

  InterfaceFacts virtual_interface = Interface("veth0", 3, false, true, "x");
  ReadInterfaceDevice(tree.root(), virtual_interface);
  EXPECT_FALSE(virtual_interface.has_device);
  EXPECT_EQ(virtual_interface.driver, "");
}

}  // namespace
}  // namespace corvalen
