#include "sysinfo/cpu_identity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvik {
namespace {

// A processor described by the registers it answers per leaf (zeros for any other leaf), which
// also notes every leaf it was asked for.
struct FakeCpu {
    std::map<std::uint32_t, CpuidRegisters> leaves;
    std::vector<std::uint32_t> asked;

    CpuidFunction Cpuid() {
        return [this](std::uint32_t leaf) {
            asked.push_back(leaf);
            const auto found = leaves.find(leaf);
            return found == leaves.end() ? CpuidRegisters{} : found->second;
        };
    }
    bool WasAsked(std::uint32_t leaf) const {
        return std::find(asked.begin(), asked.end(), leaf) != asked.end();
    }
};

std::uint32_t Word(const std::string& text, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[at + i])) << (8 * i);
    }
    return value;
}

std::uint32_t Signature(int family, int model, int extendedFamily = 0, int extendedModel = 0) {
    return (static_cast<std::uint32_t>(extendedFamily) << 20) |
           (static_cast<std::uint32_t>(extendedModel) << 16) |
           (static_cast<std::uint32_t>(family) << 8) | (static_cast<std::uint32_t>(model) << 4);
}

// vendor: 12 characters. highestExtended: what leaf 0x80000000 answers in EAX.
FakeCpu MakeCpu(const std::string& vendor, std::uint32_t signature,
                std::uint32_t highestExtended = 0) {
    FakeCpu cpu;
    cpu.leaves[0] = {1, Word(vendor, 0), Word(vendor, 8), Word(vendor, 4)};
    cpu.leaves[1] = {signature, 0, 0, 1u << 4};
    cpu.leaves[kExtendedLeafRange] = {highestExtended, 0, 0, 0};
    return cpu;
}

void SetBrand(FakeCpu& cpu, std::string brand) {
    brand.resize(kBrandStringLength, '\0');
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
        const std::size_t at = leaf * 16;
        cpu.leaves[kBrandStringFirstLeaf + leaf] = {Word(brand, at), Word(brand, at + 4),
                                                    Word(brand, at + 8), Word(brand, at + 12)};
    }
}

TEST(CpuVendor, EveryVendorTextAndNearMisses) {
    const struct {
        std::string vendor;
        CpuManufacturer manufacturer;
    } rows[] = {
        {"AuthenticAMD", CpuManufacturer::Amd},
        {"AMD ISBETTER", CpuManufacturer::Amd},
        {"GenuineIntel", CpuManufacturer::Intel},
        {"Geode By NSC", CpuManufacturer::Nsc},
        {"UMC UMC UMC ", CpuManufacturer::Umc},
        {"CyrixInstead", CpuManufacturer::Cyrix},
        {"NexGenDriven", CpuManufacturer::NexGen},
        {"CentaurHauls", CpuManufacturer::IdtCentaur},
        {"RiseRiseRise", CpuManufacturer::Rise},
        {"GenuineTMx86", CpuManufacturer::Transmeta},
        {"TransmetaCPU", CpuManufacturer::Transmeta},
        {"UMC UMC UMC", CpuManufacturer::Unknown},  // without its trailing blank
        {"genuineintel", CpuManufacturer::Unknown},
        {"GenuineIntel ", CpuManufacturer::Unknown},
        {"HygonGenuine", CpuManufacturer::Unknown},
        {"", CpuManufacturer::Unknown},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ManufacturerFromVendor(row.vendor), row.manufacturer) << '"' << row.vendor << '"';
    }
}

TEST(CpuVendor, VendorTextIsEbxEdxEcx) {
    // The registers a real Intel processor answers for leaf 0.
    EXPECT_EQ(VendorText({0x0000000Du, 0x756E6547u, 0x6C65746Eu, 0x49656E69u}), "GenuineIntel");
    EXPECT_EQ(VendorText({1u, 0x20434D55u, 0x20434D55u, 0x20434D55u}), "UMC UMC UMC ");
}

