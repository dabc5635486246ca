#pragma once

#include <list>
#include <string>

#include "application/Export.h"

namespace Vantor {

// The part of a system path that vt_name returns. A system path is the model name followed
// by the names of nested subsystems, separated by "/"; a doubled "//" is a slash inside a
// name, never a separator, and is never unescaped.
enum VTNameType {
    LeafName = 0,    // the text after the last separator
    ParentPath = 1,  // the text before the last separator
    RootName = 2,    // the text before the first separator (the model name)
};

// The part `type` of `path`; the whole path when it has no separator.
VANTOR_EXPORT std::string vt_name(const std::string& path, VTNameType type);

// The names of `path` in order. A trailing "/" adds no empty name; a leading "/" gives an
// empty first name; a name with a doubled slash stays one name.
VANTOR_EXPORT std::list<std::string> vt_tokens(const std::string& path);

// `text` with every line feed replaced by a space: names are compared this way, since a
// block name may hold line feeds where a path typed by a person has spaces.
VANTOR_EXPORT std::string vt_spacedName(std::string text);

}  // namespace Vantor
