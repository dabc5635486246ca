#include "tessel/Diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <vector>

#include "wren/Thread.h"

namespace TESSEL {

namespace {

struct SinkHolder {
    std::mutex mutex;
    Diagnostics::Sink sink;
};

SinkHolder& holder() {
    static auto* h = new SinkHolder;
    return *h;
}

}  // namespace

void Diagnostics::print(const std::string& text) {
    Sink sink;
    {
        std::lock_guard<std::mutex> guard(holder().mutex);
        sink = holder().sink;
    }
    std::cerr << text << std::flush;
    if (sink) {
        sink(text);
    }
}

Diagnostics::Sink Diagnostics::setSink(Sink sink) {
    std::lock_guard<std::mutex> guard(holder().mutex);
    std::swap(holder().sink, sink);
    return sink;
}

void diagnosticPrint(const std::string& text) {
    Diagnostics::print(text);
}

void utPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        va_end(args);
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    diagnosticPrint(std::string(buffer.data(), static_cast<std::size_t>(length)));
}

bool utIsSignalThread() {
    return WREN::Thread::getNamedThread("TESSEL")->isCurrent();
}

}  // namespace TESSEL