TEST(CpuIdentity, BitFieldsOfTheSignature) {
    // Stepping, type and the reserved top bits set too, to catch a mask that lets them in.
    FakeCpu cpu = MakeCpu("GenuineIntel", 0xFAB93F63u);
    cpu.leaves[1][3] = 0;
    const CpuIdentity identity = IdentifyCpu(cpu.Cpuid());
    EXPECT_EQ(identity.vendor, "GenuineIntel");
    EXPECT_EQ(identity.manufacturer, CpuManufacturer::Intel);
    EXPECT_EQ(identity.family, 15);
    EXPECT_EQ(identity.model, 6);
    EXPECT_EQ(identity.extendedFamily, 0xAB);
    EXPECT_EQ(identity.extendedModel, 9);
    EXPECT_FALSE(identity.hasTsc);
    EXPECT_TRUE(IdentifyCpu(MakeCpu("GenuineIntel", Signature(6, 8)).Cpuid()).hasTsc);
}

// Every classical name, reached through identification of a processor whose extended leaves
// are missing (leaf 0x80000000 answers 0).
struct NameCase {
    const char* vendor;
    int family;
    int model;
    int extendedFamily;
    bool multiProcessorBit;
    const char* name;
};

const NameCase kNameCases[] = {
    {"AuthenticAMD", 4, 3, 0, false, "80486DX2"},
    {"AuthenticAMD", 4, 7, 0, false, "80486DX2 WriteBack"},
    {"AuthenticAMD", 4, 8, 0, false, "80486DX4"},
    {"AuthenticAMD", 4, 9, 0, false, "80486DX4 WriteBack"},
    {"AuthenticAMD", 4, 14, 0, false, "5x86"},
    {"AuthenticAMD", 4, 15, 0, false, "5x86WB"},
    {"AuthenticAMD", 4, 0, 0, false, "Unknown 80486 family"},
    {"AuthenticAMD", 5, 0, 0, false, "SSA5 (PR75, PR90, PR100)"},
    {"AuthenticAMD", 5, 1, 0, false, "5k86 (PR120, PR133)"},
    {"AuthenticAMD", 5, 2, 0, false, "5k86 (PR166)"},
    {"AuthenticAMD", 5, 3, 0, false, "5k86 (PR200)"},
    {"AuthenticAMD", 5, 6, 0, false, "K6 (0.30 \xB5m)"},
    {"AuthenticAMD", 5, 7, 0, false, "K6 (0.25 \xB5m)"},
    {"AuthenticAMD", 5, 8, 0, false, "K6-2"},
    {"AuthenticAMD", 5, 9, 0, false, "K6-III"},
    {"AuthenticAMD", 5, 13, 0, false, "K6-2+ or K6-III+ (0.18 \xB5m)"},
    {"AuthenticAMD", 5, 4, 0, false, "Unknown 80586 family"},
    {"AuthenticAMD", 6, 1, 0, false, "Athlon\x99 (0.25 \xB5m)"},
    {"AuthenticAMD", 6, 2, 0, false, "Athlon\x99 (0.18 \xB5m)"},
    {"AuthenticAMD", 6, 3, 0, false, "Duron\x99 (SF core)"},
    {"AuthenticAMD", 6, 4, 0, false, "Athlon\x99 (Thunderbird core)"},
    {"AuthenticAMD", 6, 6, 0, false, "Athlon\x99 (Palomino core)"},
    {"AuthenticAMD", 6, 7, 0, false, "Duron\x99 (Morgan core)"},
    {"AuthenticAMD", 6, 8, 0, false, "Athlon\x99 XP (Thoroughbred core)"},
    {"AuthenticAMD", 6, 8, 0, true, "Athlon\x99 MP (Thoroughbred core)"},
    {"AMD ISBETTER", 6, 0, 0, false, "Unknown K7 family"},
    {"AuthenticAMD", 6, 10, 0, false, "Unknown K7 family"},
    {"AuthenticAMD", 15, 4, 0, false, "Unknown AMD family"},
    {"AuthenticAMD", 3, 0, 0, false, "Unknown AMD family"},

    {"GenuineIntel", 3, 0, 0, false, "Newer i80386 family"},
    {"GenuineIntel", 4, 0, 0, false, "i80486DX-25/33"},
    {"GenuineIntel", 4, 1, 0, false, "i80486DX-50"},
    {"GenuineIntel", 4, 2, 0, false, "i80486SX"},
    {"GenuineIntel", 4, 3, 0, false, "i80486DX2"},
    {"GenuineIntel", 4, 4, 0, false, "i80486SL"},
    {"GenuineIntel", 4, 5, 0, false, "i80486SX2"},
    {"GenuineIntel", 4, 7, 0, false, "i80486DX2 WriteBack"},
    {"GenuineIntel", 4, 8, 0, false, "i80486DX4"},
    {"GenuineIntel", 4, 9, 0, false, "i80486DX4 WriteBack"},
    {"GenuineIntel", 4, 6, 0, false, "Unknown 80486 family"},
    {"GenuineIntel", 5, 0, 0, false, "P5 A-Step"},
    {"GenuineIntel", 5, 1, 0, false, "P5"},
    {"GenuineIntel", 5, 2, 0, false, "P54C"},
    {"GenuineIntel", 5, 7, 0, false, "P54C"},
    {"GenuineIntel", 5, 3, 0, false, "P24T OverDrive"},
    {"GenuineIntel", 5, 4, 0, false, "P55C"},
    {"GenuineIntel", 5, 8, 0, false, "P55C (0.25\xB5m)"},
    {"GenuineIntel", 5, 5, 0, false, "Unknown Pentium\xAE family"},
    {"GenuineIntel", 6, 0, 0, false, "P6 A-Step"},
    {"GenuineIntel", 6, 1, 0, false, "P6"},
    {"GenuineIntel", 6, 3, 0, false, "Pentium\xAE II (0.28 \xB5m)"},
    {"GenuineIntel", 6, 5, 0, false, "Pentium\xAE II (0.25 \xB5m)"},
    {"GenuineIntel", 6, 6, 0, false, "Pentium\xAE II With On-Die L2 Cache"},
    {"GenuineIntel", 6, 7, 0, false, "Pentium\xAE III (0.25 \xB5m)"},
    {"GenuineIntel", 6, 8, 0, false, "Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache "},
    {"GenuineIntel", 6, 10, 0, false,
     "Pentium\xAE III (0.18 \xB5m) With 1 Or 2 MB On-Die L2 Cache "},
    {"GenuineIntel", 6, 11, 0, false,
     "Pentium\xAE III (0.13 \xB5m) With 256 Or 512 KB On-Die L2 Cache "},
    {"GenuineIntel", 6, 2, 0, false, "Unknown P6 family"},
    {"GenuineIntel", 6, 9, 0, false, "Unknown P6 family"},
    {"GenuineIntel", 7, 0, 0, false, "Intel Merced (IA-64)"},
    {"GenuineIntel", 15, 0, 0, false, "Pentium\xAE IV (0.18 \xB5m)"},
    {"GenuineIntel", 15, 1, 0, false, "Pentium\xAE IV (0.18 \xB5m)"},
    {"GenuineIntel", 15, 2, 0, false, "Pentium\xAE IV (0.13 \xB5m)"},
    {"GenuineIntel", 15, 3, 0, false, "Unknown Pentium 4 family"},
    {"GenuineIntel", 15, 0, 1, false, "Intel McKinley (IA-64)"},
    {"GenuineIntel", 15, 2, 1, false, "Intel McKinley (IA-64)"},
    {"GenuineIntel", 15, 0, 2, false, ""},
    {"GenuineIntel", 8, 0, 0, false, "Unknown Intel family"},
    {"GenuineIntel", 2, 0, 0, false, "Unknown Intel family"},

    {"Geode By NSC", 4, 0, 0, false, "Cx486SLC \\ DLC \\ Cx486S A-Step"},
    {"Geode By NSC", 5, 9, 0, false, "Cx486SLC \\ DLC \\ Cx486S A-Step"},

    {"UMC UMC UMC ", 4, 1, 0, false, "U5D"},
    {"UMC UMC UMC ", 4, 2, 0, false, "U5S"},
    {"UMC UMC UMC ", 4, 3, 0, false, "Unknown UMC family"},
    {"UMC UMC UMC ", 5, 1, 0, false, "Unknown UMC family"},

    {"CyrixInstead", 4, 4, 0, false, "MediaGX GX, GXm"},
    {"CyrixInstead", 4, 9, 0, false, "5x86"},
    {"CyrixInstead", 4, 1, 0, false, "Unknown Cx5x86 family"},
    {"CyrixInstead", 5, 2, 0, false, "Cx6x86"},
    {"CyrixInstead", 5, 4, 0, false, "MediaGX GXm"},
    {"CyrixInstead", 5, 3, 0, false, "Unknown Cx6x86 family"},
    {"CyrixInstead", 6, 0, 0, false, "6x86MX"},
    {"CyrixInstead", 6, 5, 0, false, "Cyrix M2 Core"},
    {"CyrixInstead", 6, 6, 0, false, "WinChip C5A Core"},
    {"CyrixInstead", 6, 7, 0, false, "WinChip C5B\\C5C Core"},
    {"CyrixInstead", 6, 8, 0, false, "WinChip C5C-T Core"},
    {"CyrixInstead", 6, 9, 0, false, "Unknown 6x86MX\\Cyrix III family"},
    {"CyrixInstead", 7, 0, 0, false, "Unknown Cyrix family"},

    {"NexGenDriven", 5, 0, 0, false, "Nx586 or Nx586FPU"},
    {"NexGenDriven", 5, 1, 0, false, "Unknown NexGen family"},
    {"NexGenDriven", 6, 0, 0, false, "Unknown NexGen family"},

    {"CentaurHauls", 5, 4, 0, false, "C6"},
    {"CentaurHauls", 5, 8, 0, false, "C2"},
    {"CentaurHauls", 5, 9, 0, false, "C3"},
    {"CentaurHauls", 5, 5, 0, false, "Unknown IDT\\Centaur family"},
    {"CentaurHauls", 6, 6, 0, false, "VIA Cyrix III - Samuel"},
    {"CentaurHauls", 6, 7, 0, false, "Unknown IDT\\Centaur family"},
    {"CentaurHauls", 4, 6, 0, false, "Unknown IDT\\Centaur family"},

    {"RiseRiseRise", 5, 0, 0, false, "mP6 (0.25 \xB5m)"},
    {"RiseRiseRise", 5, 2, 0, false, "mP6 (0.18 \xB5m)"},
    {"RiseRiseRise", 5, 1, 0, false, "Unknown Rise family"},
    {"RiseRiseRise", 6, 0, 0, false, "Unknown Rise family"},

    {"GenuineTMx86", 5, 4, 0, false, "Crusoe TM3x00 and TM5x00"},
    {"TransmetaCPU", 5, 4, 0, false, "Crusoe TM3x00 and TM5x00"},
    {"GenuineTMx86", 5, 3, 0, false, "Unknown Crusoe family"},
    {"GenuineTMx86", 15, 2, 0, false, "Unknown Transmeta family"},

    {"SiS SiS SiS ", 5, 0, 0, false, "Unknown family"},
};

