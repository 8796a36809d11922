#include "core/HashMap.h"

#include <stdexcept>

namespace launcher {

THashMap::THashMap(int32_t bucketCount) {
  if (bucketCount < 1) throw std::invalid_argument("THashMap needs at least one bucket");
  Buckets.resize(static_cast<size_t>(bucketCount));
}

THashMap::~THashMap() { Clear(); }

uint32_t THashMap::HashOf(std::string_view key) const {
  uint32_t h = 0;
  for (char c : key) h = ((h << 2) | (h >> 30)) ^ static_cast<unsigned char>(c);
  return h;
}

size_t THashMap::BucketOf(std::string_view key) const { return HashOf(key) % Buckets.size(); }

void THashMap::Put(std::string_view key, std::string_view value) {
  auto item = std::make_unique<THashItem>();
  item->Key = key;
  item->Value = value;
  auto& head = Buckets[BucketOf(key)];
  item->Next = std::move(head);
  head = std::move(item);
}

const std::unique_ptr<THashItem>& THashMap::Find(std::string_view key) const {
  const std::unique_ptr<THashItem>* link = &Buckets[BucketOf(key)];
  while (*link && (*link)->Key != key) link = &(*link)->Next;
  return *link;
}

std::string THashMap::Get(std::string_view key) const {
  const auto& link = Find(key);
  return link ? link->Value : std::string();
}

void THashMap::Clear() {
  // Unlinks one entry at a time: freeing a long chain recursively could
  // exhaust the stack.
  for (auto& head : Buckets) {
    while (head) head = std::move(head->Next);
  }
}

}  // namespace launcher
