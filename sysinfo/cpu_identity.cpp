#include "sysinfo/cpu_identity.h"

#include <string_view>

namespace tarvik {
namespace {

struct VendorRow {
    const char* vendor;
    CpuManufacturer manufacturer;
};

constexpr VendorRow kVendors[] = {
    {"AuthenticAMD", CpuManufacturer::Amd},       {"AMD ISBETTER", CpuManufacturer::Amd},
    {"GenuineIntel", CpuManufacturer::Intel},     {"Geode By NSC", CpuManufacturer::Nsc},
    {"UMC UMC UMC ", CpuManufacturer::Umc},       {"CyrixInstead", CpuManufacturer::Cyrix},
    {"NexGenDriven", CpuManufacturer::NexGen},    {"CentaurHauls", CpuManufacturer::IdtCentaur},
    {"RiseRiseRise", CpuManufacturer::Rise},      {"GenuineTMx86", CpuManufacturer::Transmeta},
    {"TransmetaCPU", CpuManufacturer::Transmeta},
};

constexpr int kAny = -1;

enum class MultiProcessor { Any, Capable, NotCapable };

// One row of the classical names. The first row that matches wins, so a group's specific
// models come before its catch-all row.
struct NameRow {
    CpuManufacturer manufacturer;
    int family;
    int extendedFamily;
    int model;
    MultiProcessor multiProcessor;
    const char* name;  // Windows-1252: \xAE is the registered sign, \x99 trade mark, \xB5 micro
};

using M = CpuManufacturer;
constexpr MultiProcessor kAnyMp = MultiProcessor::Any;

constexpr NameRow kNames[] = {
    {M::Amd, 4, kAny, 3, kAnyMp, "80486DX2"},
    {M::Amd, 4, kAny, 7, kAnyMp, "80486DX2 WriteBack"},
    {M::Amd, 4, kAny, 8, kAnyMp, "80486DX4"},
    {M::Amd, 4, kAny, 9, kAnyMp, "80486DX4 WriteBack"},
    {M::Amd, 4, kAny, 14, kAnyMp, "5x86"},
    {M::Amd, 4, kAny, 15, kAnyMp, "5x86WB"},
    {M::Amd, 4, kAny, kAny, kAnyMp, "Unknown 80486 family"},
    {M::Amd, 5, kAny, 0, kAnyMp, "SSA5 (PR75, PR90, PR100)"},
    {M::Amd, 5, kAny, 1, kAnyMp, "5k86 (PR120, PR133)"},
    {M::Amd, 5, kAny, 2, kAnyMp, "5k86 (PR166)"},
    {M::Amd, 5, kAny, 3, kAnyMp, "5k86 (PR200)"},
    {M::Amd, 5, kAny, 6, kAnyMp, "K6 (0.30 \xB5m)"},
    {M::Amd, 5, kAny, 7, kAnyMp, "K6 (0.25 \xB5m)"},
    {M::Amd, 5, kAny, 8, kAnyMp, "K6-2"},
    {M::Amd, 5, kAny, 9, kAnyMp, "K6-III"},
    {M::Amd, 5, kAny, 13, kAnyMp, "K6-2+ or K6-III+ (0.18 \xB5m)"},
    {M::Amd, 5, kAny, kAny, kAnyMp, "Unknown 80586 family"},
    {M::Amd, 6, kAny, 1, kAnyMp, "Athlon\x99 (0.25 \xB5m)"},
    {M::Amd, 6, kAny, 2, kAnyMp, "Athlon\x99 (0.18 \xB5m)"},
    {M::Amd, 6, kAny, 3, kAnyMp, "Duron\x99 (SF core)"},
    {M::Amd, 6, kAny, 4, kAnyMp, "Athlon\x99 (Thunderbird core)"},
    {M::Amd, 6, kAny, 6, kAnyMp, "Athlon\x99 (Palomino core)"},
    {M::Amd, 6, kAny, 7, kAnyMp, "Duron\x99 (Morgan core)"},
    {M::Amd, 6, kAny, 8, MultiProcessor::Capable, "Athlon\x99 MP (Thoroughbred core)"},
    {M::Amd, 6, kAny, 8, MultiProcessor::NotCapable, "Athlon\x99 XP (Thoroughbred core)"},
    {M::Amd, 6, kAny, kAny, kAnyMp, "Unknown K7 family"},
    {M::Amd, kAny, kAny, kAny, kAnyMp, "Unknown AMD family"},

    {M::Intel, 3, kAny, kAny, kAnyMp, "Newer i80386 family"},
    {M::Intel, 4, kAny, 0, kAnyMp, "i80486DX-25/33"},
    {M::Intel, 4, kAny, 1, kAnyMp, "i80486DX-50"},
    {M::Intel, 4, kAny, 2, kAnyMp, "i80486SX"},
    {M::Intel, 4, kAny, 3, kAnyMp, "i80486DX2"},
    {M::Intel, 4, kAny, 4, kAnyMp, "i80486SL"},
    {M::Intel, 4, kAny, 5, kAnyMp, "i80486SX2"},
    {M::Intel, 4, kAny, 7, kAnyMp, "i80486DX2 WriteBack"},
    {M::Intel, 4, kAny, 8, kAnyMp, "i80486DX4"},
    {M::Intel, 4, kAny, 9, kAnyMp, "i80486DX4 WriteBack"},
    {M::Intel, 4, kAny, kAny, kAnyMp, "Unknown 80486 family"},
    {M::Intel, 5, kAny, 0, kAnyMp, "P5 A-Step"},
    {M::Intel, 5, kAny, 1, kAnyMp, "P5"},
    {M::Intel, 5, kAny, 2, kAnyMp, "P54C"},
    {M::Intel, 5, kAny, 3, kAnyMp, "P24T OverDrive"},
    {M::Intel, 5, kAny, 4, kAnyMp, "P55C"},
    {M::Intel, 5, kAny, 7, kAnyMp, "P54C"},
    {M::Intel, 5, kAny, 8, kAnyMp, "P55C (0.25\xB5m)"},
    {M::Intel, 5, kAny, kAny, kAnyMp, "Unknown Pentium\xAE family"},
    {M::Intel, 6, kAny, 0, kAnyMp, "P6 A-Step"},
    {M::Intel, 6, kAny, 1, kAnyMp, "P6"},
    {M::Intel, 6, kAny, 3, kAnyMp, "Pentium\xAE II (0.28 \xB5m)"},
    {M::Intel, 6, kAny, 5, kAnyMp, "Pentium\xAE II (0.25 \xB5m)"},
    {M::Intel, 6, kAny, 6, kAnyMp, "Pentium\xAE II With On-Die L2 Cache"},
    {M::Intel, 6, kAny, 7, kAnyMp, "Pentium\xAE III (0.25 \xB5m)"},
    {M::Intel, 6, kAny, 8, kAnyMp, "Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache "},
    {M::Intel, 6, kAny, 10, kAnyMp, "Pentium\xAE III (0.18 \xB5m) With 1 Or 2 MB On-Die L2 Cache "},
    {M::Intel, 6, kAny, 11, kAnyMp,
     "Pentium\xAE III (0.13 \xB5m) With 256 Or 512 KB On-Die L2 Cache "},
    {M::Intel, 6, kAny, kAny, kAnyMp, "Unknown P6 family"},
    {M::Intel, 7, kAny, kAny, kAnyMp, "Intel Merced (IA-64)"},
    {M::Intel, 15, 0, 0, kAnyMp, "Pentium\xAE IV (0.18 \xB5m)"},
    {M::Intel, 15, 0, 1, kAnyMp, "Pentium\xAE IV (0.18 \xB5m)"},
    {M::Intel, 15, 0, 2, kAnyMp, "Pentium\xAE IV (0.13 \xB5m)"},
    {M::Intel, 15, 0, kAny, kAnyMp, "Unknown Pentium 4 family"},
    {M::Intel, 15, 1, kAny, kAnyMp, "Intel McKinley (IA-64)"},
    {M::Intel, 15, kAny, kAny, kAnyMp, ""},
    {M::Intel, kAny, kAny, kAny, kAnyMp, "Unknown Intel family"},

    {M::Nsc, kAny, kAny, kAny, kAnyMp, "Cx486SLC \\ DLC \\ Cx486S A-Step"},

    {M::Umc, 4, kAny, 1, kAnyMp, "U5D"},
    {M::Umc, 4, kAny, 2, kAnyMp, "U5S"},
    {M::Umc, kAny, kAny, kAny, kAnyMp, "Unknown UMC family"},

    {M::Cyrix, 4, kAny, 4, kAnyMp, "MediaGX GX, GXm"},
    {M::Cyrix, 4, kAny, 9, kAnyMp, "5x86"},
    {M::Cyrix, 4, kAny, kAny, kAnyMp, "Unknown Cx5x86 family"},
    {M::Cyrix, 5, kAny, 2, kAnyMp, "Cx6x86"},
    {M::Cyrix, 5, kAny, 4, kAnyMp, "MediaGX GXm"},
    {M::Cyrix, 5, kAny, kAny, kAnyMp, "Unknown Cx6x86 family"},
    {M::Cyrix, 6, kAny, 0, kAnyMp, "6x86MX"},
    {M::Cyrix, 6, kAny, 5, kAnyMp, "Cyrix M2 Core"},
    {M::Cyrix, 6, kAny, 6, kAnyMp, "WinChip C5A Core"},
    {M::Cyrix, 6, kAny, 7, kAnyMp, "WinChip C5B\\C5C Core"},
    {M::Cyrix, 6, kAny, 8, kAnyMp, "WinChip C5C-T Core"},
    {M::Cyrix, 6, kAny, kAny, kAnyMp, "Unknown 6x86MX\\Cyrix III family"},
    {M::Cyrix, kAny, kAny, kAny, kAnyMp, "Unknown Cyrix family"},

    {M::NexGen, 5, kAny, 0, kAnyMp, "Nx586 or Nx586FPU"},
    {M::NexGen, kAny, kAny, kAny, kAnyMp, "Unknown NexGen family"},

    {M::IdtCentaur, 5, kAny, 4, kAnyMp, "C6"},
    {M::IdtCentaur, 5, kAny, 8, kAnyMp, "C2"},
    {M::IdtCentaur, 5, kAny, 9, kAnyMp, "C3"},
    {M::IdtCentaur, 6, kAny, 6, kAnyMp, "VIA Cyrix III - Samuel"},
    {M::IdtCentaur, kAny, kAny, kAny, kAnyMp, "Unknown IDT\\Centaur family"},

    {M::Rise, 5, kAny, 0, kAnyMp, "mP6 (0.25 \xB5m)"},
    {M::Rise, 5, kAny, 2, kAnyMp, "mP6 (0.18 \xB5m)"},
    {M::Rise, kAny, kAny, kAny, kAnyMp, "Unknown Rise family"},

    {M::Transmeta, 5, kAny, 4, kAnyMp, "Crusoe TM3x00 and TM5x00"},
    {M::Transmeta, 5, kAny, kAny, kAnyMp, "Unknown Crusoe family"},
    {M::Transmeta, kAny, kAny, kAny, kAnyMp, "Unknown Transmeta family"},

    {M::Unknown, kAny, kAny, kAny, kAnyMp, "Unknown family"},
};

bool Matches(int wanted, int actual) {
    return wanted == kAny || wanted == actual;
}

bool Matches(MultiProcessor wanted, bool capable) {
    return wanted == MultiProcessor::Any || (wanted == MultiProcessor::Capable) == capable;
}

// Processors whose extended leaves the per-vendor rules deny without asking.
bool KnownToLackExtendedLeaves(const CpuIdentity& cpu) {
    const int family = cpu.family;
    const int model = cpu.model;
    switch (cpu.manufacturer) {
        case CpuManufacturer::Amd:
            return family < 5 || (family == 5 && model < 6);
        case CpuManufacturer::Cyrix:
            return family < 5 || (family == 5 && model < 4) || (family == 6 && model < 5);
        case CpuManufacturer::IdtCentaur:
            return family < 5 || (family == 5 && model < 8);
        case CpuManufacturer::Transmeta:
            return family < 5;
        case CpuManufacturer::Intel:
            return family < 15;
        default:
            return false;
    }
}

bool BrandLeavesAvailable(const CpuIdentity& cpu, const CpuidFunction& cpuid) {
    for (std::uint32_t leaf = kBrandStringFirstLeaf; leaf <= kBrandStringLastLeaf; ++leaf) {
        if (!ExtendedLeafAvailable(cpu, leaf, cpuid)) {
            return false;
        }
    }
    return true;
}

// Asked only of processors the classical table cannot name. Older processors answer an
// unsupported extended leaf with the data of their highest basic leaf, so the answer must
// really lie in the extended range (bit 31 set) to count.
bool BrandLeavesReallyAvailable(const CpuidFunction& cpuid) {
    const std::uint32_t highest = cpuid(kExtendedLeafRange)[0];
    return (highest & kExtendedLeafRange) != 0 && highest >= kBrandStringLastLeaf;
}

// Intel reuses family 6 for every processor since the Pentium M; the table's family-6 rows
// only describe models below 13 without an extended model.
bool NewerIntelFamily6(const CpuIdentity& cpu) {
    return cpu.manufacturer == CpuManufacturer::Intel && cpu.family == 6 &&
           (cpu.extendedModel != 0 || cpu.model + 16 * cpu.extendedModel >= 13);
}

void AppendRegisterBytes(std::string& text, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        text.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

CpuManufacturer ManufacturerFromVendor(const std::string& vendor) {
    for (const VendorRow& row : kVendors) {
        if (vendor == row.vendor) {
            return row.manufacturer;
        }
    }
    return CpuManufacturer::Unknown;
}

std::string VendorText(const CpuidRegisters& leaf0) {
    std::string vendor;
    AppendRegisterBytes(vendor, leaf0[1]);
    AppendRegisterBytes(vendor, leaf0[3]);
    AppendRegisterBytes(vendor, leaf0[2]);
    return vendor;
}

bool ExtendedLeafAvailable(const CpuIdentity& cpu, std::uint32_t leaf, const CpuidFunction& cpuid) {
    if (KnownToLackExtendedLeaves(cpu)) {
        return false;
    }
    const std::uint32_t highest = cpuid(kExtendedLeafRange)[0];
    return static_cast<std::int32_t>(leaf & 0x7FFFFFFFu) <=
           static_cast<std::int32_t>(highest & 0x7FFFFFFFu);
}

std::string BrandString(const CpuidFunction& cpuid, bool removeLeadingBlanks) {
    std::string raw;
    for (std::uint32_t leaf = kBrandStringFirstLeaf; leaf <= kBrandStringLastLeaf; ++leaf) {
        for (const std::uint32_t value : cpuid(leaf)) {
            AppendRegisterBytes(raw, value);
        }
    }
    std::size_t start = 0;
    if (removeLeadingBlanks) {
        start = raw.find_first_not_of(std::string_view(" \0", 2));
        if (start == std::string::npos) {
            return {};
        }
    }
    const std::size_t end = raw.find('\0', start);
    return raw.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

ClassicalName ClassicalCpuName(const CpuIdentity& cpu) {
    for (const NameRow& row : kNames) {
        if (row.manufacturer == cpu.manufacturer && Matches(row.family, cpu.family) &&
            Matches(row.extendedFamily, cpu.extendedFamily) && Matches(row.model, cpu.model) &&
            Matches(row.multiProcessor, cpu.multiProcessor)) {
            const std::string name = row.name;
            const bool known = !name.empty() && name.rfind("Unknown", 0) != 0;
            return {name, known};
        }
    }
    return {};
}

CpuIdentity IdentifyCpu(const CpuidFunction& cpuid) {
    CpuIdentity cpu;
    cpu.vendor = VendorText(cpuid(0));
    cpu.manufacturer = ManufacturerFromVendor(cpu.vendor);

    const CpuidRegisters leaf1 = cpuid(1);
    const std::uint32_t signature = leaf1[0];
    cpu.family = static_cast<int>((signature >> 8) & 0xFu);
    cpu.model = static_cast<int>((signature >> 4) & 0xFu);
    cpu.extendedFamily = static_cast<int>((signature >> 20) & 0xFFu);
    cpu.extendedModel = static_cast<int>((signature >> 16) & 0xFu);
    cpu.hasTsc = (leaf1[3] & (1u << 4)) != 0;

    if (cpu.manufacturer != CpuManufacturer::Intel &&
        ExtendedLeafAvailable(cpu, kExtendedFeatureLeaf, cpuid)) {
        cpu.multiProcessor = (cpuid(kExtendedFeatureLeaf)[3] & (1u << 19)) != 0;
    }

    const bool intel = cpu.manufacturer == CpuManufacturer::Intel;
    if (BrandLeavesAvailable(cpu, cpuid)) {
        cpu.name = BrandString(cpuid, intel);
        return cpu;
    }
    const ClassicalName classical = ClassicalCpuName(cpu);
    if ((!classical.known || NewerIntelFamily6(cpu)) && BrandLeavesReallyAvailable(cpuid)) {
        std::string brand = BrandString(cpuid, intel);
        if (!brand.empty()) {
            cpu.name = std::move(brand);
            return cpu;
        }
    }
    cpu.name = classical.name;
    return cpu;
}

}  // namespace tarvik
