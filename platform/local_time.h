#pragma once
// The local calendar time, safe to ask from several threads at once.

#include <ctime>

namespace strohvik {

std::tm LocalTime(std::time_t time);

}  // namespace strohvik
