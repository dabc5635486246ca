#include "sim/SimulationResults.h"

#include <algorithm>
#include <stdexcept>

namespace VTSIM {

namespace {

constexpr unsigned kMaxChunkShift = 16;  // 65,536 samples
constexpr unsigned kMinChunkShift = 10;  // 1,024 samples
constexpr std::size_t kChunkBytesTarget = std::size_t{4} << 20;
constexpr std::size_t kFirstDirectoryCapacity = 16;
constexpr unsigned kFlagWordShift = 6;  // 64 flags per word

// Many columns would make a 65,536-sample chunk weigh hundreds of megabytes before the first
// plot point: shrink the chunk instead so that short runs of wide models stay cheap.
unsigned chunkShiftFor(std::size_t columns) {
    const std::size_t bytesPerSample = (columns + 1) * sizeof(double);
    unsigned shift = kMaxChunkShift;
    while (shift > kMinChunkShift && (bytesPerSample << shift) > kChunkBytesTarget)
        --shift;
    return shift;
}

}  // namespace

// One chunk: the time column, then each value column, samplesPerChunk() doubles each; the
// flags a bit per sample. The flag words are atomic because the writer sets bits of a word
// while readers read earlier bits of the same word.
struct SimulationResults::Chunk {
    std::unique_ptr<double[]> values;
    std::unique_ptr<std::atomic<std::uint64_t>[]> flags;
};

SimulationResults::SimulationResults(std::vector<std::string> columnNames)
    : columnNames_(std::move(columnNames)), chunkShift_(chunkShiftFor(columnNames_.size())) {}

SimulationResults::~SimulationResults() = default;

void SimulationResults::append(double time, const double* values, bool requested) {
    const std::size_t sample = size_.load(std::memory_order_relaxed);
    const std::size_t offset = sample & (samplesPerChunk() - 1);
    if (offset == 0)
        current_ = &addChunk();
    double* slot = current_->values.get() + offset;
    slot[0] = time;
    for (std::size_t column = 0; column < columnNames_.size(); ++column)
        slot[(column + 1) << chunkShift_] = values[column];
    if (requested) {
        // The only writer: a load and a store are enough, no read-modify-write needed.
        std::atomic<std::uint64_t>& word = current_->flags[offset >> kFlagWordShift];
        word.store(word.load(std::memory_order_relaxed) | (std::uint64_t{1} << (offset & 63)),
                   std::memory_order_relaxed);
    }
    size_.store(sample + 1, std::memory_order_release);
}

SimulationResults::Chunk& SimulationResults::addChunk() {
    const std::size_t samples = samplesPerChunk();
    const std::size_t flagWords = samples >> kFlagWordShift;
    auto chunk = std::make_unique<Chunk>();
    chunk->values = std::make_unique_for_overwrite<double[]>((columnNames_.size() + 1) * samples);
    chunk->flags = std::make_unique<std::atomic<std::uint64_t>[]>(flagWords);
    std::size_t addedBytes = sizeof(Chunk) + (columnNames_.size() + 1) * samples * sizeof(double) +
                             flagWords * sizeof(std::uint64_t);

    const std::size_t index = chunks_.size();
    if (index == directoryCapacity_) {
        // Readers may be looking at the current directory: build a larger one beside it and
        // publish it whole; the old one stays alive for them until the results are destroyed.
        const std::size_t capacity =
            directoryCapacity_ == 0 ? kFirstDirectoryCapacity : 2 * directoryCapacity_;
        auto grown = std::make_unique<const Chunk*[]>(capacity);
        std::transform(chunks_.begin(), chunks_.end(), grown.get(),
                       [](const std::unique_ptr<Chunk>& c) { return c.get(); });
        directories_.push_back(std::move(grown));
        directoryCapacity_ = capacity;
        addedBytes += capacity * sizeof(const Chunk*);
    }
    // The entry is below no published sample yet, so no reader reads it before the release
    // store of the size that follows in append().
    directories_.back()[index] = chunk.get();
    directory_.store(directories_.back().get(), std::memory_order_release);
    chunks_.push_back(std::move(chunk));
    memoryBytes_.fetch_add(addedBytes, std::memory_order_relaxed);
    return *chunks_.back();
}

const SimulationResults::Chunk& SimulationResults::chunkOf(std::size_t sample) const {
    // Loaded after the size was acquired, so the directory is at least the one that was
    // current when the sample was published.
    return *directory_.load(std::memory_order_acquire)[sample >> chunkShift_];
}

void SimulationResults::checkSample(std::size_t sample) const {
    const std::size_t logged = size();
    if (sample >= logged)
        throw std::out_of_range("SimulationResults: sample " + std::to_string(sample) +
                                " is not logged (" + std::to_string(logged) + " samples so far)");
}

void SimulationResults::checkColumn(std::size_t column) const {
    if (column >= columnNames_.size())
        throw std::out_of_range("SimulationResults: no value column " + std::to_string(column) +
                                " (" + std::to_string(columnNames_.size()) + " columns)");
}

double SimulationResults::time(std::size_t sample) const {
    checkSample(sample);
    return chunkOf(sample).values[sample & (samplesPerChunk() - 1)];
}

double SimulationResults::value(std::size_t column, std::size_t sample) const {
    checkColumn(column);
    checkSample(sample);
    const std::size_t offset = sample & (samplesPerChunk() - 1);
    return chunkOf(sample).values[((column + 1) << chunkShift_) + offset];
}

bool SimulationResults::isRequested(std::size_t sample) const {
    checkSample(sample);
    const std::size_t offset = sample & (samplesPerChunk() - 1);
    const std::uint64_t word =
        chunkOf(sample).flags[offset >> kFlagWordShift].load(std::memory_order_relaxed);
    return (word >> (offset & 63)) & 1;
}

void SimulationResults::copy(std::size_t column, std::size_t first, std::size_t count,
                             double* out) const {
    if (column != kTimeColumn)
        checkColumn(column);
    const std::size_t logged = size();
    if (first > logged || count > logged - first)
        throw std::out_of_range("SimulationResults: samples " + std::to_string(first) + " to " +
                                std::to_string(first + count) + " are not all logged (" +
                                std::to_string(logged) + " samples so far)");
    const std::size_t columnStart = column == kTimeColumn ? 0 : (column + 1) << chunkShift_;
    const std::size_t samples = samplesPerChunk();
    while (count > 0) {
        const std::size_t offset = first & (samples - 1);
        const std::size_t run = std::min(count, samples - offset);
        std::copy_n(chunkOf(first).values.get() + columnStart + offset, run, out);
        out += run;
        first += run;
        count -= run;
    }
}

}  // namespace VTSIM
