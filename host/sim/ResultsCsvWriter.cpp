#include "sim/ResultsCsvWriter.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>
#include <vector>

namespace VTSIM {

namespace {

// Samples read per copy(): a block of every column stays in the cache while it is formatted.
constexpr std::size_t kBlockSamples = 4096;
constexpr std::size_t kFlushBytes = std::size_t{1} << 16;
// "-2.2250738585072014e-308" is the longest shortest form of a double.
constexpr std::size_t kNumberChars = 32;

void appendName(const std::string& name, std::string& text) {
    if (name.find_first_of(",\"\r\n") == std::string::npos) {
        text += name;
        return;
    }
    text += '"';
    for (char c : name) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

void appendNumber(double number, std::string& text) {
    char digits[kNumberChars];
    const std::to_chars_result result = std::to_chars(digits, digits + kNumberChars, number);
    text.append(digits, result.ptr);
}

// `rowsBefore`: the rows handed to `out` by earlier calls, for the message.
void flush(std::string& text, std::ostream& out, std::size_t rowsBefore) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw std::runtime_error("ResultsCsvWriter: the output stream failed after " +
                                 std::to_string(rowsBefore) + " rows of CSV text");
    text.clear();
}

}  // namespace

void ResultsCsvWriter::write(const SimulationResults& results, std::ostream& out,
                             bool requestedOnly) {
    const std::size_t columns = results.columnCount();
    std::string text;
    text.reserve(kFlushBytes + (columns + 1) * kNumberChars);
    text += "time";
    for (const std::string& name : results.columnNames()) {
        text += ',';
        appendName(name, text);
    }
    text += '\n';

    // One column after another per block, so the reads go chunk by chunk; the rows are then
    // formatted from the block, column 0 holding the times.
    std::vector<double> block((columns + 1) * kBlockSamples);
    const std::size_t samples = results.size();
    std::size_t rows = 0;
    std::size_t flushedRows = 0;
    for (std::size_t first = 0; first < samples; first += kBlockSamples) {
        const std::size_t count = std::min(kBlockSamples, samples - first);
        results.copy(SimulationResults::kTimeColumn, first, count, block.data());
        for (std::size_t column = 0; column < columns; ++column)
            results.copy(column, first, count, block.data() + (column + 1) * kBlockSamples);
        for (std::size_t i = 0; i < count; ++i) {
            if (requestedOnly && !results.isRequested(first + i))
                continue;
            appendNumber(block[i], text);
            for (std::size_t column = 1; column <= columns; ++column) {
                text += ',';
                appendNumber(block[column * kBlockSamples + i], text);
            }
            text += '\n';
            ++rows;
            if (text.size() >= kFlushBytes) {
                flush(text, out, flushedRows);
                flushedRows = rows;
            }
        }
    }
    flush(text, out, flushedRows);
}

}  // namespace VTSIM