TEST(CpuIdentity, EveryClassicalName) {
    for (const NameCase& row : kNameCases) {
        // Leaf 0x80000001 is there (for the multi-processor bit), the brand leaves are not.
        FakeCpu cpu = MakeCpu(row.vendor, Signature(row.family, row.model, row.extendedFamily),
                              kExtendedFeatureLeaf);
        cpu.leaves[kExtendedFeatureLeaf] = {0, 0, 0, row.multiProcessorBit ? 1u << 19 : 0u};
        const CpuIdentity identity = IdentifyCpu(cpu.Cpuid());
        EXPECT_EQ(identity.name, row.name) << row.vendor << " family " << row.family << " model "
                                           << row.model << " ext " << row.extendedFamily;
    }
}

TEST(CpuIdentity, ClassicalNamesThatTheTableDoesNotKnow) {
    const struct {
        CpuManufacturer manufacturer;
        int family;
        int model;
        int extendedFamily;
        bool known;
    } rows[] = {
        {CpuManufacturer::Intel, 6, 8, 0, true},    {CpuManufacturer::Intel, 6, 14, 0, false},
        {CpuManufacturer::Intel, 3, 0, 0, true},    {CpuManufacturer::Intel, 15, 0, 2, false},
        {CpuManufacturer::Nsc, 9, 9, 0, true},      {CpuManufacturer::Amd, 15, 0, 0, false},
        {CpuManufacturer::Unknown, 6, 0, 0, false},
    };
    for (const auto& row : rows) {
        CpuIdentity cpu;
        cpu.manufacturer = row.manufacturer;
        cpu.family = row.family;
        cpu.model = row.model;
        cpu.extendedFamily = row.extendedFamily;
        EXPECT_EQ(ClassicalCpuName(cpu).known, row.known)
            << static_cast<int>(row.manufacturer) << " family " << row.family << " model "
            << row.model;
    }
}

