#pragma once

#include <memory>
#include <string>

#include "sysinfo/pmem/MemorySource.h"

namespace kvr::pmem {

// Names a memory image file to use instead of the machine's own memory: its byte at offset N
// is the byte at physical address N, as `dd if=/dev/mem of=FILE bs=64k count=16` makes one
// (the first MiB, which holds the BIOS area). For tests, and for support people replaying a
// customer's machine. When set, nothing else is tried.
inline constexpr const char* kImageVariable = "KVR_PMEM_IMAGE";

// Each of these is null when its source is not there or cannot be read.

// An image file as described above.
std::unique_ptr<MemorySource> openImageFile(const std::string& path);

// The memory device, when its BIOS area holds an SMBIOS or DMI entry point (root, BIOS boot).
std::unique_ptr<MemorySource> openMemoryDevice(const std::string& path);

// The firmware's entry point and structure table as the kernel exports them
// (`smbios_entry_point` and `DMI` in `dir`; root), the table at the address its entry point
// gives and a 32-bit entry point in the BIOS area. A 64-bit entry point is presented as a
// 32-bit one.
std::unique_ptr<MemorySource> openFirmwareTables(const std::string& dir);

// A table of one type-1 structure made from the world-readable identity attributes in `dir`
// (sys_vendor, product_name; product_serial where readable, that is for root), behind an
// entry point in the BIOS area.
std::unique_ptr<MemorySource> buildFromIdentityAttributes(const std::string& dir);

// The first of: the image named by $KVR_PMEM_IMAGE (alone, when set); /dev/mem;
// /sys/firmware/dmi/tables; /sys/class/dmi/id.
std::unique_ptr<MemorySource> openPhysicalMemory();

}  // namespace kvr::pmem
