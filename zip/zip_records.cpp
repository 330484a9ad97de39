#include "zip/zip_records.h"

namespace strohvik {

tm DecodeDosDateTime(uint16_t dosTime, uint16_t dosDate) {
  tm date;
  date.tm_sec = (dosTime & 31) * 2;
  date.tm_min = (dosTime >> 5) & 63;
  date.tm_hour = dosTime >> 11;
  date.tm_mday = dosDate & 31;
  date.tm_mon = (dosDate >> 5) & 15;
  date.tm_year = ((dosDate >> 9) & 127) + 1980;
  return date;
}

std::optional<std::time_t> LocalTimeOf(const tm& date) {
  const bool inRange = date.tm_sec >= 0 && date.tm_sec <= 59 && date.tm_min >= 0 && date.tm_min <= 59 &&
                       date.tm_hour >= 0 && date.tm_hour <= 23 && date.tm_mday >= 1 && date.tm_mday <= 31 &&
                       date.tm_mon >= 1 && date.tm_mon <= 12;
  if (!inRange) return std::nullopt;
  std::tm local{};
  local.tm_sec = date.tm_sec;
  local.tm_min = date.tm_min;
  local.tm_hour = date.tm_hour;
  local.tm_mday = date.tm_mday;
  local.tm_mon = date.tm_mon - 1;
  local.tm_year = date.tm_year - 1900;
  local.tm_isdst = -1;
  const std::time_t time = std::mktime(&local);
  // mktime moves a day that the month lacks into the next month; such a date is invalid.
  if (time == static_cast<std::time_t>(-1) || local.tm_mday != date.tm_mday || local.tm_mon != date.tm_mon - 1) {
    return std::nullopt;
  }
  return time;
}

ZipEntryPtr SZipFileEntry::Create() { return std::make_shared<SZipFileEntry>(); }

bool SZipFileEntry::IsDirectory() const {
  return header.ExternalFileAttributes == 0x10 && header.DataDescriptor.UncompressedSize == 0;
}

}  // namespace strohvik