TEST(CpuIdentity, ExtendedLeafAvailability) {
    const struct {
        CpuManufacturer manufacturer;
        int family;
        int model;
        std::uint32_t highestExtended;
        bool asks;
        bool available;  // for leaf 0x80000004
    } rows[] = {
        {CpuManufacturer::Amd, 4, 15, 0x80000004u, false, false},
        {CpuManufacturer::Amd, 5, 5, 0x80000004u, false, false},
        {CpuManufacturer::Amd, 5, 6, 0x80000004u, true, true},
        {CpuManufacturer::Amd, 5, 6, 0x80000003u, true, false},
        {CpuManufacturer::Cyrix, 4, 9, 0x80000004u, false, false},
        {CpuManufacturer::Cyrix, 5, 3, 0x80000004u, false, false},
        {CpuManufacturer::Cyrix, 5, 4, 0x80000004u, true, true},
        {CpuManufacturer::Cyrix, 6, 4, 0x80000004u, false, false},
        {CpuManufacturer::Cyrix, 6, 5, 0x80000004u, true, true},
        {CpuManufacturer::Cyrix, 7, 0, 0x80000004u, true, true},
        {CpuManufacturer::IdtCentaur, 4, 9, 0x80000004u, false, false},
        {CpuManufacturer::IdtCentaur, 5, 7, 0x80000004u, false, false},
        {CpuManufacturer::IdtCentaur, 5, 8, 0x80000004u, true, true},
        {CpuManufacturer::IdtCentaur, 6, 0, 0x80000004u, true, true},
        {CpuManufacturer::Transmeta, 4, 15, 0x80000004u, false, false},
        {CpuManufacturer::Transmeta, 5, 0, 0x80000004u, true, true},
        {CpuManufacturer::Intel, 6, 15, 0x80000008u, false, false},
        {CpuManufacturer::Intel, 14, 0, 0x80000008u, false, false},
        {CpuManufacturer::Intel, 15, 0, 0x80000004u, true, true},
        {CpuManufacturer::Nsc, 4, 0, 0x80000004u, true, true},
        {CpuManufacturer::Umc, 4, 1, 0u, true, false},
        {CpuManufacturer::NexGen, 5, 0, 0x80000004u, true, true},
        {CpuManufacturer::Rise, 5, 0, 0x80000004u, true, true},
        {CpuManufacturer::Unknown, 3, 0, 0x80000004u, true, true},
        // The comparison ignores bit 31: a basic-leaf answer of 4 passes, and so does all ones.
        {CpuManufacturer::Amd, 6, 0, 0x00000004u, true, true},
        {CpuManufacturer::Amd, 6, 0, 0x00000003u, true, false},
        {CpuManufacturer::Amd, 6, 0, 0xFFFFFFFFu, true, true},
    };
    for (const auto& row : rows) {
        FakeCpu fake;
        fake.leaves[kExtendedLeafRange] = {row.highestExtended, 0, 0, 0};
        CpuIdentity cpu;
        cpu.manufacturer = row.manufacturer;
        cpu.family = row.family;
        cpu.model = row.model;
        EXPECT_EQ(ExtendedLeafAvailable(cpu, kBrandStringLastLeaf, fake.Cpuid()), row.available)
            << static_cast<int>(row.manufacturer) << " family " << row.family << " model "
            << row.model << " highest " << std::hex << row.highestExtended;
        EXPECT_EQ(fake.WasAsked(kExtendedLeafRange), row.asks)
            << static_cast<int>(row.manufacturer) << " family " << row.family << " model "
            << row.model;
    }
}

