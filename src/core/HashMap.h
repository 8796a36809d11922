// THashMap: the launcher's chained string map from keys to values (UTF-8).
// Fixed bucket count, newest entry first in its bucket, Put never replaces, a
// missing key reads as empty text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

struct THashItem {
  std::unique_ptr<THashItem> Next;
  std::string Key;
  std::string Value;
};

class THashMap {
 public:
  // Throws std::invalid_argument for a bucket count below 1.
  explicit THashMap(int32_t bucketCount);
  virtual ~THashMap();
  THashMap(const THashMap&) = delete;
  THashMap& operator=(const THashMap&) = delete;

  virtual uint32_t HashOf(std::string_view key) const;

  void Put(std::string_view key, std::string_view value);
  // The link holding the most recent entry with this key, or the empty link
  // that ends the bucket's chain.
  const std::unique_ptr<THashItem>& Find(std::string_view key) const;
  std::string Get(std::string_view key) const;
  void Clear();

  size_t BucketCount() const { return Buckets.size(); }

 private:
  size_t BucketOf(std::string_view key) const;

  std::vector<std::unique_ptr<THashItem>> Buckets;
};

}  // namespace launcher
