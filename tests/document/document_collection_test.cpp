// The keyed collection of open documents: 1-based, keys unique ignoring case.
#include "document/document_collection.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace norva {
namespace {

TEST(DocumentCollection, EmptyCollection) {
  Document docs;
  EXPECT_EQ(docs.Count(), 0);
  EXPECT_EQ(docs.ItemIndex("DOC1"), -1);
  EXPECT_EQ(docs.ItemIndex(""), -1);
  EXPECT_THROW(docs.Item(1), std::out_of_range);
  EXPECT_THROW(docs.Item("DOC1"), std::out_of_range);
  EXPECT_THROW(docs.Remove(1), std::out_of_range);
  EXPECT_THROW(docs.Remove("DOC1"), std::out_of_range);
}

TEST(DocumentCollection, AddSetsTheKeyAndKeysIgnoreCase) {
  Document docs;
  const auto d1 = docs.Add("DOC1");
  const auto d2 = docs.Add("DOC2");
  ASSERT_NE(d1, nullptr);
  EXPECT_EQ(d1->Key, "DOC1");
  EXPECT_EQ(d1->SgmCk, 16);  // a new document with its defaults
  EXPECT_EQ(docs.Count(), 2);
  EXPECT_EQ(docs.Item(1), d1);
  EXPECT_EQ(docs.Item(2), d2);
  EXPECT_EQ(docs.Item("doc2"), d2);
  EXPECT_EQ(docs.Item("Doc1"), d1);
  EXPECT_EQ(docs.ItemIndex("doc2"), 2);
  EXPECT_EQ(docs.ItemIndex("DOC3"), -1);
  EXPECT_THROW(docs.Item(0), std::out_of_range);
  EXPECT_THROW(docs.Item(3), std::out_of_range);
  EXPECT_THROW(docs.Item(-1), std::out_of_range);
}

TEST(DocumentCollection, DuplicateKeyIsAnErrorAndChangesNothing) {
  Document docs;
  const auto d1 = docs.Add("DOC1");
  EXPECT_THROW(docs.Add("doc1"), std::invalid_argument);
  EXPECT_EQ(docs.Count(), 1);
  EXPECT_EQ(docs.Item("DOC1"), d1);
}

TEST(DocumentCollection, EmptyKeyIsReachableByPositionOnly) {
  Document docs;
  docs.Add("DOC1");
  const auto anon = docs.Add("");
  docs.Add("");  // several entries may have no key
  EXPECT_EQ(docs.Count(), 3);
  EXPECT_EQ(docs.Item(2), anon);
  EXPECT_EQ(docs.ItemIndex(""), -1);
  EXPECT_THROW(docs.Item(""), std::out_of_range);
}

TEST(DocumentCollection, RemoveClosesUpPositionsAndReleasesTheDocument) {
  Document docs;
  std::weak_ptr<CDocument> first = docs.Add("DOC1");
  const auto d2 = docs.Add("DOC2");
  const auto d3 = docs.Add("DOC3");
  docs.Remove(1);
  EXPECT_TRUE(first.expired());
  EXPECT_EQ(docs.Count(), 2);
  EXPECT_EQ(docs.Item(1), d2);
  EXPECT_EQ(docs.Item(2), d3);
  EXPECT_EQ(docs.ItemIndex("DOC3"), 2);
  EXPECT_EQ(docs.ItemIndex("DOC1"), -1);

  docs.Remove("doc3");
  EXPECT_EQ(docs.Count(), 1);
  EXPECT_EQ(d3.use_count(), 1);  // only this test still holds it
  EXPECT_THROW(docs.Remove("DOC3"), std::out_of_range);
  EXPECT_THROW(docs.Remove(2), std::out_of_range);
  EXPECT_EQ(docs.Count(), 1);

  // A removed key can be used again.
  const auto again = docs.Add("DOC1");
  EXPECT_EQ(docs.Item("DOC1"), again);
}

TEST(DocumentCollection, IteratesInPositionOrder) {
  Document docs;
  docs.Add("DOC1");
  docs.Add("DOC2");
  docs.Add("DOC3");
  docs.Remove("DOC2");
  std::vector<std::string> keys;
  for (const auto& d : docs) keys.push_back(d->Key);
  EXPECT_EQ(keys, (std::vector<std::string>{"DOC1", "DOC3"}));
  docs.Clear();
  EXPECT_EQ(docs.Count(), 0);
}

}  // namespace
}  // namespace norva