TEST(CpuIdentity, IntelBrandStringLosesLeadingBlanksAmdKeepsThem) {
    FakeCpu intel = MakeCpu("GenuineIntel", Signature(15, 2), 0x80000004u);
    SetBrand(intel, "              Intel(R) Pentium(R) 4 CPU 2.40GHz");
    EXPECT_EQ(IdentifyCpu(intel.Cpuid()).name, "Intel(R) Pentium(R) 4 CPU 2.40GHz");

    FakeCpu amd = MakeCpu("AuthenticAMD", Signature(6, 8), 0x80000008u);
    SetBrand(amd, "   AMD Athlon(tm) XP 2400+  ");
    EXPECT_EQ(IdentifyCpu(amd.Cpuid()).name, "   AMD Athlon(tm) XP 2400+  ");
}

TEST(CpuIdentity, BrandStringEdges) {
    const struct {
        std::string raw;
        bool removeLeadingBlanks;
        std::string name;
    } rows[] = {
        // Zero bytes among the leading blanks are skipped too.
        {std::string("\0 \0  Genuine Intel(R) CPU", 25), true, "Genuine Intel(R) CPU"},
        {std::string(48, ' '), true, ""},
        {std::string(48, '\0'), true, ""},
        {std::string(48, ' '), false, std::string(48, ' ')},
        {std::string(48, 'X'), true, std::string(48, 'X')},
        {std::string("AMD\0tail", 8), false, "AMD"},
        {std::string(" Intel\0 tail", 12), true, "Intel"},
    };
    for (const auto& row : rows) {
        FakeCpu cpu;
        SetBrand(cpu, row.raw);
        EXPECT_EQ(BrandString(cpu.Cpuid(), row.removeLeadingBlanks), row.name);
    }
}

