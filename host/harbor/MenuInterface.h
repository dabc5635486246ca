#pragma once

#include <string>

namespace HARBOR::Util {

// What a domain offers the studio's scripting menu: the name of the scripting function that
// returns the domain's scripting interface ("vtGetVantorInterface"), and the name of the
// scripting package that holds the function ("vtprivate"). A plain value; the default value
// names nothing.
class MenuInterface {
public:
    MenuInterface() = default;
    MenuInterface(std::string functionName, std::string packageName);

    // The first string: the scripting function.
    const std::string& getFunctionName() const { return functionName_; }
    // The second string: the scripting package of that function.
    const std::string& getPackageName() const { return packageName_; }
    // True when no function is named.
    bool isEmpty() const { return functionName_.empty(); }

    bool operator==(const MenuInterface&) const = default;

private:
    std::string functionName_;
    std::string packageName_;
};

}  // namespace HARBOR::Util
