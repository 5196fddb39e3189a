#pragma once
// The order of a sorted Windows list box, which is how the CSV folder is ordered: the newest
// run is the last name. A sorted list box compares with the user locale's case-insensitive
// word sort, which for ASCII works in two steps:
//
//  1. Compare the characters that carry weight, left to right, without regard to case. The
//     order is: blank, tab, line feed, vertical tab, form feed, carriage return, then
//     ! " # $ % & ( ) * , . / : ; ? @ [ \ ] ^ _ ` { | } ~ + < = >, then the digits, then the
//     letters (a and A alike). Digits are single characters, so "a10" comes before "a9".
//     Hyphen, apostrophe, the other control characters and DEL carry no weight here:
//     "co-op" and "coop" tie, and "a-b.csv" sorts after "ab.csv" (the dot comes before "b").
//     A string that runs out first comes first.
//  2. On a tie, the weightless characters decide. Their lists are compared entry by entry:
//     an entry further right in its string comes first ("coop-" before "co-op"); at the same
//     place the control characters by code come first, then DEL, the apostrophe, the hyphen;
//     a list that runs out first comes first, so "coop" comes before every "co-op" form.
//
// Strings that differ only in letter case compare equal. Bytes from 0x80 up (letters and
// signs of the ANSI code page, which differs by locale) are ordered by byte value after every
// ASCII letter, a simplification: Windows would place accented letters beside their base.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// Negative when a sorts before b, positive when after, 0 when the list box treats them alike.
int CompareListOrder(std::string_view a, std::string_view b);

// Sorts into list-box order; names that compare equal keep their order.
void SortListOrder(std::vector<std::string>& names);

// The name a sorted list box would show last (the newest run); nullopt for no names.
std::optional<std::string> NewestName(const std::vector<std::string>& names);

}  // namespace tarvik
