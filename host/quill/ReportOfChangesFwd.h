#pragma once

namespace QUILL {

class ImmutableClassObject;

// The filter that accepts every object of a report.
struct TRUE_TYPE;

template <class Handle = ImmutableClassObject, class Filter = TRUE_TYPE>
class ReportOfChanges;

}  // namespace QUILL
