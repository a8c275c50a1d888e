#include "commands/serials.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/temp_tree.h"

namespace corvalen {
namespace {

TEST(SerialSections, WriteTheWholeTextAfterTheLabel) {
  std::ostringstream out;
  WriteCpuIdSerial(out, "ProcessorId\nBFEBFBFF000906EA\n\n");
  WriteDiskSerial(out, "");
  WriteCpuIdSerial(out, "");
  EXPECT_EQ(out.str(),
            "Cpu id Serial Number:ProcessorId\nBFEBFBFF000906EA\n\n\n"
            "HardDisk Serial Number: \n"
            "Cpu id Serial Number:\n");
}

TEST(ProcessorIdText, IsLeafOnesEdxThenEaxInUpperCaseHex) {
  CpuidRegisters leaf1;
  leaf1.eax = 0x00B00F21;
  leaf1.edx = 0x178BFBFF;
  EXPECT_EQ(ProcessorIdText(leaf1), "ProcessorId\n178BFBFF00B00F21\n");
  leaf1.eax = 0x000906EA;
  leaf1.edx = 0xBFEBFBFF;
  EXPECT_EQ(ProcessorIdText(leaf1), "ProcessorId\nBFEBFBFF000906EA\n");
}

TEST(DiskSerialText, ListsPhysicalDisksInNameOrderWithTheirSerials) {
  TempTree tree;
  // sda: udev knows its short serial, which wins over the kernel's.
  tree.Link("sys/block/sda", "../devices/pci0000:00/ata1/block/sda");
  tree.Write("sys/devices/pci0000:00/ata1/block/sda/dev", "8:0\n");
  tree.Write("sys/devices/pci0000:00/ata1/block/sda/device/serial", "KERNEL\n");
  tree.Write("run/udev/data/b8:0",
             "S:disk/by-id/ata-X\nE:ID_SERIAL=Samsung_SSD_S4X\n"
             "E:ID_SERIAL_SHORT=S4XNNF0M123456\n");
  // nvme0n1: only the kernel's attribute, padded with spaces.
  tree.Link("sys/block/nvme0n1", "../devices/pci0000:00/nvme/nvme0/nvme0n1");
  tree.Write("sys/devices/pci0000:00/nvme/nvme0/nvme0n1/dev", "259:0\n");
  tree.Write("sys/devices/pci0000:00/nvme/nvme0/nvme0n1/device/serial",
             "PHBT7234  \n");
  // vda: a disk with no serial anywhere.
  tree.Link("sys/block/vda", "../devices/pci0000:00/virtio1/block/vda");
  tree.Write("sys/devices/pci0000:00/virtio1/block/vda/dev", "254:0\n");
  tree.Write("sys/devices/pci0000:00/virtio1/block/vda/serial", "VIRTIO-7\n");
  // Virtual block devices are not disks.
  tree.Link("sys/block/loop0", "../devices/virtual/block/loop0");
  tree.Link("sys/block/zram0", "../devices/virtual/block/zram0");
  tree.Write("sys/devices/virtual/block/loop0/dev", "7:0\n");
  tree.MakeDirectory("sys/devices/virtual/block/zram0");

  EXPECT_EQ(DiskSerialText(tree.root()),
            "SerialNumber\nPHBT7234\nS4XNNF0M123456\nVIRTIO-7\n");
}

TEST(DiskSerialText, IsTheHeadingAloneWithoutDisks) {
  TempTree tree;
  EXPECT_EQ(DiskSerialText(tree.root()), "SerialNumber\n");
  tree.MakeDirectory("sys/block");
  EXPECT_EQ(DiskSerialText(tree.root()), "SerialNumber\n");
}

}  // namespace
}  // namespace corvalen
