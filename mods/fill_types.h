#pragma once
// The German names of the fill types a vehicle file lists in its fruitTypes attribute.

#include <string>
#include <vector>

namespace strohvik {

// One name for each row of the fill-type table whose key occurs anywhere in the text
// (case-sensitive), in table order. Keys overlap on purpose: "oats" also contains "oat",
// so one fill type can give two names.
std::vector<std::string> GermanFillTypeNames(const std::string& fruitTypes);

}  // namespace strohvik