TEST(CpuIdentity, ClassicalIntelFamily6NeverAsksForTheBrandString) {
    FakeCpu cpu = MakeCpu("GenuineIntel", Signature(6, 8), 0x80000004u);
    SetBrand(cpu, "Intel(R) Pentium(R) III CPU");
    EXPECT_EQ(IdentifyCpu(cpu.Cpuid()).name,
              "Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache ");
    EXPECT_FALSE(cpu.WasAsked(kBrandStringFirstLeaf));
}

TEST(CpuIdentity, ProcessorsNewerThanTheTableGetTheirBrandString) {
    const struct {
        const char* vendor;
        std::uint32_t signature;
        const char* brand;
        const char* name;
    } rows[] = {
        // Intel family 6 with an extended model would otherwise read as a Pentium II.
        {"GenuineIntel", Signature(6, 0x5, 0, 0x9), "     Intel(R) Core(TM) i5-10400 CPU",
         "Intel(R) Core(TM) i5-10400 CPU"},
        {"GenuineIntel", Signature(6, 0xE), "Genuine Intel(R) CPU T2300",
         "Genuine Intel(R) CPU T2300"},
        {"GenuineIntel", Signature(6, 0xD), "Intel(R) Pentium(R) M 1.70GHz",
         "Intel(R) Pentium(R) M 1.70GHz"},
        {"GenuineIntel", Signature(6, 0x9), "Intel(R) Pentium(R) M 1.30GHz",
         "Intel(R) Pentium(R) M 1.30GHz"},
        // Other vendors: only when the table would not name the processor.
        {"CyrixInstead", Signature(5, 0), "Cyrix MII", "Cyrix MII"},
        {"CentaurHauls", Signature(5, 5), "VIA Esther processor 1500MHz",
         "VIA Esther processor 1500MHz"},
        {"AuthenticAMD", Signature(5, 5), "AMD-K6(tm) 3D processor", "AMD-K6(tm) 3D processor"},
        {"HygonGenuine", Signature(15, 0, 8, 0), "Hygon C86 3185  8-core Processor   ",
         "Hygon C86 3185  8-core Processor   "},
        {"  Shanghai  ", Signature(7, 0xB, 0, 0x3), " ZHAOXIN KaiXian KX-U6780A@2.7GHz",
         " ZHAOXIN KaiXian KX-U6780A@2.7GHz"},
    };
    for (const auto& row : rows) {
        FakeCpu cpu = MakeCpu(row.vendor, row.signature, 0x80000008u);
        SetBrand(cpu, row.brand);
        EXPECT_EQ(IdentifyCpu(cpu.Cpuid()).name, row.name) << row.vendor << " " << row.brand;
    }
}

