#pragma once
// Small file, zip and PNG helpers of the converter and inspector tests.

#include <filesystem>
#include <map>
#include <string>

#include "tools/dds_converter/dds_decoder.h"

namespace strohvik::testing_dds {

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

// Every file below root, by its path relative to root, with its content.
std::map<std::string, std::string> SnapshotTree(const std::filesystem::path& root);

// Flips a byte in the data of the zip archive's first entry.
void DamageFirstEntry(const std::filesystem::path& archive);

// Decodes a PNG to RGBA; hasAlpha tells whether the file itself has an alpha channel.
// Fails the current test and returns an empty picture when the bytes are no PNG.
RgbaImage DecodePng(const std::string& bytes, bool* hasAlpha = nullptr);

}  // namespace strohvik::testing_dds
