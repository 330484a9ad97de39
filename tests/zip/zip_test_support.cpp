#include "tests/zip/zip_test_support.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <string_view>

namespace strohvik::ziptest {
namespace fs = std::filesystem;
namespace {

void AppendShort(std::string& bytes, uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

void AppendInt(std::string& bytes, uint32_t value) {
  AppendShort(bytes, static_cast<uint16_t>(value & 0xFFFF));
  AppendShort(bytes, static_cast<uint16_t>(value >> 16));
}

struct EntryFields {
  std::string stored;
  uint32_t crc;
  uint32_t compressedSize;
  uint32_t uncompressedSize;
};

EntryFields FieldsOf(const FixtureEntry& entry) {
  EntryFields fields;
  fields.stored = entry.compressed.value_or(entry.method == 8 ? RawDeflate(entry.data) : entry.data);
  fields.crc = entry.crc.value_or(Crc32(entry.data));
  fields.compressedSize = entry.compressedSize.value_or(static_cast<uint32_t>(fields.stored.size()));
  fields.uncompressedSize = entry.uncompressedSize.value_or(static_cast<uint32_t>(entry.data.size()));
  return fields;
}

// The fields local and central headers share, from "version needed" to the name length.
void AppendCommonFields(std::string& bytes, const FixtureEntry& entry, const EntryFields& fields) {
  AppendShort(bytes, 20);
  AppendShort(bytes, entry.flags);
  AppendShort(bytes, entry.method);
  AppendShort(bytes, entry.dosTime);
  AppendShort(bytes, entry.dosDate);
  AppendInt(bytes, fields.crc);
  AppendInt(bytes, fields.compressedSize);
  AppendInt(bytes, fields.uncompressedSize);
  AppendShort(bytes, static_cast<uint16_t>(entry.name.size()));
  AppendShort(bytes, 0);
}

}  // namespace

std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, data.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

uint32_t Crc32(const std::string& data) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

void PutShort(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

void PutInt(std::string& bytes, size_t at, uint32_t value) {
  PutShort(bytes, at, static_cast<uint16_t>(value & 0xFFFF));
  PutShort(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

std::string EndRecord(uint32_t directoryOffset, uint16_t entryCount, uint32_t directorySize, uint16_t commentLength) {
  std::string record;
  AppendInt(record, 0x06054B50);
  AppendShort(record, 0);
  AppendShort(record, 0);
  AppendShort(record, entryCount);
  AppendShort(record, entryCount);
  AppendInt(record, directorySize);
  AppendInt(record, directoryOffset);
  AppendShort(record, commentLength);
  return record;
}

BuiltZip BuildZip(const std::vector<FixtureEntry>& entries, const std::string& comment) {
  BuiltZip zip;
  std::vector<uint32_t> localOffsets;
  for (const auto& entry : entries) {
    const EntryFields fields = FieldsOf(entry);
    localOffsets.push_back(static_cast<uint32_t>(zip.bytes.size()));
    AppendInt(zip.bytes, 0x04034B50);
    AppendCommonFields(zip.bytes, entry, fields);
    zip.bytes += entry.name + fields.stored;
  }
  zip.directoryOffset = zip.bytes.size();
  for (size_t i = 0; i < entries.size(); ++i) {
    const EntryFields fields = FieldsOf(entries[i]);
    zip.headerOffsets.push_back(zip.bytes.size());
    AppendInt(zip.bytes, 0x02014B50);
    AppendShort(zip.bytes, 0x031E);
    AppendCommonFields(zip.bytes, entries[i], fields);
    AppendShort(zip.bytes, 0);  // comment length
    AppendShort(zip.bytes, 0);  // disk
    AppendShort(zip.bytes, 0);  // internal attributes
    AppendInt(zip.bytes, static_cast<uint32_t>(entries[i].externalAttributes));
    AppendInt(zip.bytes, entries[i].localHeaderOffset.value_or(localOffsets[i]));
    zip.bytes += entries[i].name;
  }
  zip.endRecordOffset = zip.bytes.size();
  zip.bytes += EndRecord(static_cast<uint32_t>(zip.directoryOffset), static_cast<uint16_t>(entries.size()),
                         static_cast<uint32_t>(zip.endRecordOffset - zip.directoryOffset),
                         static_cast<uint16_t>(comment.size()));
  zip.bytes += comment;
  return zip;
}

std::string ZipTest::Sys(const std::string& relative) const { return root_.string() + "\\" + relative; }

void ZipTest::Write(const std::string& relative, const std::string& content) const {
  fs::create_directories(Host(relative).parent_path());
  std::ofstream(Host(relative), std::ios::binary) << content;
}

std::string ZipTest::Read(const std::string& relative) const {
  std::ifstream in(Host(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ZipTest::FilesBelow(const std::string& relative) const {
  std::vector<std::string> files;
  const fs::path base = relative.empty() ? root_ : Host(relative);
  if (!fs::exists(base)) return files;
  for (const auto& item : fs::recursive_directory_iterator(base)) {
    files.push_back(fs::relative(item.path(), base).generic_string() + (item.is_directory() ? "/" : ""));
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace strohvik::ziptest
