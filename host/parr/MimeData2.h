#pragma once

#include <optional>
#include <string>

#include "parr/GList.h"
#include "parr/MimeValue.h"
#include "parr/ReferencedTemplate.h"
#include "parr/StringID.h"

namespace PARR {

// Typed items by key, as handed to and read from the clipboard: at most one item (a
// MimeValue) per key, each key registered in the MimeRegistry with the type of its items.
// Abstract: GLMimeData2 is the one for the studio's own data. Reference-counted, so it may be
// shared through Holder<MimeData2> (made with new then).
class MimeData2 : public ReferencedTemplate<unsigned int> {
public:
    ~MimeData2() override;

    virtual bool hasData(const StringID& key) const = 0;
    // The item under `key`, or null when there is none. Valid until the item is next set.
    virtual const MimeValue* data(const StringID& key) const = 0;
    // The keys that hold an item, in the order they were first set.
    virtual GList<StringID> keys() const = 0;

    // The integer under `key`; nothing when there is no item or it is not an integer.
    std::optional<int> getInt(const StringID& key) const;
    // The text under `key`; nothing when there is no item or it is not a text.
    std::optional<std::string> getString(const StringID& key) const;
};

}  // namespace PARR
