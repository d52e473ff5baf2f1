#pragma once
// The open design documents, by key ("DOC" + number) and 1-based position.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"

namespace norva {

// Keys of documents and temporary files compare ignoring ASCII letter case.
bool SameKey(const std::string& a, const std::string& b);

class Document {
 public:
  using Entry = std::shared_ptr<CDocument>;

  // Creates a new document with its defaults, sets its Key and appends it.
  // An empty key appends it without a key (reachable by position only).
  // Throws std::invalid_argument when an entry already has the key (letter
  // case ignored); the collection is then unchanged.
  Entry Add(const std::string& Key);

  // By 1-based position or by key (letter case ignored). Throws
  // std::out_of_range for a position outside 1..Count or an unknown key.
  Entry Item(int32_t index) const;
  Entry Item(const std::string& key) const;
  Entry Item(const char* key) const { return Item(std::string(key)); }

  // 1-based position of the first document whose Key equals vntKey (letter
  // case ignored); -1 for "" or when none has it.
  int16_t ItemIndex(const std::string& vntKey) const;

  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }

  // Drops the collection's reference; the document ends when no other holder
  // keeps it. Throws std::out_of_range as Item does.
  void Remove(int32_t index);
  void Remove(const std::string& key);
  void Remove(const char* key) { Remove(std::string(key)); }

  // Releases every document (program shut-down).
  void Clear() {
    entries_.clear();
    keys_.clear();
  }

  // Iteration in position order.
  std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }

 private:
  // Parallel lists, so that iteration hands out the documents directly.
  // A key of "" means the entry has none.
  std::vector<std::string> keys_;
  std::vector<Entry> entries_;

  int32_t FindKey(const std::string& key) const;  // 0-based, -1 if none
};

// The program's open documents.
extern Document gDocuments;

}  // namespace norva
