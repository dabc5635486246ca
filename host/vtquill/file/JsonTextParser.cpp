#include "vtquill/file/JsonTextParser.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

namespace VTQUILL::File {

namespace {

using rapidjson::SizeType;

// The double a JSON number's text stands for; none when it is too large for a double. The
// text follows JSON's grammar (the reader checked it).
std::optional<double> toDouble(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc())
        return value;
    // Out of range. The reader refuses integer parts beyond 1e307 and positive exponents
    // beyond 308, so a number with a negative exponent can only be too small.
    const std::size_t exponent = text.find_first_of("eE");
    if (exponent != std::string_view::npos && text[exponent + 1] == '-')
        return std::copysign(0.0, text.front() == '-' ? -1.0 : 1.0);
    return std::nullopt;
}

// Whether a decoded string holds an encoded UTF-16 surrogate (ED A0..BF ..), which is not
// UTF-8. The reader has validated the bytes of the text and checks every high-surrogate
// escape for its pair, but decodes a lone low-surrogate escape ("\udc00") into one; every
// other sequence it decodes or copies is valid UTF-8.
bool holdsSurrogate(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) == 0xED &&
            static_cast<unsigned char>(text[i + 1]) >= 0xA0) {
            return true;
        }
    }
    return false;
}

// Passes the reader's events on to a document: turns number texts into values and refuses
// strings that are not UTF-8. `refused()` tells why the last refused event was refused.
class CheckingHandler {
public:
    explicit CheckingHandler(rapidjson::Document& document) : document_(document) {}

    rapidjson::ParseErrorCode refused() const { return refused_; }

    bool RawNumber(const char* text, SizeType length, bool /*copy*/) {
        const std::string_view number(text, length);
        if (number.find_first_of(".eE") == std::string_view::npos) {
            if (number.front() == '-') {
                std::int64_t i = 0;
                if (std::from_chars(text, text + length, i).ec == std::errc())
                    return document_.Int64(i);
            } else {
                std::uint64_t u = 0;
                if (std::from_chars(text, text + length, u).ec == std::errc())
                    return document_.Uint64(u);
            }
        }
        const std::optional<double> value = toDouble(number);
        if (!value)
            return refuse(rapidjson::kParseErrorNumberTooBig);
        return document_.Double(*value);
    }

    bool Null() { return document_.Null(); }
    bool Bool(bool b) { return document_.Bool(b); }
    // Never called, as the reader hands every number over as text
    // (kParseNumbersAsStringsFlag), but part of what a handler is.
    bool Int(int i) { return document_.Int(i); }
    bool Uint(unsigned u) { return document_.Uint(u); }
    bool Int64(std::int64_t i) { return document_.Int64(i); }
    bool Uint64(std::uint64_t u) { return document_.Uint64(u); }
    bool Double(double d) { return document_.Double(d); }
    bool String(const char* s, SizeType length, bool copy) {
        if (holdsSurrogate({s, length}))
            return refuse(rapidjson::kParseErrorStringUnicodeSurrogateInvalid);
        return document_.String(s, length, copy);
    }
    bool StartObject() { return document_.StartObject(); }
    bool Key(const char* s, SizeType length, bool copy) {
        if (holdsSurrogate({s, length}))
            return refuse(rapidjson::kParseErrorStringUnicodeSurrogateInvalid);
        return document_.Key(s, length, copy);
    }
    bool EndObject(SizeType members) { return document_.EndObject(members); }
    bool StartArray() { return document_.StartArray(); }
    bool EndArray(SizeType elements) { return document_.EndArray(elements); }

private:
    bool refuse(rapidjson::ParseErrorCode why) {
        refused_ = why;
        return false;
    }

    rapidjson::Document& document_;
    rapidjson::ParseErrorCode refused_ = rapidjson::kParseErrorNone;
};

}  // namespace

rapidjson::ParseResult JsonTextParser::parse(std::string_view text, rapidjson::Document& document) {
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag |
                                rapidjson::kParseValidateEncodingFlag |
                                rapidjson::kParseNumbersAsStringsFlag;
    rapidjson::ParseResult result;
    const auto generate = [&](rapidjson::Document& handlerDocument) {
        rapidjson::MemoryStream memory(text.data(), text.size());
        rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> input(memory);
        CheckingHandler handler(handlerDocument);
        rapidjson::Reader reader;
        result = reader.Parse<kFlags>(input, handler);
        // A refused value stops the reader with "Terminate parsing due to Handler error" at
        // the number or after the string; say what was wrong with it instead.
        if (handler.refused() != rapidjson::kParseErrorNone)
            result.Set(handler.refused(), result.Offset());
        return !result.IsError();
    };
    document.Populate(generate);
    return result;
}

}  // namespace VTQUILL::File