TEST(CpuIdentity, TableNameStaysWithoutARealBrandString) {
    const struct {
        const char* vendor;
        std::uint32_t signature;
        std::uint32_t highestExtended;
        const char* brand;
        const char* name;
    } rows[] = {
        // Old processors answer leaf 0x80000000 with basic-leaf data: not trusted here.
        {"GenuineIntel", Signature(6, 0xE), 0x00000004u, "Intel(R) CPU", "Unknown P6 family"},
        {"GenuineIntel", Signature(6, 0xE), 0x80000001u, "Intel(R) CPU", "Unknown P6 family"},
        // An empty brand string is no better than the table's name.
        {"GenuineIntel", Signature(6, 0x5, 0, 0x9), 0x80000008u, "", "Pentium\xAE II (0.25 \xB5m)"},
        // A model the table names keeps its name, whatever the processor answers.
        {"AuthenticAMD", Signature(5, 3), 0x80000008u, "AMD brand", "5k86 (PR200)"},
    };
    for (const auto& row : rows) {
        FakeCpu cpu = MakeCpu(row.vendor, row.signature, row.highestExtended);
        SetBrand(cpu, row.brand);
        EXPECT_EQ(IdentifyCpu(cpu.Cpuid()).name, row.name);
    }
}

TEST(CpuIdentity, MultiProcessorBitIsAskedOfNonIntelOnly) {
    FakeCpu amd = MakeCpu("AuthenticAMD", Signature(6, 8), kExtendedFeatureLeaf);
    amd.leaves[kExtendedFeatureLeaf] = {0, 0, 0, 1u << 19};
    EXPECT_TRUE(IdentifyCpu(amd.Cpuid()).multiProcessor);

    FakeCpu oldAmd = MakeCpu("AuthenticAMD", Signature(5, 5), kExtendedFeatureLeaf);
    oldAmd.leaves[kExtendedFeatureLeaf] = {0, 0, 0, 1u << 19};
    EXPECT_FALSE(IdentifyCpu(oldAmd.Cpuid()).multiProcessor);
    EXPECT_FALSE(oldAmd.WasAsked(kExtendedFeatureLeaf));

    FakeCpu intel = MakeCpu("GenuineIntel", Signature(15, 2), 0x80000004u);
    intel.leaves[kExtendedFeatureLeaf] = {0, 0, 0, 1u << 19};
    SetBrand(intel, "Intel(R) Xeon(TM) CPU 2.40GHz");
    const CpuIdentity identity = IdentifyCpu(intel.Cpuid());
    EXPECT_FALSE(identity.multiProcessor);
    EXPECT_FALSE(intel.WasAsked(kExtendedFeatureLeaf));
    EXPECT_EQ(identity.name, "Intel(R) Xeon(TM) CPU 2.40GHz");
}

}  // namespace
}  // namespace tarvik
