#pragma once
// The build book's file: under "BookDescriptor" and its first
// "DataDictionary", one "Object" per realm key with one "DataField" per
// entry, each key an element whose text is the value. Reading takes the
// entries without their pictures, so that it needs no device.
#include <array>
#include <cstdint>
#include <vector>

#include "screens/BookItem.h"

class XmlNode;

namespace buildbook {

constexpr int32_t kRealmCount = 5;
constexpr const char* kRootTag = "BookDescriptor";
// Below the base directory.
constexpr const char* kBookPath = "\\objects\\Book\\book_NL.xml";

using RealmLists = std::array<std::vector<BookItem>, kRealmCount>;

// The realm of a key ("Morwenne_Realm" is 0 ... "General_Buildings" 4),
// compared exactly, case included; -1 for any other key.
int32_t RealmOfKey(const char* key);

// Appends the entries under the root to their realms' lists in file order;
// entries of unknown realms are left out. Missing texts are empty, missing
// numbers and flags 0; a flag is 1 only for the text "true".
void ReadBook(const XmlNode& root, RealmLists& realms);

}  // namespace buildbook
