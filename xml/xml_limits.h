#pragma once
// Bounds that keep hostile or damaged files from exhausting memory. Real documents
// (settings, mod descriptions, vehicle files) stay far below them.

#include <cstdint>

namespace strohvik {

// The largest file Open reads.
inline constexpr int64_t kMaxDocumentBytes = int64_t{16} << 20;
// The memory a parsed document may take. Tags overlap when a '<' stands inside another
// tag, so a small file of many '<' could otherwise grow quadratically.
inline constexpr int64_t kMaxParsedBytes = int64_t{256} << 20;
// What one node costs besides its strings, as counted against kMaxParsedBytes.
inline constexpr int64_t kNodeOverheadBytes = 160;
// The largest normalised text Save writes; the indentation of deep nesting grows quadratically.
inline constexpr int64_t kMaxSavedBytes = int64_t{256} << 20;

}  // namespace strohvik
