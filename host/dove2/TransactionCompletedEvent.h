#pragma once

#include <memory>

#include "quill/ReportOfChanges.h"
#include "wren/Payload.h"

namespace DOVE2 {

// Sent after a transaction on the root of a model open in the studio committed: its report.
// The report is shared: copies of the event read the same report.
class TransactionCompletedEvent : public WREN::Payload {
public:
    using Report = QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>;

    TransactionCompletedEvent() = default;
    explicit TransactionCompletedEvent(std::shared_ptr<const Report> report)
        : report_(std::move(report)) {}
    // Null only for a default-made event.
    const Report* getReport() const { return report_.get(); }

private:
    std::shared_ptr<const Report> report_;
};

}  // namespace DOVE2
