#pragma once
// Processor identification from the CPUID instruction. The instruction itself is reached
// through a callback, so the Win32 layer hands in the real one and tests hand in tables.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tarvik {

using CpuidRegisters = std::array<std::uint32_t, 4>;  // EAX, EBX, ECX, EDX
using CpuidFunction = std::function<CpuidRegisters(std::uint32_t leaf)>;

enum class CpuManufacturer {
    Amd = 0,
    Intel = 1,
    Nsc = 2,
    Umc = 3,
    Cyrix = 4,
    NexGen = 5,
    IdtCentaur = 6,
    Rise = 7,
    Transmeta = 8,
    Unknown = 9,
};

inline constexpr std::size_t kVendorTextLength = 12;
inline constexpr std::size_t kBrandStringLength = 48;

inline constexpr std::uint32_t kExtendedLeafRange = 0x80000000u;
inline constexpr std::uint32_t kExtendedFeatureLeaf = 0x80000001u;
inline constexpr std::uint32_t kBrandStringFirstLeaf = 0x80000002u;
inline constexpr std::uint32_t kBrandStringLastLeaf = 0x80000004u;

struct CpuIdentity {
    CpuManufacturer manufacturer = CpuManufacturer::Unknown;
    std::string vendor;
    int family = 0;          // leaf 1 EAX bits 8..11
    int model = 0;           // leaf 1 EAX bits 4..7
    int extendedFamily = 0;  // leaf 1 EAX bits 20..27
    int extendedModel = 0;   // leaf 1 EAX bits 16..19
    bool hasTsc = false;
    bool multiProcessor = false;  // leaf 0x80000001 EDX bit 19, asked of non-Intel processors
    std::string name;             // Windows-1252
};

// The manufacturer of an exact 12-character vendor text.
CpuManufacturer ManufacturerFromVendor(const std::string& vendor);

// The vendor text of leaf 0: the bytes of EBX, then EDX, then ECX.
std::string VendorText(const CpuidRegisters& leaf0);

// Whether an extended leaf (0x80000001 to 0x80000004) may be read: processors known to lack
// them are not asked; the others are asked through leaf 0x80000000.
bool ExtendedLeafAvailable(const CpuIdentity& cpu, std::uint32_t leaf, const CpuidFunction& cpuid);

// The 48-character brand string of leaves 0x80000002..4, up to its first zero byte. With
// removeLeadingBlanks (Intel pads it on the left), it starts at its first character that is
// neither a blank nor a zero byte.
std::string BrandString(const CpuidFunction& cpuid, bool removeLeadingBlanks);

// The name the classical table gives a manufacturer, family and model. `known` is false when
// the table does not name the processor (an "Unknown ..." name, or none at all).
struct ClassicalName {
    std::string name;
    bool known = false;
};
ClassicalName ClassicalCpuName(const CpuIdentity& cpu);

// Identifies the processor that `cpuid` answers for. Callers on processors without the CPUID
// instruction do not call this; their name stays empty.
CpuIdentity IdentifyCpu(const CpuidFunction& cpuid);

}  // namespace tarvik
