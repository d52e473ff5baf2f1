#include "document/document_collection.h"

#include <stdexcept>

namespace norva {

Document gDocuments;

bool SameKey(const std::string& a, const std::string& b) {
  auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

namespace {}  // namespace

int32_t Document::FindKey(const std::string& key) const {
  if (key.empty()) return -1;
  for (size_t i = 0; i < keys_.size(); ++i) {
    if (SameKey(keys_[i], key)) return static_cast<int32_t>(i);
  }
  return -1;
}

Document::Entry Document::Add(const std::string& Key) {
  auto doc = std::make_shared<CDocument>();
  doc->Key = Key;
  if (FindKey(Key) >= 0) {
    throw std::invalid_argument("a document with the key " + Key + " is open already");
  }
  keys_.push_back(Key);
  entries_.push_back(doc);
  return doc;
}

Document::Entry Document::Item(int32_t index) const {
  if (index < 1 || index > Count()) {
    throw std::out_of_range("no document at position " + std::to_string(index));
  }
  return entries_[static_cast<size_t>(index - 1)];
}

Document::Entry Document::Item(const std::string& key) const {
  const int32_t i = FindKey(key);
  if (i < 0) throw std::out_of_range("no document with the key " + key);
  return entries_[static_cast<size_t>(i)];
}

int16_t Document::ItemIndex(const std::string& vntKey) const {
  if (vntKey.empty()) return -1;
  // The position is a 16-bit count: the scan covers at most 32767 entries.
  const int32_t limit = Count() < 32767 ? Count() : 32767;
  for (int32_t i = 0; i < limit; ++i) {
    if (SameKey(entries_[static_cast<size_t>(i)]->Key, vntKey)) return static_cast<int16_t>(i + 1);
  }
  return -1;
}

void Document::Remove(int32_t index) {
  if (index < 1 || index > Count()) {
    throw std::out_of_range("no document at position " + std::to_string(index));
  }
  keys_.erase(keys_.begin() + (index - 1));
  entries_.erase(entries_.begin() + (index - 1));
}

void Document::Remove(const std::string& key) {
  const int32_t i = FindKey(key);
  if (i < 0) throw std::out_of_range("no document with the key " + key);
  keys_.erase(keys_.begin() + i);
  entries_.erase(entries_.begin() + i);
}

}  // namespace norva
