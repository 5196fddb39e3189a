#include "results/list_order.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarvik {
namespace {

// Primary weights; 0 marks a character that only counts when everything else ties.
using WeightTable = std::array<std::uint16_t, 256>;

constexpr char kSymbolOrder[] =
    " \t\n\v\f\r!\"#$%&()*,./:;?@[\\]^_`{|}~+<=>0123456789abcdefghijklmnopqrstuvwxyz";

constexpr WeightTable MakePrimaryWeights() {
    WeightTable weights{};
    std::uint16_t next = 1;
    for (const char* c = kSymbolOrder; *c != '\0'; ++c) {
        weights[static_cast<unsigned char>(*c)] = next++;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        weights[static_cast<std::size_t>(c)] = weights[static_cast<std::size_t>(c - 'A' + 'a')];
    }
    for (int c = 0x80; c <= 0xFF; ++c) {
        weights[static_cast<std::size_t>(c)] = next++;
    }
    return weights;
}

constexpr WeightTable kPrimaryWeights = MakePrimaryWeights();

// The tie-break weight of each weightless character.
constexpr WeightTable MakeTieWeights() {
    WeightTable weights{};
    std::uint16_t next = 1;
    for (int c = 0x00; c < 0x20; ++c) {
        if (kPrimaryWeights[static_cast<std::size_t>(c)] == 0) {
            weights[static_cast<std::size_t>(c)] = next++;
        }
    }
    weights[0x7F] = next++;
    weights[static_cast<unsigned char>('\'')] = next++;
    weights[static_cast<unsigned char>('-')] = next++;
    return weights;
}

constexpr WeightTable kTieWeights = MakeTieWeights();

std::uint16_t Primary(char c) {
    return kPrimaryWeights[static_cast<unsigned char>(c)];
}
std::uint16_t Tie(char c) {
    return kTieWeights[static_cast<unsigned char>(c)];
}

// Index of the next character at or after `at` for which `weight` is not 0.
template <typename Weight>
std::size_t Advance(std::string_view text, std::size_t at, Weight weight) {
    while (at < text.size() && weight(text[at]) == 0) {
        ++at;
    }
    return at;
}

int ComparePrimary(std::string_view a, std::string_view b) {
    std::size_t i = Advance(a, 0, Primary);
    std::size_t j = Advance(b, 0, Primary);
    while (i < a.size() && j < b.size()) {
        if (Primary(a[i]) != Primary(b[j])) {
            return Primary(a[i]) < Primary(b[j]) ? -1 : 1;
        }
        i = Advance(a, i + 1, Primary);
        j = Advance(b, j + 1, Primary);
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

int CompareWeightless(std::string_view a, std::string_view b) {
    std::size_t i = Advance(a, 0, Tie);
    std::size_t j = Advance(b, 0, Tie);
    while (i < a.size() && j < b.size()) {
        if (i != j) {
            return i > j ? -1 : 1;
        }
        if (Tie(a[i]) != Tie(b[j])) {
            return Tie(a[i]) < Tie(b[j]) ? -1 : 1;
        }
        i = Advance(a, i + 1, Tie);
        j = Advance(b, j + 1, Tie);
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

}  // namespace

int CompareListOrder(std::string_view a, std::string_view b) {
    const int primary = ComparePrimary(a, b);
    return primary != 0 ? primary : CompareWeightless(a, b);
}

void SortListOrder(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareListOrder(a, b) < 0;
    });
}

std::optional<std::string> NewestName(const std::vector<std::string>& names) {
    if (names.empty()) {
        return std::nullopt;
    }
    // The last of several equal names, as a stable sort would leave it.
    const std::string* newest = &names.front();
    for (const std::string& name : names) {
        if (CompareListOrder(name, *newest) >= 0) {
            newest = &name;
        }
    }
    return *newest;
}

}  // namespace tarvik
