#pragma once

namespace WREN {

// The base of event payloads that travel through emitters: framework events derive from it
// so that they can be held and passed polymorphically. It carries no data.
class Payload {
public:
    Payload() = default;
    Payload(const Payload&) = default;
    Payload& operator=(const Payload&) = default;
    virtual ~Payload();
};

}  // namespace WREN
