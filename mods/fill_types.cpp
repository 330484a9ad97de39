#include "mods/fill_types.h"

#include <array>
#include <string_view>

namespace strohvik {
namespace {

struct FillTypeRow {
  std::string_view key;
  std::string_view germanName;
};

constexpr std::array<FillTypeRow, 24> kFillTypes{{
    {"wheat", "Weizen"},
    {"barley", "Gerste"},
    {"rape", "Raps"},
    {"maize", "Mais"},
    {"sunflower", "Sonnenblumen"},
    {"silage", "Silofutter"},
    {"fertilizer", "Dünger"},
    {"grass", "Gras"},
    {"carrot", "Karotten"},
    {"rice", "Reis"},
    {"potato", "Kartoffel"},
    {"dung", "Mist"},
    {"chaff", "Häcksel"},
    {"sugarbeet", "Zuckerrüben"},
    {"oats", "Hafer"},
    {"oat", "Hafer"},
    {"rye", "Roggen"},
    {"drygrass", "trockenes Gras"},
    {"mohn", "Mohn"},
    {"triticale", "Triticale"},
    {"manure", "Gülle"},
    {"wirsingkohl", "Wirsingkohl"},
    {"liquidManure", "Gülle"},
    {"dryGrass", "trockenes Gras"},
}};

}  // namespace

std::vector<std::string> GermanFillTypeNames(const std::string& fruitTypes) {
  std::vector<std::string> names;
  for (const auto& row : kFillTypes) {
    if (fruitTypes.find(row.key) != std::string::npos) names.emplace_back(row.germanName);
  }
  return names;
}

}  // namespace strohvik
