#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace VTSIM {

// The signals logged by one run: a time column and one value column per logged signal
// element, named at construction, plus one flag per sample telling whether it lies at an
// output time the user asked for (`requested`) or is a solver step.
//
// Threads: ONE writer (the run) appends; any number of readers (a plot, the CSV writer) read
// at the same time. A reader sees only complete samples: append() writes the time, the values
// and the flag, then publishes the new sample count with release semantics; size() acquires it.
// Reading a sample below size() takes no lock at all: the chunks are never moved, and the
// directory of chunks is replaced (never changed in place where a reader may look) when it
// grows, the replaced directories being kept until the results are destroyed.
//
// Storage: samples are kept in chunks of samplesPerChunk() samples, one contiguous run per
// column inside each chunk, plus one bit per sample for the flag. Appending never moves or
// re-allocates what was logged; it allocates one chunk every samplesPerChunk() samples. A
// sample costs 8 bytes per column (time included) and one bit; at most one chunk is partly
// unused.
//
// The results must outlive every reader; they are neither copied nor moved.
class SimulationResults {
public:
    // `column` of copy() naming the time column.
    static constexpr std::size_t kTimeColumn = static_cast<std::size_t>(-1);

    // `columnNames`: the value columns only (the time column is implicit); may be empty.
    explicit SimulationResults(std::vector<std::string> columnNames);
    ~SimulationResults();
    SimulationResults(const SimulationResults&) = delete;
    SimulationResults& operator=(const SimulationResults&) = delete;

    const std::vector<std::string>& columnNames() const { return columnNames_; }
    std::size_t columnCount() const { return columnNames_.size(); }
    // Samples per chunk: a power of two, 65,536 for up to seven value columns, fewer (down to
    // 1,024) for more columns so that a chunk stays within about 4 MiB.
    std::size_t samplesPerChunk() const { return std::size_t{1} << chunkShift_; }

    // Appends one sample: its time (seconds of simulated time) and `columnCount()` values read
    // from `values` (not kept). Writer thread only. Costs a few stores; every
    // samplesPerChunk()-th sample also allocates a chunk.
    void append(double time, const double* values, bool requested);

    // The number of complete samples (any thread).
    std::size_t size() const { return size_.load(std::memory_order_acquire); }

    // One sample's time, value or flag (any thread, no lock). Throw std::out_of_range naming
    // the sample (or column) when it is not below size() (or columnCount()).
    double time(std::size_t sample) const;
    double value(std::size_t column, std::size_t sample) const;
    bool isRequested(std::size_t sample) const;

    // Copies samples [first, first + count) of one value column, or of the time column when
    // `column` is kTimeColumn, into `out` (room for `count` doubles), a chunk at a time. Throws
    // std::out_of_range when the column does not exist or the range passes size().
    void copy(std::size_t column, std::size_t first, std::size_t count, double* out) const;

    // Bytes held for the logged data: the chunks (values and flags) and the chunk
    // directories. The column names and the object itself are not counted. Any thread.
    std::size_t memoryBytes() const { return memoryBytes_.load(std::memory_order_relaxed); }

private:
    struct Chunk;

    Chunk& addChunk();
    const Chunk& chunkOf(std::size_t sample) const;
    void checkSample(std::size_t sample) const;
    void checkColumn(std::size_t column) const;

    const std::vector<std::string> columnNames_;
    const unsigned chunkShift_;

    // Written by the writer only; read by readers only below the published size.
    std::atomic<std::size_t> size_{0};
    std::atomic<const Chunk* const*> directory_{nullptr};
    std::atomic<std::size_t> memoryBytes_{0};

    // The writer's own bookkeeping: never read by readers.
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::vector<std::unique_ptr<const Chunk*[]>> directories_;  // the last one is current
    std::size_t directoryCapacity_ = 0;
    Chunk* current_ = nullptr;
};

}  // namespace VTSIM
